// Every kind of value the data window shows, printed before the stop.
import torve.core.CPU;

class Base {
    int inherited;
}

class Item extends Base {
    int count;
    char letter;
    Item next;
}

class Settings {
    static int total;
    static String label;
    static final int LIMIT = 5;
}

public class Values {
    static int counter;
    static boolean flag;

    static void main() {
        int i = 16706;
        char c = 'A';
        byte b = 7;
        short s = 300;
        boolean z = true;
        String text = "hello";
        int[] numbers = new int[3];
        numbers[0] = 1;
        numbers[1] = 2;
        numbers[2] = 300;
        char[] letters = new char[2];
        letters[0] = 'x';
        letters[1] = 'y';
        byte[] bytes = new byte[301];
        bytes[300] = 9;
        Item item = new Item();
        item.inherited = 11;
        item.count = 22;
        item.letter = 'q';
        item.next = new Item();
        item.next.count = 33;
        Item none = null;
        counter = 5;
        flag = true;
        Settings.total = 77;
        Settings.label = "static";
        CPU.message("int i " + i);
        CPU.message("char c " + (int) c);
        CPU.message("byte b " + b);
        CPU.message("short s " + s);
        CPU.message("boolean z " + z);
        CPU.message("java.lang.String text \"" + text + "\"");
        CPU.message("numbers " + numbers[0] + " " + numbers[1] + " " + numbers[2]);
        CPU.message("letters " + (int) letters[0] + " " + (int) letters[1]);
        CPU.message("bytes " + bytes.length + " " + bytes[300]);
        CPU.message("item " + item.inherited + " " + item.count + " " + (int) item.letter + " " + item.next.count);
        CPU.message("none " + (none == null));
        CPU.message("statics " + counter + " " + flag + " " + Settings.total + " " + Settings.label);
        CPU.message("end"); // stop
    }
}
