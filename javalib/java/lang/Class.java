package java.lang;

/** Placeholder for the type that getClass() names; the module has no class objects. */
public final class Class {
    private Class() {
    }
}
