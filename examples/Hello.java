// Prints a greeting on the PC's terminal.
public class Hello {
    static void main() {
        System.out.println("Hello, world!");
    }
}
