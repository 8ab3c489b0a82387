abstract class Shape {
    int x;
    int y;
    long id;

    Shape(int x, int y) {
        this.x = x;
        this.y = y;
    }

    abstract int area();

    String describe() {
        return "shape at " + x + "," + y;
    }
}

class Square extends Shape {
    int side;

    Square(int x, int y, int side) {
        super(x, y);
        this.side = side;
    }

    int area() {
        return side * side;
    }
}

class Box extends Square {
    int depth;

    Box(int side, int depth) {
        super(0, 0, side);
        this.depth = depth;
    }

    int area() {
        return super.area() * depth;
    }

    String describe() {
        return "box " + depth;
    }
}

public class Shapes {
    public static void main() {
        Shape[] shapes = {new Square(1, 2, 3), new Box(2, 5)};
        for (int i = 0; i < shapes.length; i++) {
            System.out.println(shapes[i].describe() + " " + shapes[i].area());
            if (shapes[i] instanceof Box) {
                Box box = (Box) shapes[i];
                box.depth = box.side + box.x;
            }
        }
    }
}
