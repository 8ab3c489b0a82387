package torve.core;

/** Analog input between two pins; the result is the sampled value. */
public final class ADC {
    private ADC() {
    }

    public static native int install(int inputPin, int outputPin);
}
