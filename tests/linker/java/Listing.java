public class Listing {
    static int shared;
    int field;

    int pick(int x) {
        int y = 0;
        switch (x) {
            case 1: y = 2; break;
            case 2: y = 3; break;
            case 3: y = 9; break;
        }
        switch (x) {
            case 10: y = 1; break;
            case 1000: y = 5; break;
        }
        return y;
    }

    int operands(int x, Object o) {
        int a = 300;
        int b = -2;
        int c = -300;
        int d = 123456;
        a += 5;
        b -= 3;
        x += 1000;
        x -= 1000;
        if (a == 0) {
            d = d + c;
        }
        String s = "hi";
        int[] ints = new int[2];
        char[] chars = new char[3];
        Object[] objects = new Object[4];
        int[][] grid = new int[2][3];
        String t = (String) o;
        boolean is = o instanceof String;
        shared = field;
        field = shared;
        Listing l = new Listing();
        l.pick(d);
        helper();
        long v = 5000000000L;
        return ints.length + chars.length + objects.length + grid.length;
    }

    static void helper() {
    }

    void call(Runner r) {
        r.go();
    }

    void wrap() {
        try {
            helper();
        } finally {
            shared = 1;
        }
    }

    float floats(float a, float b, float c, float d) {
        double e = 2.5;
        float f = 1.5f;
        return d + f;
    }

    int loop(int n) {
        int s = 0;
        for (int i = 0; i < n; i++) {
            s += i;
        }
        return s;
    }
}
