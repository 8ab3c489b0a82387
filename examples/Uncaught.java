// Ends with an exception that nobody catches: a division by zero.
public class Uncaught {
    static int divide(int a, int b) {
        return a / b;
    }

    static void main() {
        System.out.println("10 / 2 = " + divide(10, 2));
        System.out.println("10 / 0 = " + divide(10, 0));
    }
}
