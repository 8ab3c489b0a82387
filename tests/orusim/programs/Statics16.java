// Static fields and initialisers in several classes.
class Counter {
    static int count;
    static int[] history = new int[4];
    static final int STEP = 3;

    static {
        count = 100;
    }

    static int next() {
        history[count % 4] = count;
        count += STEP;
        return count;
    }
}

class Names {
    static String first = "alpha";
    static String second;

    static {
        second = first + "-beta";
    }
}

public class Statics16 {
    static int calls;
    static boolean ready = true;

    static void touch() {
        calls++;
    }

    static void main() {
        for (int i = 0; i < 5; i++) {
            touch();
            Counter.next();
        }
        System.out.println(calls + " " + Counter.count + " " + ready);
        System.out.println(Counter.history[0] + " " + Counter.history[1] + " " + Counter.history[3]);
        System.out.println(Names.first + " " + Names.second);
        Names.first = "gamma";
        System.out.println(Names.first);
    }
}
