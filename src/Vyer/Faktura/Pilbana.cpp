#include "Vyer/Faktura/Pilbana.h"

BezierPath pilbana(const Rect& i, Pilriktning riktning) {
    // Drawn once in a design space 460 units high (y upward), body from
    // x 49.5 to k and y 53.5 to 531.5, the tab rising above 531.5; then
    // scaled so that the body is exactly the rectangle's width.
    const double s = i.height / 460;
    const double k = i.width / s + 49.5;

    BezierPath p;
    p.moveTo({231.5, 531.5});
    p.curveTo({350.5, 671.5}, {293.33, 532.64}, {293.74, 568.55});
    p.curveTo({451.5, 671.5}, {407.26, 774.45}, {391.23, 785.92});
    p.curveTo({572.5, 531.5}, {511.77, 557.08}, {512.11, 531.3});
    p.lineTo({k - 46, 531.5});
    p.curveTo({k, 489.5}, {k - 3.66, 531.5}, {k, 518.13});
    p.lineTo({k, 95.5});
    p.curveTo({k - 46, 53.5}, {k, 48.87}, {k - 3.66, 53.5});
    p.lineTo({95.5, 53.5});
    p.curveTo({49.5, 95.5}, {53.16, 53.41}, {49.87, 66.87});
    p.lineTo({49.5, 489.5});
    p.curveTo({95.5, 531.5}, {49.87, 518.13}, {53.16, 531.59});
    p.close();

    // Pointing up, the design is turned over so that the tab leads; either
    // way the body's far edge lands on the rectangle's edge.
    const AffineTransform t =
        riktning == Pilriktning::uppåt
            ? AffineTransform::translation(i.x, i.y).scaled(s, -s).translated(-49.5, -513.5)
            : AffineTransform::translation(i.x, i.y).scaled(s, s).translated(-49.5, -53.5);
    p.transform(t);
    return p;
}
