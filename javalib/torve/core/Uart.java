package torve.core;

/** Serial transmit and receive on a peripheral bank. */
public final class Uart {
    private Uart() {
    }

    public static native void txInit(int bank, int pin, int baud);

    public static native void rxInit(int bank, int pin, int baud);

    /** The next received byte, -1 when none is waiting. */
    public static native int rxRead(int bank);
}
