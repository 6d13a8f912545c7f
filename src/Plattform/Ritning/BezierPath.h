#pragma once
// A vector path of lines and cubic curves with its stroke settings. Filled
// by the non-zero winding rule; joins miter, caps butt.
#include "Plattform/Geometry.h"

#include <optional>
#include <vector>

class BezierPath {
public:
    struct Element {
        enum class Kind { moveTo, lineTo, curveTo, close };
        Kind kind = Kind::moveTo;
        Point point;           // end point (unused by close)
        Point control1, control2;  // curveTo only

        friend bool operator==(const Element&, const Element&) = default;
    };

    BezierPath() = default;
    static BezierPath rect(const Rect& r);
    // Corner radii are clamped to half the width and half the height.
    static BezierPath roundedRect(const Rect& r, double xRadius, double yRadius);

    void moveTo(Point p);
    void lineTo(Point p);
    void curveTo(Point end, Point control1, Point control2);
    void close();
    void appendRect(const Rect& r);

    // Bakes the map into the stored points.
    void transform(const AffineTransform& t);

    // The smallest rectangle holding every point, control points included;
    // a zero rectangle for an empty path.
    Rect bounds() const;
    bool isEmpty() const { return elements_.empty(); }
    const std::vector<Element>& elements() const { return elements_; }

    double lineWidth = 1;
    std::vector<double> dashPattern;  // empty: solid
    double dashPhase = 0;

    friend bool operator==(const BezierPath&, const BezierPath&) = default;

private:
    std::vector<Element> elements_;
};
