import java.io.FileOutputStream;
import java.io.PrintStream;
import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;

// Runs a program's main() on the host with its terminal text in a file; an
// uncaught exception's class name goes to a second file.
public class HostMain {
    public static void main(String[] args) throws Exception {
        PrintStream text = new PrintStream(new FileOutputStream(args[1]), true);
        System.setOut(text);
        Method main = Class.forName(args[0]).getDeclaredMethod("main");
        main.setAccessible(true);
        try {
            main.invoke(null);
        } catch (InvocationTargetException e) {
            PrintStream uncaught = new PrintStream(new FileOutputStream(args[2]), true);
            uncaught.print(e.getCause().getClass().getName());
            uncaught.close();
        }
        text.close();
    }
}
