// Ends with an exception nobody catches.
public class Uncaught16 {
    static int divide(int a, int b) {
        return a / b;
    }

    static void main() {
        System.out.println("10 / 2 = " + divide(10, 2));
        System.out.println("10 / 0 = " + divide(10, 0));
        System.out.println("not reached");
    }
}
