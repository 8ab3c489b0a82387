package java.lang;

/** The root of every exception. */
public class Throwable {
    /** VM fault codes, as the module passes them to throwVMException. */
    static final int NULL_POINTER = 1;
    static final int ARITHMETIC = 2;
    static final int ARRAY_INDEX = 3;
    static final int NEGATIVE_ARRAY_SIZE = 4;
    static final int STACK_OVERFLOW = 5;
    static final int OUT_OF_MEMORY = 6;

    private String message;

    public Throwable() {
    }

    public Throwable(String message) {
        this.message = message;
    }

    public String getMessage() {
        return message;
    }

    public String toString() {
        return message == null ? "Throwable" : message;
    }

    /** Called by the module when the program faults: throws the matching exception. */
    static void throwVMException(int code) {
        switch (code) {
            case NULL_POINTER:
                throw new NullPointerException();
            case ARITHMETIC:
                throw new ArithmeticException();
            case ARRAY_INDEX:
                throw new ArrayIndexOutOfBoundsException();
            case NEGATIVE_ARRAY_SIZE:
                throw new NegativeArraySizeException();
            case STACK_OVERFLOW:
                throw new StackOverflowError();
            case OUT_OF_MEMORY:
                throw new OutOfMemoryError();
            default:
                throw new Error();
        }
    }
}
