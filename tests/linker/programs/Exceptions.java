class Problem extends Exception {
    int code;

    Problem(int code) {
        this.code = code;
    }
}

public class Exceptions {
    static int risky(int n) throws Problem {
        if (n > 2) {
            throw new Problem(n);
        }
        return 10 / n;
    }

    static int guarded(int n) {
        int result = 0;
        try {
            result = risky(n);
        } catch (Problem p) {
            result = -p.code;
        } catch (ArithmeticException e) {
            result = -100;
        } finally {
            result++;
        }
        return result;
    }

    public static void main() {
        for (int i = 0; i < 5; i++) {
            System.out.println(guarded(i));
        }
        try {
            Object nothing = null;
            nothing.toString();
        } catch (NullPointerException e) {
            System.out.println("caught");
        }
    }
}
