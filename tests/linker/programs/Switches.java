public class Switches {
    static int dense(int n) {
        switch (n) {
            case 0: return 10;
            case 1: return 11;
            case 2: return 12;
            case 3: return 13;
            default: return -1;
        }
    }

    static int sparse(int n) {
        switch (n) {
            case -5000: return 1;
            case 7: return 2;
            case 1000: return 3;
            default: return 0;
        }
    }

    public static void main() {
        int total = 0;
        for (int i = -1; i < 5; i++) {
            total += dense(i) + sparse(i * 1000);
        }
        System.out.println(total);
    }
}
