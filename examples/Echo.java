import torve.core.Terminal;

// Echoes what is typed in the terminal window; a 'q' ends it.
public class Echo {
    static void main() {
        System.out.println("Type something, q to quit.");
        while (true) {
            int b = Terminal.getByte();
            if (b == -1) {
                continue;  // nothing typed yet
            }
            if (b == 'q') {
                break;
            }
            System.out.print((char) b);
        }
        System.out.println("Bye.");
    }
}
