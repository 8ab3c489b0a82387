package torve.core;

/** The module's non-volatile byte store. */
public final class EEPROM {
    private EEPROM() {
    }

    public static native int eeRead(int address);

    public static native void eeWrite(int address, int value);
}
