public class Fields {
    static final int K = 3;
    static final int L = f();
    static final String S = "s";
    static int counter;
    final int k = 3;
    int a;
    long big;
    final String name = "n";
    static final long BIG = 5000000000L;

    static int f() {
        return 4;
    }
}
