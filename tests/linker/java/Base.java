public class Base {
    int x;
    static int shared;

    public Base() {
    }

    public void run() {
        x = 1;
    }

    public int size() {
        return x;
    }

    static {
        shared = 2;
    }
}
