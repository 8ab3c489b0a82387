package java.lang;

/** The root of every class. Objects carry no fields of their own. */
public class Object {
    public Object() {
    }

    public boolean equals(Object other) {
        return this == other;
    }

    public String toString() {
        return "Object";
    }

    /** Runtime class objects do not exist on the module; this only checks the receiver. */
    public final Class getClass() {
        return null;
    }
}
