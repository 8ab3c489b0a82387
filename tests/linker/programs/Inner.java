public class Inner {
    int base = 7;

    class Adder {
        int add(int n) {
            return base + n;
        }
    }

    static class Pair {
        int left;
        int right;

        Pair(int left, int right) {
            this.left = left;
            this.right = right;
        }
    }

    int run() {
        Adder adder = new Adder();
        Pair pair = new Pair(1, 2);
        Object anonymous = new Object() {
            public String toString() {
                return "anonymous";
            }
        };
        System.out.println(anonymous.toString());
        return adder.add(pair.left + pair.right);
    }

    public static void main() {
        System.out.println(new Inner().run());
    }
}
