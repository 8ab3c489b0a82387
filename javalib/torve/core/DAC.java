package torve.core;

/** Analog output on a pin. */
public final class DAC {
    private DAC() {
    }

    public static native void install(int pin, int value);
}
