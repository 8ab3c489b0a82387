public class Derived extends Base {
    long y;
    int z;

    public Derived() {
    }

    public void extra() {
    }

    public void run() {
        z = 1;
    }

    static int twice(int v, long w, int[] a, String s) {
        return v;
    }
}
