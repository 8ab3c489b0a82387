// A counter that remembers its total: used by Stepping.
public class Counter {
    private int total;

    public void add(int amount) {
        total = total + amount;
    }

    public int getTotal() {
        return total;
    }
}
