package java.lang;

/** A growing text, used by string concatenation. */
public final class StringBuffer {
    private char[] value;
    private int count;

    public StringBuffer() {
        this(16);
    }

    public StringBuffer(int capacity) {
        value = new char[capacity];
    }

    public StringBuffer(String text) {
        this(16);
        append(text);
    }

    public StringBuffer append(String text) {
        if (text == null) {
            text = "null";
        }
        int added = text.length();
        ensureCapacity(count + added);
        for (int i = 0; i < added; i++) {
            value[count + i] = text.charAt(i);
        }
        count = count + added;
        return this;
    }

    public StringBuffer append(char c) {
        ensureCapacity(count + 1);
        value[count] = c;
        count++;
        return this;
    }

    public StringBuffer append(int number) {
        return append(String.valueOf(number));
    }

    public StringBuffer append(boolean b) {
        return append(String.valueOf(b));
    }

    public StringBuffer append(Object object) {
        return append(String.valueOf(object));
    }

    public String toString() {
        return new String(value, 0, count);
    }

    private void ensureCapacity(int needed) {
        if (needed <= value.length) {
            return;
        }
        int capacity = value.length * 2 + 2;
        if (capacity < needed) {
            capacity = needed;
        }
        char[] larger = new char[capacity];
        for (int i = 0; i < count; i++) {
            larger[i] = value[i];
        }
        value = larger;
    }
}
