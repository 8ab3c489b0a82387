// Counts for a while and prints nothing: the machine's speed end to end.
public class LongLoop {
    static void main() {
        int total = 0;
        for (int i = 0; i < 20000; i++) {
            for (int j = 0; j < 100; j++) {
                total += j;
            }
        }
    }
}
