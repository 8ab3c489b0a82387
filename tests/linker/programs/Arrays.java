public class Arrays {
    public static void main() {
        int[] numbers = new int[10];
        byte[] bytes = new byte[4];
        boolean[] flags = new boolean[2];
        char[] letters = {'a', 'b'};
        short[] shorts = new short[3];
        Object[] things = new Object[2];
        for (int i = 0; i < numbers.length; i++) {
            numbers[i] = i * i;
        }
        bytes[1] = (byte) numbers[3];
        flags[0] = bytes[1] > 2;
        shorts[2] = (short) letters[1];
        things[1] = letters;
        int sum = 0;
        for (int i = 0; i < numbers.length; i++) {
            sum += numbers[i];
        }
        System.out.println(sum + shorts[2] + (flags[0] ? 1 : 0) + (things[1] != null ? 1 : 0));
    }
}
