package java.lang;
public class Object {
    public Object() {}
    public int hashCode() { return 0; }
    public String toString() { return null; }
}
