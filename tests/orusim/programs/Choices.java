// Dense and sparse switches.
public class Choices {
    static String day(int d) {
        switch (d) {
            case 1: return "mon";
            case 2: return "tue";
            case 3: return "wed";
            case 4: return "thu";
            case 5: return "fri";
            default: return "weekend";
        }
    }

    static int sparse(int n) {
        switch (n) {
            case -5000: return 1;
            case 7: return 2;
            case 1000: return 3;
            case 30000: return 4;
            default: return 0;
        }
    }

    static int fallThrough(int n) {
        int r = 0;
        switch (n) {
            case 0: r += 1;
            case 1: r += 10;
            case 2: r += 100; break;
            case 3: r = -1;
        }
        return r;
    }

    static void main() {
        for (int d = 0; d <= 7; d++) {
            System.out.print(day(d) + " ");
        }
        System.out.println();
        int total = 0;
        int[] keys = {-5000, 7, 1000, 30000, 8, -7};
        for (int i = 0; i < keys.length; i++) {
            total = total * 3 + sparse(keys[i]);
        }
        System.out.println(total);
        System.out.println(fallThrough(0) + " " + fallThrough(1) + " " + fallThrough(2) + " " + fallThrough(3) + " " + fallThrough(9));
    }
}
