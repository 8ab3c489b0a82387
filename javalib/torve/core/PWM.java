package torve.core;

/** Pulse-width modulated output on a pin. */
public final class PWM {
    private PWM() {
    }

    public static native void install(int pin, int highTime, int lowTime);

    public static native void updateInternal(int pin, int highTime, int lowTime);
}
