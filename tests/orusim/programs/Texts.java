// Strings: literals, concatenation, characters, comparison.
public class Texts {
    static String shout(String s) {
        StringBuffer b = new StringBuffer();
        for (int i = 0; i < s.length(); i++) {
            char c = s.charAt(i);
            if (c >= 'a' && c <= 'z') {
                c = (char) (c - 32);
            }
            b.append(c);
        }
        return b.toString();
    }

    static void main() {
        String name = "world";
        System.out.println("Hello, " + name + "!");
        System.out.println(shout("quiet words"));
        System.out.println("length " + name.length() + " first " + name.charAt(0));
        System.out.println("equal " + name.equals("world") + " " + name.equals("word") + " " + name.equals(null));
        String built = "wor" + "ld";
        System.out.println(built == name);
        System.out.println("" + true + false + 'x' + 12 + -7);
        char[] letters = {'a', 'b', 'c'};
        System.out.println(new String(letters, 1, 2));
        Object nothing = null;
        System.out.println("null text: " + nothing);
        System.out.print('!');
        System.out.println();
    }
}
