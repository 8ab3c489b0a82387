package java.lang;
public final class String {
    private char[] value;
    public String() {}
    public int length() { return value.length; }
}
