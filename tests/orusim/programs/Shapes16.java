// Objects, inheritance, virtual calls, super calls, instanceof.
abstract class Shape {
    String name;

    Shape(String name) {
        this.name = name;
    }

    abstract int area();

    String describe() {
        return name + " with area " + area();
    }

    public String toString() {
        return "Shape " + name;
    }
}

class Rect extends Shape {
    int w;
    int h;

    Rect(int w, int h) {
        this("rect", w, h);
    }

    Rect(String name, int w, int h) {
        super(name);
        this.w = w;
        this.h = h;
    }

    int area() {
        return w * h;
    }
}

class Square extends Rect {
    Square(int side) {
        super("square", side, side);
    }

    String describe() {
        return "a " + super.describe();
    }
}

class Circle extends Shape {
    int r;

    Circle(int r) {
        super("circle");
        this.r = r;
    }

    int area() {
        return 314 * r * r / 100;
    }

    public String toString() {
        return "round " + r;
    }
}

public class Shapes16 {
    static void main() {
        Shape[] shapes = {new Rect(3, 4), new Square(5), new Circle(6)};
        int total = 0;
        for (int i = 0; i < shapes.length; i++) {
            System.out.println(shapes[i].describe());
            total += shapes[i].area();
        }
        System.out.println("total " + total);
        for (int i = 0; i < shapes.length; i++) {
            Shape s = shapes[i];
            System.out.println(s + " rect:" + (s instanceof Rect) + " square:" + (s instanceof Square)
                    + " circle:" + (s instanceof Circle) + " shape:" + (s instanceof Shape));
        }
        Object o = shapes[1];
        Rect r = (Rect) o;
        System.out.println(r.w + r.h);
        Object plain = new Object();
        System.out.println(plain.equals(plain) + " " + plain.equals(o) + " " + (plain instanceof Shape));
    }
}
