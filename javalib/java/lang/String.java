package java.lang;

/**
 * An immutable text. The module's string records have this exact layout:
 * the length first, then the character array.
 */
public final class String {
    int length;
    char[] value;

    public String(char[] chars) {
        this(chars, 0, chars.length);
    }

    public String(char[] chars, int offset, int count) {
        if (offset < 0 || count < 0 || offset > chars.length - count) {
            throw new IndexOutOfBoundsException();
        }
        value = new char[count];
        for (int i = 0; i < count; i++) {
            value[i] = chars[offset + i];
        }
        length = count;
    }

    public int length() {
        return length;
    }

    public char charAt(int index) {
        if (index < 0 || index >= length) {
            throw new IndexOutOfBoundsException();
        }
        return value[index];
    }

    public boolean equals(Object other) {
        if (this == other) {
            return true;
        }
        if (!(other instanceof String)) {
            return false;
        }
        String text = (String) other;
        if (text.length != length) {
            return false;
        }
        for (int i = 0; i < length; i++) {
            if (text.value[i] != value[i]) {
                return false;
            }
        }
        return true;
    }

    public String toString() {
        return this;
    }

    public static String valueOf(Object object) {
        return object == null ? "null" : object.toString();
    }

    public static String valueOf(boolean b) {
        return b ? "true" : "false";
    }

    public static String valueOf(char c) {
        char[] chars = new char[1];
        chars[0] = c;
        return new String(chars);
    }

    /** Works on the negative value so that the smallest int converts too. */
    public static String valueOf(int number) {
        char[] digits = new char[11];
        int position = digits.length;
        boolean negative = number < 0;
        if (!negative) {
            number = -number;
        }
        do {
            position--;
            digits[position] = (char) ('0' - number % 10);
            number = number / 10;
        } while (number != 0);
        if (negative) {
            position--;
            digits[position] = '-';
        }
        return new String(digits, position, digits.length - position);
    }
}
