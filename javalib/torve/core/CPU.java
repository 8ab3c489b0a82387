package torve.core;

/** The module's processor: registers, pins, timing and terminal output. */
public final class CPU {
    private CPU() {
    }

    public static native void writeRegister(int address, int value);

    public static native int readRegister(int address);

    public static native void writeObject(int address, Object value);

    /** Waits the given number of tenths of a millisecond. */
    public static native void delay(int tenths);

    /** Sends the text to the PC's terminal. */
    public static native void message(String text);

    public static native int count(int timeout, int pin, boolean edge);

    public static native int rcTime(int timeout, int pin, boolean state);

    public static native int pulseIn(int timeout, int pin, boolean state);

    public static native void pulseOut(int length, int pin);

    public static native boolean readPin(int pin);

    public static native void writePin(int pin, boolean value);

    public static native int shiftIn(int dataPin, int clockPin, int bitCount, int mode);

    public static native void shiftOut(int dataPin, int clockPin, int bitCount, int mode, int data);

    public static native boolean carry();

    public static native void uninstall(Object peripheral);

    public static native void install(Object peripheral);

    public static native void nap(int period);

    public static native void setOutput(int pin);

    public static native void setInput(int pin);

    public static native int readSRAM(int address);

    public static native void writeSRAM(int address, int value);
}
