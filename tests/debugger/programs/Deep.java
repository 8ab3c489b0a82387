// Twenty frames of ten locals and statics in twenty classes: the data
// window's timing program.
import torve.core.CPU;

class Cell {
    int value;
    Cell next;
}

class S0 {
    static int a;
    static int b;
}

class S1 {
    static int a;
    static int b;
}

class S2 {
    static int a;
    static int b;
}

class S3 {
    static int a;
    static int b;
}

class S4 {
    static int a;
    static int b;
}

class S5 {
    static int a;
    static int b;
}

class S6 {
    static int a;
    static int b;
}

class S7 {
    static int a;
    static int b;
}

class S8 {
    static int a;
    static int b;
}

class S9 {
    static int a;
    static int b;
}

class S10 {
    static int a;
    static int b;
}

class S11 {
    static int a;
    static int b;
}

class S12 {
    static int a;
    static int b;
}

class S13 {
    static int a;
    static int b;
}

class S14 {
    static int a;
    static int b;
}

class S15 {
    static int a;
    static int b;
}

class S16 {
    static int a;
    static int b;
}

class S17 {
    static int a;
    static int b;
}

class S18 {
    static int a;
    static int b;
}

public class Deep {
    static int depth;
    static int deepest;

    static void dive(int level) {
        int a = level;
        int b = a + 1;
        int c = b + 1;
        int d = c + 1;
        int e = d + 1;
        int f = e + 1;
        int g = f + 1;
        int h = g + 1;
        Cell cell = new Cell();
        cell.value = h;
        depth = level;
        if (level < 18) dive(level + 1);
        else CPU.message("bottom"); // bottom
    }

    static void main() {
        S0.a = 0;
        S1.a = 1;
        S2.a = 2;
        S3.a = 3;
        S4.a = 4;
        S5.a = 5;
        S6.a = 6;
        S7.a = 7;
        S8.a = 8;
        S9.a = 9;
        S10.a = 10;
        S11.a = 11;
        S12.a = 12;
        S13.a = 13;
        S14.a = 14;
        S15.a = 15;
        S16.a = 16;
        S17.a = 17;
        S18.a = 18;
        dive(0);
    }
}
