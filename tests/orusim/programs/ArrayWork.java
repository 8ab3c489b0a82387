// Arrays of ints, chars, bytes and objects; lengths and copies.
public class ArrayWork {
    static int sum(int[] values) {
        int total = 0;
        for (int i = 0; i < values.length; i++) {
            total += values[i];
        }
        return total;
    }

    static void sort(int[] v) {
        for (int i = 1; i < v.length; i++) {
            int key = v[i];
            int j = i - 1;
            while (j >= 0 && v[j] > key) {
                v[j + 1] = v[j];
                j--;
            }
            v[j + 1] = key;
        }
    }

    static void main() {
        int[] primes = new int[10];
        int found = 0;
        for (int n = 2; found < primes.length; n++) {
            boolean prime = true;
            for (int k = 0; k < found && prime; k++) {
                if (n % primes[k] == 0) {
                    prime = false;
                }
            }
            if (prime) {
                primes[found++] = n;
            }
        }
        System.out.println("sum of primes " + sum(primes) + " last " + primes[primes.length - 1]);
        int[] v = {5, -3, 9, 0, 12, -8, 7};
        sort(v);
        for (int i = 0; i < v.length; i++) {
            System.out.print(v[i] + " ");
        }
        System.out.println();
        char[] word = new char[5];
        for (int i = 0; i < word.length; i++) {
            word[i] = (char) ('v' + i);
        }
        System.out.println(new String(word));
        byte[] bytes = {-1, -128, 127, 0, 65};
        int bsum = 0;
        for (int i = 0; i < bytes.length; i++) {
            bsum += bytes[i];
        }
        System.out.println("bytes " + bsum + " " + bytes[1]);
        boolean[] flags = new boolean[3];
        flags[1] = true;
        System.out.println(flags[0] + " " + flags[1]);
        String[] names = {"ann", "bob", null};
        for (int i = 0; i < names.length; i++) {
            System.out.print(names[i] + ";");
        }
        System.out.println();
        int[][] grid = new int[3][];
        for (int i = 0; i < grid.length; i++) {
            grid[i] = new int[i + 1];
            grid[i][i] = i * 10;
        }
        System.out.println(grid[2][2] + " " + grid[1].length + " " + grid[2][0]);
    }
}
