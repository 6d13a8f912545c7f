"""Outlines as lists of contours, and what the letters are made with:
moving, measuring, cutting and joining them."""

import math

from booleanOperations.booleanGlyph import BooleanGlyph
from fontTools.misc.transform import Transform
from fontTools.pens.basePen import BasePen
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.recordingPen import DecomposingRecordingPen, RecordingPen
from fontTools.pens.reverseContourPen import ReverseContourPen
from fontTools.pens.transformPen import TransformPen

# Curves are flattened into this many pieces where an outline is measured.
_PIECES = 16


class Outline:
    """Closed contours, each a list of (operator, points) as a segment pen
    records them."""

    def __init__(self, contours=()):
        self.contours = [list(c) for c in contours]

    @staticmethod
    def of_glyph(glyph_set, name):
        pen = DecomposingRecordingPen(glyph_set)
        glyph_set[name].draw(pen)
        return Outline.recorded(pen.value)

    @staticmethod
    def recorded(operations):
        contours, current = [], []
        for op, args in operations:
            current.append((op, tuple(args)))
            if op in ("closePath", "endPath"):
                contours.append(current)
                current = []
        if current:
            contours.append(current + [("closePath", ())])
        return Outline(contours)

    def draw(self, pen):
        for contour in self.contours:
            for op, args in contour:
                getattr(pen, op)(*args)

    def __add__(self, other):
        return Outline(self.contours + other.contours)

    def __bool__(self):
        return bool(self.contours)

    def transformed(self, transform):
        pen = RecordingPen()
        self.draw(TransformPen(pen, transform))
        return Outline.recorded(pen.value)

    def moved(self, dx, dy):
        return self.transformed(Transform().translate(dx, dy))

    def scaled(self, sx, sy=None, about=(0, 0)):
        sy = sx if sy is None else sy
        x, y = about
        return self.transformed(Transform().translate(x, y).scale(sx, sy).translate(-x, -y))

    def reversed(self):
        """The outline with every contour running the other way."""
        pen = RecordingPen()
        self.draw(ReverseContourPen(pen))
        return Outline.recorded(pen.value)

    def with_points(self, move):
        """The outline with every point p replaced by move(p)."""
        return Outline([[(op, tuple(move(p) for p in args)) for op, args in c] for c in self.contours])

    def bounds(self):
        pen = BoundsPen(None)
        self.draw(pen)
        return pen.bounds  # (xMin, yMin, xMax, yMax), or None

    def contour_bounds(self, i):
        return Outline([self.contours[i]]).bounds()

    def only(self, keep):
        """The contours whose bounds keep(bounds) holds for."""
        return Outline([c for i, c in enumerate(self.contours) if keep(self.contour_bounds(i))])

    def polygons(self):
        """Each contour as a closed polygon, curves flattened."""
        out = []
        for contour in self.contours:
            poly, start, here = [], None, None
            for op, args in contour:
                if op == "moveTo":
                    here = start = args[0]
                    poly.append(here)
                elif op == "lineTo":
                    here = args[0]
                    poly.append(here)
                elif op == "curveTo":
                    for points in _cubic_pieces(here, args):
                        poly.append(points)
                    here = args[-1]
                elif op == "qCurveTo":
                    for points in _quadratic_pieces(here, args):
                        poly.append(points)
                    here = args[-1] if args[-1] is not None else start
            out.append(poly)
        return out

    def spans_at(self, y):
        """The runs along the horizontal line at y that the outline fills
        (non-zero winding), from left to right."""
        crossings = []
        for poly in self.polygons():
            for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
                if (y0 <= y < y1) or (y1 <= y < y0):
                    x = x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                    crossings.append((x, 1 if y1 > y0 else -1))
        crossings.sort()
        spans, winding, start = [], 0, None
        for x, direction in crossings:
            before = winding
            winding += direction
            if before == 0 and winding != 0:
                start = x
            elif before != 0 and winding == 0:
                spans.append((start, x))
        return spans

    def area(self):
        """Signed area: positive where contours run counter-clockwise."""
        total = 0.0
        for poly in self.polygons():
            for (x0, y0), (x1, y1) in zip(poly, poly[1:] + poly[:1]):
                total += x0 * y1 - x1 * y0
        return total / 2

    def union(self, *others):
        glyph = _boolean(self)
        for other in others:
            glyph = glyph.union(_boolean(other))
        return _from_boolean(glyph)

    def minus(self, other):
        return _from_boolean(_boolean(self).difference(_boolean(other)))

    def clipped_to(self, other):
        return _from_boolean(_boolean(self).intersection(_boolean(other)))


def rectangle(x0, y0, x1, y1, slant=0.0, counter_clockwise=True):
    """A rectangle, its upright sides leaning by slant (x per unit of y)."""
    points = [(x0 + slant * y0, y0), (x1 + slant * y0, y0), (x1 + slant * y1, y1), (x0 + slant * y1, y1)]
    if not counter_clockwise:
        points.reverse()
    contour = [("moveTo", (points[0],))] + [("lineTo", (p,)) for p in points[1:]] + [("closePath", ())]
    return Outline([contour])


class _CubicPen(BasePen):
    """Passes an outline on with its quadratic curves made cubic, which the
    joining of shapes needs."""

    def __init__(self, other):
        super().__init__(None)
        self.other = other

    def _moveTo(self, p):
        self.other.moveTo(p)

    def _lineTo(self, p):
        self.other.lineTo(p)

    def _curveToOne(self, p1, p2, p3):
        self.other.curveTo(p1, p2, p3)

    def _closePath(self):
        self.other.closePath()


def _boolean(outline):
    glyph = BooleanGlyph()
    outline.draw(_CubicPen(glyph.getPen()))
    return glyph


def _from_boolean(glyph):
    pen = RecordingPen()
    glyph.draw(pen)
    return Outline.recorded(pen.value)


def _cubic_pieces(p0, args):
    p1, p2, p3 = args
    for i in range(1, _PIECES + 1):
        t = i / _PIECES
        s = 1 - t
        yield (s**3 * p0[0] + 3 * s * s * t * p1[0] + 3 * s * t * t * p2[0] + t**3 * p3[0],
               s**3 * p0[1] + 3 * s * s * t * p1[1] + 3 * s * t * t * p2[1] + t**3 * p3[1])


def _quadratic_pieces(p0, args):
    # A run of off-curve points has an implied on-curve point between each two.
    offs, end = list(args[:-1]), args[-1]
    here = p0
    for i, off in enumerate(offs):
        to = end if i == len(offs) - 1 else ((off[0] + offs[i + 1][0]) / 2, (off[1] + offs[i + 1][1]) / 2)
        for k in range(1, _PIECES + 1):
            t = k / _PIECES
            s = 1 - t
            yield (s * s * here[0] + 2 * s * t * off[0] + t * t * to[0],
                   s * s * here[1] + 2 * s * t * off[1] + t * t * to[1])
        here = to
    if not offs:
        yield end


def slant_of(italic_angle):
    """x per unit of y of a face leaning by italic_angle degrees (negative: to the right)."""
    return math.tan(math.radians(-italic_angle))
