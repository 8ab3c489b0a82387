public interface Runner {
    void go();
}
