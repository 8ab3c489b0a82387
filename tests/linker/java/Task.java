public class Task implements Runner {
    public void go() {
    }
}
