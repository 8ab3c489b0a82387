package java.lang;

import java.io.PrintStream;

/** The program's standard output: text goes to the PC's terminal. */
public final class System {
    public static final PrintStream out = new PrintStream();

    private System() {
    }
}
