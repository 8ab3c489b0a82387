package torve.core;

/** Return from an interrupt callback to the module's firmware. */
public final class Callback {
    private Callback() {
    }

    public static native void returnTwo();
}
