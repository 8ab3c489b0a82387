package java.lang;
public class Throwable { public Throwable() {} }
