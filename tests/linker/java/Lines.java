public class Lines {
    int first(int a) {
        int b = a + 1;
        int c = b * 2;
        return c;
    }

    native void outside();

    int second(int a) {
        if (a > 0) {
            return 1;
        }
        return 2;
    }
}
