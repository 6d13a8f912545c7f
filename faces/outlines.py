"""Outlines as lists of contours, and what the letters are made with:
moving, measuring, cutting and joining them."""

import math

from booleanOperations.booleanGlyph import BooleanGlyph
from fontTools.misc.bezierTools import calcCubicParameters, calcQuadraticParameters, solveCubic, solveQuadratic
from fontTools.misc.transform import Transform
from fontTools.pens.areaPen import AreaPen
from fontTools.pens.basePen import BasePen
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.recordingPen import DecomposingRecordingPen, RecordingPen
from fontTools.pens.reverseContourPen import ReverseContourPen
from fontTools.pens.transformPen import TransformPen

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

    def spans_at(self, y):
        """The runs along the horizontal line at y that the outline fills
        (non-zero winding), from left to right."""
        pen = _CrossingPen(y)
        self.draw(pen)
        spans, winding, start = [], 0, None
        for x, direction in sorted(pen.crossings):
            before = winding
            winding += direction
            if before == 0 and winding != 0:
                start = x
            elif before != 0 and winding == 0:
                spans.append((start, x))
        return spans

    def runs_at(self, x):
        """The runs along the vertical line at x that the outline fills,
        from the bottom up."""
        return self.transformed(Transform(0, 1, 1, 0, 0, 0)).spans_at(x)

    def fills_like(self, other, step, low=None, high=None):
        """Whether the outline fills the same runs as the other, within a
        unit, at every step up the other's height, or from low to high."""
        _, y0, _, y1 = other.bounds()
        low, high = y0 if low is None else low, y1 if high is None else high
        for i in range(int((high - low) / step)):
            y = low + (i + 0.5) * step
            a, b = self.spans_at(y), other.spans_at(y)
            if len(a) != len(b) or any(abs(p - q) > 1 for s, t in zip(a, b) for p, q in zip(s, t)):
                return False
        return True

    def turned(self, counter_clockwise):
        """The outline, its contours turned counter-clockwise around ink or not."""
        return self.reversed() if (self.area() > 0) != counter_clockwise else self

    def area(self):
        """Signed area: positive where contours run counter-clockwise."""
        pen = AreaPen()
        self.draw(pen)
        return pen.value

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


class _CrossingPen(BasePen):
    """Where an outline crosses the horizontal line at y, and whether it
    runs up (1) or down (-1) there. A point on the line counts as below
    it, so a contour through a point on the line crosses there once."""

    def __init__(self, y):
        super().__init__(None)
        self.y, self.crossings, self.start = y, [], None

    def _moveTo(self, p):
        self.start = p

    def _lineTo(self, p):
        (x0, y0), (x1, y1) = self._getCurrentPoint(), p
        if y0 <= self.y < y1 or y1 <= self.y < y0:
            self.crossings.append((x0 + (self.y - y0) * (x1 - x0) / (y1 - y0), 1 if y1 > y0 else -1))

    def _curveToOne(self, p1, p2, p3):
        (ax, ay), (bx, by), (cx, cy), (dx, dy) = calcCubicParameters(self._getCurrentPoint(), p1, p2, p3)
        self._cross(solveCubic(ay, by, cy, dy - self.y), p3, lambda t: ((ax * t + bx) * t + cx) * t + dx,
                    lambda t: ((ay * t + by) * t + cy) * t + dy)

    def _qCurveToOne(self, p1, p2):
        (ax, ay), (bx, by), (cx, cy) = calcQuadraticParameters(self._getCurrentPoint(), p1, p2)
        self._cross(solveQuadratic(ay, by, cy - self.y), p2, lambda t: (ax * t + bx) * t + cx,
                    lambda t: (ay * t + by) * t + cy)

    def _cross(self, roots, end, x_at, y_at):
        """The crossings at the curve's roots: where it is below the line
        just before and above just after, or the other way round; an end
        on the line is below it, as a line's is. A root found twice is one."""
        start = self._getCurrentPoint()
        if start[1] == self.y:
            roots = list(roots) + [0.0]
        if end[1] == self.y:
            roots = list(roots) + [1.0]
        seen = []
        for t in sorted(min(max(t, 0.0), 1.0) for t in roots if -1e-9 <= t <= 1 + 1e-9):
            if seen and t - seen[-1] < 1e-7:
                continue
            seen.append(t)
            before = start[1] > self.y if t < 1e-4 else y_at(t - 1e-4) > self.y
            after = end[1] > self.y if t > 1 - 1e-4 else y_at(t + 1e-4) > self.y
            if before != after:
                self.crossings.append((x_at(t), 1 if after else -1))

    def _closePath(self):
        if self.start is not None and self._getCurrentPoint() != self.start:
            self._lineTo(self.start)

    _endPath = _closePath


def _boolean(outline):
    glyph = BooleanGlyph()
    outline.draw(_CubicPen(glyph.getPen()))
    return glyph


def _from_boolean(glyph):
    pen = RecordingPen()
    glyph.draw(pen)
    return Outline.recorded(pen.value)


def slant_of(italic_angle):
    """x per unit of y of a face leaning by italic_angle degrees (negative: to the right)."""
    return math.tan(math.radians(-italic_angle))


def columns(mark, letter, step):
    """(the mark's runs, the letter's runs) up each column where both
    have ink, across the mark."""
    x0, _, x1, _ = mark.bounds()
    for i in range(int((x1 - x0) / step) + 1):
        above, under = mark.runs_at(x0 + i * step), letter.runs_at(x0 + i * step)
        if above and under:
            yield above, under


def least_gap(mark, letter, step):
    """The least gap between the mark and the letter's ink under it, down
    the columns they share; None where they share none."""
    bottom = mark.bounds()[1]
    gaps = []
    for above, under in columns(mark, letter, step):
        under = [r for r in under if r[1] <= bottom + 1]
        if under:
            gaps.append(above[0][0] - under[-1][1])
    return min(gaps, default=None)
