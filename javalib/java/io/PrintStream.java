package java.io;

import torve.core.CPU;

/** Text output to the PC's terminal. */
public class PrintStream {
    public PrintStream() {
    }

    public void print(String text) {
        CPU.message(text == null ? "null" : text);
    }

    public void print(int number) {
        CPU.message(String.valueOf(number));
    }

    public void print(char c) {
        CPU.message(String.valueOf(c));
    }

    public void print(boolean b) {
        CPU.message(String.valueOf(b));
    }

    public void print(Object object) {
        CPU.message(String.valueOf(object));
    }

    public void println() {
        CPU.message("\n");
    }

    public void println(String text) {
        print(text);
        println();
    }

    public void println(int number) {
        print(number);
        println();
    }

    public void println(char c) {
        print(c);
        println();
    }

    public void println(boolean b) {
        print(b);
        println();
    }

    public void println(Object object) {
        print(object);
        println();
    }
}
