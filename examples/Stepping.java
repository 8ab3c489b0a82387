// A loop, a method call and an object: good for breakpoints and stepping.
public class Stepping {
    static int square(int n) {
        return n * n;
    }

    static void main() {
        Counter counter = new Counter();
        for (int i = 1; i <= 5; i++) {
            int value = square(i);
            counter.add(value);
            System.out.println("square of " + i + " is " + value);
        }
        System.out.println("sum of squares: " + counter.getTotal());
    }
}
