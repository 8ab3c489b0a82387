package torve.core;

/** The module's free-running timer. */
public final class Timer {
    private Timer() {
    }

    public static native void init();

    /** Ticks since init. */
    public static native int latch();
}
