class Counter {
    static int count = 10;
    static final int LIMIT = 3;
    static int[] history = new int[LIMIT];

    static void bump() {
        history[count % LIMIT] = count;
        count++;
    }
}

class Settings {
    static String name = "settings";
    static int level;

    static {
        level = Counter.count * 2;
    }
}

public class Statics {
    static int total = Settings.level + 1;

    public static void main() {
        Counter.bump();
        total += Counter.count;
        System.out.println(Settings.name + total);
    }
}
