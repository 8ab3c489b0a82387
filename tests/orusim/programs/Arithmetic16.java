// Integer arithmetic whose values stay within 16 bits.
public class Arithmetic16 {
    static int gcd(int a, int b) {
        while (b != 0) {
            int t = a % b;
            a = b;
            b = t;
        }
        return a;
    }

    static void main() {
        int x = 0;
        for (int i = 0; i < 30; i++) {
            x += 1000;
        }
        System.out.println("x = " + x);
        x -= 29999;
        System.out.println("x = " + x);
        int a = -17;
        int b = 5;
        System.out.println(a / b + " " + a % b + " " + (-a) / b + " " + a % -b);
        System.out.println((a * b) + " " + (a + b) + " " + (a - b) + " " + -a);
        System.out.println((0x0F0F & 0x00FF) + " " + (0x0F00 | 0x00F0) + " " + (0x0FF0 ^ 0x00FF));
        System.out.println((1 << 10) + " " + (-256 >> 4) + " " + (4096 >>> 3) + " " + (100 >> 2));
        System.out.println(gcd(1071, 462) + " " + gcd(32000, 1200));
        byte small = (byte) 200;
        short s = (short) 12345;
        System.out.println(small + " " + s + " " + (byte) -1 + " " + (byte) 127);
        int n = 7;
        n++;
        n--;
        n += 20;
        n *= 3;
        n /= 4;
        n %= 7;
        System.out.println("n = " + n);
        int limit = 32767;
        System.out.println(limit + " " + (-limit - 1));
        boolean flag = a < b && b > 0 || a == 0;
        System.out.println(flag + " " + (a >= b) + " " + (a <= -17) + " " + (a != b));
    }
}
