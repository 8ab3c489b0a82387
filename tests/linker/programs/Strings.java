public class Strings {
    public static void main() {
        String name = "world";
        String greeting = "Hello, " + name + "!";
        System.out.println(greeting);
        System.out.println("count: " + 3 + ' ' + true);
        System.out.println("Hello, ");
    }
}
