package torve.core;

/** Input typed in the PC's terminal. */
public final class Terminal {
    private Terminal() {
    }

    /** The next input byte, -1 when there is none. */
    public static native int getByte();
}
