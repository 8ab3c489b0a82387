// The data window's edge cases, one method each.
import torve.core.CPU;

class Empty {
}

class Triple {
    int a;
    int b;
    int c;
}

class Link {
    Link next;
    int value;
}

class WithFloat {
    int before;
    float never;
    int after;
}

public class Edges {
    int own = 3;

    void show() {
        CPU.message("show"); // this opens
    }

    static void nothing() {
        CPU.message("nothing"); // no locals
    }

    static void scope() {
        CPU.message("scope"); // out of scope
        int later = 5;
        CPU.message("later " + later);
    }

    static void numbers() {
        int ab = 0x4142;
        int one = 1;
        byte minus = -1;
        Empty empty = new Empty();
        byte[] full = new byte[300];
        byte[] over = new byte[301];
        char[] chars = new char[300];
        for (int i = 0; i < 300; i++) chars[i] = 'a';
        String big = new String(chars);
        CPU.message("numbers"); // numbers
    }

    static void counts() {
        Triple t = new Triple();
        t.a = 1;
        t.b = 2;
        t.c = 3;
        CPU.message("counts"); // counts
    }

    static void floats() {
        WithFloat w = new WithFloat();
        CPU.message("floats"); // floats
    }

    static void guarded() {
        int x = 1;
        try {
            CPU.message("guarded " + x); // guarded
        } finally {
            x = 2;
        }
    }

    static void changes() {
        Triple t = new Triple();
        Link self = new Link();
        self.next = self;
        t.a = 1; // step from here
        t.a = 2;
        {
            Triple first = new Triple();
            CPU.message("first"); // first block
        }
        {
            Link second = new Link();
            CPU.message("second"); // second block
        }
    }

    static void main() {
        new Edges().show();
        nothing();
        scope();
        numbers();
        counts();
        floats();
        guarded();
        changes();
    }
}
