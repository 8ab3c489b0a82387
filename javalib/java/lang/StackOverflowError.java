package java.lang;

public class StackOverflowError extends Error {
    public StackOverflowError() {
    }

    public StackOverflowError(String message) {
        super(message);
    }
}
