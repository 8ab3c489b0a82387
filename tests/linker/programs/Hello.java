public class Hello {
    public static void main() {
        System.out.println("Hello, world");
    }
}
