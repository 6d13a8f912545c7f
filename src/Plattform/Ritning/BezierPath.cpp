#include "Plattform/Ritning/BezierPath.h"

#include <algorithm>

BezierPath BezierPath::rect(const Rect& r) {
    BezierPath p;
    p.appendRect(r);
    return p;
}

BezierPath BezierPath::roundedRect(const Rect& r, double xRadius, double yRadius) {
    double rx = std::clamp(xRadius, 0.0, std::abs(r.width) / 2);
    double ry = std::clamp(yRadius, 0.0, std::abs(r.height) / 2);
    if (rx == 0 || ry == 0) return rect(r);
    // Quarter ellipses as cubic curves; k places the control points.
    const double k = 0.5522847498307936;
    double x0 = r.minX(), x1 = r.maxX(), y0 = r.minY(), y1 = r.maxY();
    BezierPath p;
    p.moveTo({x0 + rx, y0});
    p.lineTo({x1 - rx, y0});
    p.curveTo({x1, y0 + ry}, {x1 - rx + k * rx, y0}, {x1, y0 + ry - k * ry});
    p.lineTo({x1, y1 - ry});
    p.curveTo({x1 - rx, y1}, {x1, y1 - ry + k * ry}, {x1 - rx + k * rx, y1});
    p.lineTo({x0 + rx, y1});
    p.curveTo({x0, y1 - ry}, {x0 + rx - k * rx, y1}, {x0, y1 - ry + k * ry});
    p.lineTo({x0, y0 + ry});
    p.curveTo({x0 + rx, y0}, {x0, y0 + ry - k * ry}, {x0 + rx - k * rx, y0});
    p.close();
    return p;
}

void BezierPath::moveTo(Point p) { elements_.push_back({Element::Kind::moveTo, p, {}, {}}); }
void BezierPath::lineTo(Point p) { elements_.push_back({Element::Kind::lineTo, p, {}, {}}); }
void BezierPath::curveTo(Point end, Point control1, Point control2) {
    elements_.push_back({Element::Kind::curveTo, end, control1, control2});
}
void BezierPath::close() { elements_.push_back({Element::Kind::close, {}, {}, {}}); }

void BezierPath::appendRect(const Rect& r) {
    moveTo({r.x, r.y});
    lineTo({r.x + r.width, r.y});
    lineTo({r.x + r.width, r.y + r.height});
    lineTo({r.x, r.y + r.height});
    close();
}

void BezierPath::transform(const AffineTransform& t) {
    for (Element& e : elements_) {
        e.point = t.apply(e.point);
        e.control1 = t.apply(e.control1);
        e.control2 = t.apply(e.control2);
    }
}

Rect BezierPath::bounds() const {
    bool any = false;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    auto take = [&](Point p) {
        if (!any) {
            x0 = x1 = p.x;
            y0 = y1 = p.y;
            any = true;
            return;
        }
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    };
    for (const Element& e : elements_) {
        if (e.kind == Element::Kind::close) continue;
        take(e.point);
        if (e.kind == Element::Kind::curveTo) take(e.control1), take(e.control2);
    }
    return {x0, y0, x1 - x0, y1 - y0};
}
