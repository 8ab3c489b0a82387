// Exceptions thrown by the program and by the machine, caught and finally.
class Problem extends Exception {
    int code;

    Problem(int code) {
        super("problem " + code);
        this.code = code;
    }
}

public class Failures {
    static int depth;

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

    static String trap(int kind) {
        try {
            switch (kind) {
                case 0: {
                    int[] a = new int[2];
                    a[kind + 2] = 1;
                    break;
                }
                case 1: {
                    Object o = null;
                    o.toString();
                    break;
                }
                case 2: {
                    int[] b = new int[kind - 5];
                    break;
                }
                case 3: {
                    String s = null;
                    return "" + s.length();
                }
                default:
                    return "no fault";
            }
        } catch (ArrayIndexOutOfBoundsException e) {
            return "index";
        } catch (NullPointerException e) {
            return "null";
        } catch (NegativeArraySizeException e) {
            return "negative";
        } finally {
            depth++;
        }
        return "fell through";
    }

    static int nested() {
        try {
            try {
                throw new Problem(7);
            } finally {
                depth += 10;
            }
        } catch (Problem p) {
            return p.code;
        }
    }

    static void main() {
        for (int i = 0; i < 5; i++) {
            System.out.println(guarded(i));
        }
        for (int k = 0; k < 5; k++) {
            System.out.println(trap(k));
        }
        System.out.println(nested() + " depth " + depth);
        try {
            throw new RuntimeException("plain");
        } catch (Exception e) {
            System.out.println("caught " + e.getMessage());
        }
        try {
            risky(9);
        } catch (Throwable t) {
            System.out.println("thrown " + (t instanceof Problem));
        }
    }
}
