package torve.core;

// The host's stand-in for the module's processor: terminal text goes to standard output.
public final class CPU {
    private CPU() {
    }

    public static void message(String text) {
        System.out.print(text);
    }

    public static void delay(int tenths) {
    }
}
