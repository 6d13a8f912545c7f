#pragma once
// Page geometry in points, as the drawing layer, the layout and stored
// templates use it. Page space has its origin at the top left, y downward,
// except where a caller converts from a stored bottom-up frame itself.
#include <algorithm>
#include <cmath>

struct Point {
    double x = 0;
    double y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    double width = 0;
    double height = 0;

    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;

    double minX() const { return std::min(x, x + width); }
    double maxX() const { return std::max(x, x + width); }
    double minY() const { return std::min(y, y + height); }
    double maxY() const { return std::max(y, y + height); }
    double midX() const { return x + width / 2; }
    double midY() const { return y + height / 2; }
    Point origin() const { return {x, y}; }
    Size size() const { return {width, height}; }

    bool isFinite() const {
        return std::isfinite(x) && std::isfinite(y) && std::isfinite(width) && std::isfinite(height);
    }
    bool isEmpty() const { return width == 0 || height == 0; }

    Rect offsetBy(double dx, double dy) const { return {x + dx, y + dy, width, height}; }

    // The smallest rectangle of whole points that holds this one: minimum
    // edges down, maximum edges up.
    Rect integral() const {
        double x0 = std::floor(minX()), y0 = std::floor(minY());
        return {x0, y0, std::ceil(maxX()) - x0, std::ceil(maxY()) - y0};
    }

    // The smallest rectangle that holds both.
    Rect united(const Rect& o) const {
        const double x0 = std::min(minX(), o.minX()), y0 = std::min(minY(), o.minY());
        return {x0, y0, std::max(maxX(), o.maxX()) - x0, std::max(maxY(), o.maxY()) - y0};
    }

    // Whether the two share an area of positive size.
    bool intersects(const Rect& o) const {
        return minX() < o.maxX() && o.minX() < maxX() && minY() < o.maxY() && o.minY() < maxY();
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

// An affine map (x', y') = (a x + c y + tx, b x + d y + ty). The builders
// put the new step before the existing map, as the drawing library's
// matrix calls do: `t.translated(10, 0).rotated(r)` rotates a point first,
// then moves it by 10 along t's own axes, then applies t.
struct AffineTransform {
    double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

    static AffineTransform identity() { return {}; }
    static AffineTransform translation(double dx, double dy) { return {1, 0, 0, 1, dx, dy}; }
    static AffineTransform rotation(double radians) {
        double s = std::sin(radians), co = std::cos(radians);
        return {co, s, -s, co, 0, 0};
    }
    static AffineTransform scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }

    // first, then this.
    AffineTransform concatenating(const AffineTransform& first) const {
        return {first.a * a + first.b * c,   first.a * b + first.b * d,
                first.c * a + first.d * c,   first.c * b + first.d * d,
                first.tx * a + first.ty * c + tx, first.tx * b + first.ty * d + ty};
    }
    AffineTransform translated(double dx, double dy) const { return concatenating(translation(dx, dy)); }
    AffineTransform rotated(double radians) const { return concatenating(rotation(radians)); }
    AffineTransform scaled(double sx, double sy) const { return concatenating(scale(sx, sy)); }

    Point apply(Point p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }

    bool isFinite() const {
        return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d) &&
               std::isfinite(tx) && std::isfinite(ty);
    }
    bool isInvertible() const {
        double det = a * d - b * c;
        return isFinite() && std::isfinite(det) && det != 0;
    }

    friend bool operator==(const AffineTransform&, const AffineTransform&) = default;
};
