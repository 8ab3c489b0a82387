// Recursive methods.
public class Recursion {
    static int factorial(int n) {
        return n <= 1 ? 1 : n * factorial(n - 1);
    }

    static int fib(int n) {
        return n < 2 ? n : fib(n - 1) + fib(n - 2);
    }

    static int ackermann(int m, int n) {
        if (m == 0) {
            return n + 1;
        }
        if (n == 0) {
            return ackermann(m - 1, 1);
        }
        return ackermann(m - 1, ackermann(m, n - 1));
    }

    static int moves;

    static void hanoi(int n, int from, int to, int via) {
        if (n == 0) {
            return;
        }
        hanoi(n - 1, from, via, to);
        moves++;
        hanoi(n - 1, via, to, from);
    }

    static void main() {
        System.out.println("7! = " + factorial(7));
        System.out.println("fib(18) = " + fib(18));
        System.out.println("A(2,3) = " + ackermann(2, 3));
        hanoi(10, 1, 3, 2);
        System.out.println("hanoi moves " + moves);
    }
}
