public class Arithmetic {
    static int mix(int a, int b) {
        int r = a * b + a / b - a % b;
        r = (r << 2) | (r >> 1) ^ (r >>> 3) & 255;
        r = -r;
        byte small = (byte) r;
        char letter = (char) (small + 65);
        short middle = (short) (letter * 300);
        return r + small + letter + middle;
    }

    public static void main() {
        int x = 5;
        x += 1000;
        x -= 2000;
        x++;
        int y = 30000;
        System.out.println(mix(x, 7) + y);
    }
}
