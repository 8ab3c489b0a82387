// A loop that never leaves its line.
public class Spin {
    static void main() {
        int i = 0;
        while (true) { i++; }
    }
}
