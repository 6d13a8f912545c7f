"""Each letter a face lacks, made from its own letters and accents and
placed by its own measures."""

import math

from letters import BELOW, Accented, Made
from measures import FINE_STEP, STEP
from outlines import Outline, columns, least_gap, rectangle

# The comma below and the turned comma above are the face's comma, this much
# smaller; the apostrophe beside a letter's stem, its right quote so much.
COMMA_SCALE = 0.8
APOSTROPHE_SCALE = 0.85
# How deep a joined mark reaches into its letter, in ems.
_JOIN = 0.015
# The least a mark is made smaller to keep within the face's heights: less,
# its strokes would stand out thinner than the face's own accents'.
_LEAST_SCALE = 0.9
# A double acute's strokes nearer than this, in ems, print as one at 9 pt
# (1.24 px at 300 dpi: a pixel clear between them and a little over); the
# native faces keep theirs 0.034 em apart and more. Two acutes stand apart
# as the native faces' strokes do.
_STROKES_MEET = 0.033
_STROKES_APART = 0.05
# A double acute's stroke lighter than this share of the acute of its case,
# or taller or flatter than it by more than a tenth, reads beside the face's
# ó and Ó as another mark (the native faces' carry 0.78 to 1.06 of theirs).
_STROKE_INK = 0.75
_STROKE_HEIGHT = 0.1


class Builder:
    def __init__(self, face):
        self.face = face
        self.em = face.upm
        self.bars = {}  # base letter -> (bottom, top) of the bar made across it
        self._letter_rows = {}  # (letter, bottom, top) -> its rows there

    def make(self, char, how):
        """The letter's outline and advance, or None where its parts are missing."""
        if isinstance(how, Accented):
            if not self.face.has(how.base):
                return None
            if how.accent == "apostrophe":
                return self._beside_stem(how.base)
            if how.accent in BELOW:
                return self._below(how.base, how.accent)
            return self._above(how.base, how.accent)
        return getattr(self, "_" + how.rule)(*how.chars)

    # --- accents

    def _above(self, base, accent):
        face = self.face
        base = face.dotless(base)
        letter = face.outline(base)
        top = letter.bounds()[3]
        capital = chr(base).isupper()
        tall = not capital and top > face.x_height + 0.5 * (face.cap_height - face.x_height)
        if accent == "turnedcomma":
            mark = self._comma(0x2018)
            bottom = face.accent_bottom("acute", False)
        elif capital or tall:
            mark = self._accent(accent, True)
            bottom = face.accent_bottom(accent, True)
            if tall:  # over an ascender, as high above it as over a capital
                bottom += top - face.cap_height
        else:
            mark = self._accent(accent, False)
            bottom = face.accent_bottom(accent, False)
        if mark is None:
            return None
        mark = self._within_reach(mark, bottom, top)
        x0, y0, x1, y1 = mark.bounds()
        middle = (y0 + y1) / 2
        centre = (x0 + x1) / 2
        if accent == "turnedcomma":  # its head, at the bottom, stands over the letter
            spans = mark.spans_at(y0 + 0.25 * (y1 - y0))
            centre = (spans[0][0] + spans[-1][1]) / 2 + face.slant * ((y1 - y0) / 2 - 0.25 * (y1 - y0))
        mark = mark.moved(face.axis(base, middle) - centre, 0)
        # Where it stands where the face sets it, as far from its letter as
        # the face's own letters leave under it; over an ascender, brought
        # nearer, no nearer than the least gap.
        own = None if tall or accent == "turnedcomma" else face.least_gap_under(accent, capital)
        return letter + self._clear_of(letter, mark, max(self._least_gap(), own or 0)), face.advance(base)

    def _accent(self, accent, capital):
        """The face's own accent, over a capital its capital form; a double
        acute whose strokes meet, or are not the acute of that case, two of
        its acutes side by side."""
        face = self.face
        mark = face.capital_accent(accent) if capital else face.small_accent(accent)
        if accent == "doubleacute":
            acute = face.capital_accent("acute") if capital else face.small_accent("acute")
            if acute and (mark is None or self._strokes_meet(mark) or not _strokes_like(mark, acute)):
                rows = self._rows(acute)
                mark = acute + acute.moved(_least_offset(rows, rows, _STROKES_APART * self.em), 0)
        return mark

    def _strokes_meet(self, mark):
        """Whether the mark's left and right strokes come nearer than print
        keeps apart, or are one."""
        left, right = _strokes(mark)
        if not left or not right:
            return True
        return _least_offset(self._rows(left), self._rows(right), _STROKES_MEET * self.em) > 0

    def _rows(self, outline, low=None, high=None):
        """(y, left, right) of the outline's ink every step up, between low and high."""
        _, y0, _, y1 = outline.bounds()
        low, high = max(y0, low if low is not None else y0), min(y1, high if high is not None else y1)
        step = STEP * self.em
        rows = []
        for i in range(int((high - low) / step) + 1):
            y = low + (i + 0.5) * step
            spans = outline.spans_at(y)
            if spans:
                rows.append((y, spans[0][0], spans[-1][1]))
        return rows

    def _least_gap(self):
        """The least gap between a letter and a mark over it: half the one
        the face leaves over its capitals."""
        return 0.5 * (self.face.accent_bottom("acute", True) - self.face.cap_height)

    def _clear_of(self, letter, mark, least):
        """The mark over the letter, risen where a part of the letter under
        it (a beak, an ear, a round top) comes nearer than `least`."""
        gap = least_gap(mark, letter, FINE_STEP * self.em)
        rise = least - (least if gap is None else gap)
        return self._fitted(mark.moved(0, rise), mark.bounds()[1] + rise) if rise > 0 else mark

    def _fitted(self, mark, lowest):
        """The mark reaching no higher than the face lets made letters reach:
        brought down, as far as its bottom at `lowest`, then made smaller
        evenly about its bottom, to no less than the least scale (flatter or
        smaller, its strokes would be thinner than the face's accents'), and
        what it is still too high, down."""
        x0, y0, x1, y1 = mark.bounds()
        ceiling = self.face.mark_ceiling
        if y1 <= ceiling:
            return mark
        drop = min(y1 - ceiling, max(y0 - lowest, 0))
        y0, y1 = y0 - drop, y1 - drop
        mark = mark.moved(0, -drop)
        if y1 <= ceiling:
            return mark
        scale = max(_LEAST_SCALE, (ceiling - y0) / (y1 - y0))
        mark = mark.scaled(scale, scale, about=((x0 + x1) / 2, y0))
        return mark.moved(0, min(0, ceiling - mark.bounds()[3]))

    def _within_reach(self, mark, bottom, letter_top):
        """The mark standing at `bottom`, within the face's heights: lowered
        towards the letter no nearer than the least gap, then smaller."""
        return self._fitted(mark.moved(0, bottom - mark.bounds()[1]), letter_top + self._least_gap())

    def _below(self, base, accent):
        face = self.face
        if accent == "ogonek":
            return self._ogonek(base)
        if accent == "comma" and face.comma_below:
            mark = face.comma_below
        elif accent == "comma":  # the comma, its top a little below the baseline
            mark = self._comma(0x2C)
            if mark:
                mark = mark.moved(0, -(face.overshoot + 0.04 * self.em) - mark.bounds()[3])
        else:
            mark = face.spacing(accent)
        if mark is None:
            return None
        letter = face.outline(base)
        x0, y0, x1, y1 = mark.bounds()
        # The mark's head: its part nearest the letter.
        neck = y1 - 0.05 * self.em
        spans = mark.spans_at(neck)
        head = (spans[0][0] + spans[-1][1]) / 2
        # Under t a comma hangs from the stem, not from the hook beside it;
        # a cedilla, which joins it, from what it stands on.
        x, at = face.foot(base, face.x_height * 0.3 if chr(base) == "t" and accent == "comma" else None)
        x += face.slant * (neck - at)
        mark = mark.moved(x - head, 0)
        if accent == "cedilla" and face.cedilla_joins:  # as the face's ç has it
            mark = mark.moved(0, self._lift_to_join(letter, mark))
        return letter + mark, face.advance(base)

    def _ogonek(self, base):
        """The ogonek hangs from the right of what the letter stands on."""
        face = self.face
        letter = face.outline(base)
        mark = face.spacing("ogonek")
        if mark is None:
            return None
        x0, y0, x1, y1 = mark.bounds()
        at = 0.03 * self.em
        right = letter.spans_at(at)[-1][1]
        join = y1 - 0.03 * self.em
        hook = mark.spans_at(join)[-1][1]
        # It reaches a little into the letter, where the two join.
        lift = face.overshoot / 2 - y1
        dx = right - hook - 0.02 * self.em + face.slant * (at - join - lift)
        mark = mark.moved(dx, lift)
        return letter + mark.moved(0, self._lift_to_join(letter, mark)), face.advance(base)

    def _lift_to_join(self, letter, mark):
        """How far the mark under the letter must rise for its top to reach
        into the letter's foot, over a width of half a stem: an italic
        ogonek's head stands right of where the foot curves up."""
        needed = sorted(under[0][0] + _JOIN * self.em - above[-1][1] for above, under in columns(mark, letter, STEP * self.em))
        wide = int(0.5 * self.face.stem / (STEP * self.em))
        return max(0, needed[wide]) if len(needed) > wide else 0

    def _comma(self, char):
        mark = self.face.outline(char)
        if mark is None:
            return None
        return mark.scaled(COMMA_SCALE)

    def _beside_stem(self, base):
        """The caron of ď ť ľ Ľ: an apostrophe right of the stem's top."""
        face = self.face
        letter = face.outline(base)
        quote = face.outline(0x2019)
        if quote is None:
            return None
        mark = quote.scaled(APOSTROPHE_SCALE)
        x0, y0, x1, y1 = mark.bounds()
        top = letter.bounds()[3]
        if chr(base) == "L":
            top = face.cap_height
        at = top - 0.1 * self.em
        stem_right = letter.spans_at(at)[-1][1]
        if chr(base) == "t":  # clear of the crossbar
            top = max(top, face.x_height + face.overshoot + 0.05 * self.em + (y1 - y0))
        dy = top - y1
        gap = 0.4 * face.stem
        dx = stem_right + gap - x0 + face.slant * (y0 + dy - at)
        mark = mark.moved(dx, dy)
        mark = mark.moved(self._clearance(letter, mark, gap), 0)
        quote_after = face.advance(0x2019) - quote.bounds()[2]
        letter_after = face.advance(base) - letter.bounds()[2]
        after = min(quote_after * APOSTROPHE_SCALE, letter_after)
        return letter + mark, max(face.advance(base), mark.bounds()[2] + after)

    def _clearance(self, letter, mark, gap):
        """How far the mark must move right to stand the gap clear of the
        letter at every height it takes, the letter's serif included."""
        _, y0, _, y1 = mark.bounds()
        shift = 0
        for i in range(21):
            y = y0 + (y1 - y0) * i / 20
            ink, own = letter.spans_at(y), mark.spans_at(y)
            if ink and own:
                shift = max(shift, ink[-1][1] + gap - own[0][0])
        return shift

    # --- letters of their own

    def _copy(self, other):
        if not self.face.has(other):
            return None
        return self.face.outline(other), self.face.advance(other)

    def _pair(self, first, second):
        face = self.face
        if not (face.has(first) and face.has(second)):
            return None
        width = face.advance(first)
        return face.outline(first) + face.outline(second).moved(width, 0), width + face.advance(second)

    def _middledot(self, base):
        face = self.face
        letter, dot = face.outline(base), face.outline(0xB7)
        if dot is None:
            return None
        if chr(base) == "l":  # after the l
            return self._pair(base, 0xB7)
        # Inside the L, right of its stem, halfway up.
        stem_right = letter.spans_at(face.cap_height / 2)[0][1]
        x0, y0, x1, y1 = dot.bounds()
        right = letter.bounds()[2]
        cx, cy = stem_right + 0.35 * (right - stem_right), face.cap_height / 2
        cx += face.slant * cy
        return letter + dot.moved(cx - (x0 + x1) / 2 - face.slant * (y0 + y1) / 2, cy - (y0 + y1) / 2), \
            face.advance(base)

    def _stroke(self, base):
        """D, H, h and T with a stroke across: a bar as thick as the face's
        crossbars, joined to the letter."""
        face = self.face
        letter = face.outline(base)
        b = chr(base)
        if b in "HT":
            bar_low, bar_high = self._crossbar(ord("H"))
        else:
            bar_low, bar_high = self._crossbar(ord("t"))
        thick = bar_high - bar_low
        if b == "H":
            y = (bar_high + face.cap_height) / 2
            spans = letter.spans_at(y)
            left, right = spans[0][0] - 0.5 * face.cap_stem, spans[-1][1] + 0.5 * face.cap_stem
        elif b == "T":  # across half the arm, as the faces drawing Ŧ have it
            y = (bar_low + bar_high) / 2
            stem = letter.spans_at(y)[0]
            arm = letter.spans_at(face.cap_height - thick / 2)
            reach = (arm[-1][1] - arm[0][0]) / 4
            left, right = (stem[0] + stem[1]) / 2 - reach, (stem[0] + stem[1]) / 2 + reach
        else:
            left_reach, right_reach = self._crossbar_reach()
            if b == "t":
                y = face.x_height * 0.45
            else:
                y = face.x_height + 0.5 * (letter.bounds()[3] - face.x_height)
            stem = letter.spans_at(y)[-1 if b == "d" else 0]
            if b == "d":  # over the bowl rather than past the letter
                left_reach, right_reach = right_reach, left_reach
            left, right = stem[0] - left_reach, stem[1] + right_reach
        # The bar's ends lean with the face; its middle stays on the stem.
        lean = face.slant * y
        bar = rectangle(left - lean, y - thick / 2, right - lean, y + thick / 2, face.slant,
                        face.counter_clockwise)
        self.bars[base] = (y - thick / 2, y + thick / 2)
        return self._joined(letter, bar), face.advance(base)

    def _crossbar(self, char):
        """The bottom and top of the crossbar of H, t or f."""
        face = self.face
        letter = face.outline(char)
        if chr(char) == "H":
            x0, _, x1, _ = face.upright(char).bounds()
            x, y = (x0 + x1) / 2, face.cap_height / 2
        else:  # just right of the stem, where the crossbar is highest
            stem = letter.spans_at(face.x_height * 0.3)[0]
            x, y = stem[1] + 0.03 * self.em - face.slant * face.x_height * 0.3, face.x_height
        runs = letter.runs_at(x + face.slant * y)
        return min(runs, key=lambda r: abs((r[0] + r[1]) / 2 - y))

    def _crossbar_reach(self):
        """How far t's crossbar reaches left and right of its stem."""
        face = self.face
        t = face.outline(ord("t"))
        low, high = self._crossbar(ord("t"))
        bar = t.spans_at((low + high) / 2)
        stem = t.spans_at(face.x_height * 0.3)[0]
        shift = face.slant * ((low + high) / 2 - face.x_height * 0.3)
        return stem[0] + shift - bar[0][0], bar[-1][1] - stem[1] - shift

    def least_kerning(self, char, base, other, after):
        """The least kerning of the letter made with a bar across `base` with
        `other` after it (after) or before it: so near, the bar keeps from
        `other` half the gap the face leaves between two o's; nearer, at
        small sizes the two run together."""
        face = self.face
        low, high = self.bars[base]
        o = face.bounds(ord("o"))
        gap = (face.advance(ord("o")) - (o[2] - o[0])) / 2
        bar, near = self._rows_of(char, low, high), self._rows_of(other, low - gap, high + gap)
        if after:
            return _least_offset(bar, near, gap) - face.advance(char)
        return _least_offset(near, bar, gap) - face.advance(other)

    def _rows_of(self, char, low, high):
        if (char, low, high) not in self._letter_rows:
            self._letter_rows[char, low, high] = self._rows(self.face.outline(char), low, high)
        return self._letter_rows[char, low, high]

    def _kra(self, base):
        """ĸ: a k whose stem ends at the x-height, as ı's does."""
        face = self.face
        k = face.outline(base)
        drop = k.bounds()[3] - face.bounds(0x131)[3]
        above = face.x_height + 0.5 * (k.bounds()[3] - face.x_height)

        def lowered(p):
            x, y = p
            return (x - face.slant * drop, y - drop) if y > above else (x, y)

        return k.with_points(lowered), face.advance(base)

    def _longs(self, base):
        """ſ: an f without its crossbar."""
        face = self.face
        f = face.outline(base)
        stem = f.spans_at(face.x_height * 0.3)[0]
        x0, y0, x1, y1 = f.bounds()
        low, high = self._crossbar(base)
        at = (low + high) / 2
        lean = face.slant * (at - face.x_height * 0.3)
        left = rectangle(x0 - self.em, low - 1, stem[0] + lean - face.slant * at, high + 1, face.slant,
                         face.counter_clockwise)
        right = rectangle(stem[1] + lean - face.slant * at, low - 1, x1 + self.em, high + 1, face.slant,
                          face.counter_clockwise)
        return self._turned(f.minus(left.union(right))), face.advance(base)

    def _eng(self, base):
        """ŋ and Ŋ: the right stem of n or N runs down into the hook of j."""
        face = self.face
        letter = face.outline(base)
        j = face.outline(face.dotless(ord("j")))
        capital = chr(base).isupper()
        height = face.cap_height if capital else face.x_height
        at = height * 0.5
        stem = letter.spans_at(at)[-1]
        j_at = face.x_height * 0.5
        j_stem = j.spans_at(j_at)[0]
        # The hook as wide as the stem it hangs from.
        scale = (stem[1] - stem[0]) / (j_stem[1] - j_stem[0])
        hook = j.scaled(scale, 1, about=(j_stem[1], j_at))
        hook = hook.moved(stem[1] - j_stem[1] + face.slant * (j_at - at), 0)
        # Below the join, the letter's foot gives way to the hook. N's
        # diagonal meets its stem only near the foot: the hook starts where
        # the two are one, or the notch between them would end on its top.
        join = 0.2 * height
        if capital:
            while join > 0 and not self._covers(letter, hook, join + 0.02 * self.em):
                join -= 0.01 * self.em
        x0, y0, x1, y1 = letter.bounds()
        lowest = min(y0, hook.bounds()[1]) - 1
        below = rectangle(x0 - self.em, lowest, x1 + self.em, join + 0.02 * self.em, 0, face.counter_clockwise)
        if not capital:
            # n's foot serif or exit stroke goes, and whatever stands out right
            # of its stem below the middle; N's right stem has no foot, and
            # its diagonal ends there.
            foot = rectangle(stem[0] - face.slant * at - 0.1 * self.em, lowest, x1 + self.em, join, face.slant,
                             face.counter_clockwise)
            beside = rectangle(stem[1] - face.slant * at, lowest, x1 + self.em, at, face.slant,
                               face.counter_clockwise)
            letter = letter.minus(foot.union(beside))
        return self._joined(letter, hook.clipped_to(below)), face.advance(base)

    @staticmethod
    def _covers(letter, part, y):
        """Whether the letter's ink at height y covers the part's there."""
        ink = letter.spans_at(y)
        return all(any(a <= left + 1 and right - 1 <= b for a, b in ink) for left, right in part.spans_at(y))

    def _joined(self, *parts):
        """The parts as one outline, overlaps removed. Where the joining of
        shapes comes out filling otherwise than the parts do (it can leave
        a contour crossing itself where their edges run together), the
        parts are kept whole, overlapping, as the face's ink."""
        joined = self._turned(parts[0].union(*parts[1:]))
        overlaid = Outline()
        for part in parts:
            overlaid += self._turned(part)
        if joined.fills_like(overlaid, STEP * self.em):
            return joined
        return overlaid

    def _turned(self, outline):
        """The outline, its contours turned the face's way."""
        return outline.turned(self.face.counter_clockwise)


def _strokes(mark):
    """The mark's contours left and right of its middle."""
    x0, _, x1, _ = mark.bounds()
    return mark.only(lambda b: b[0] + b[2] < x0 + x1), mark.only(lambda b: b[0] + b[2] >= x0 + x1)


def _strokes_like(mark, acute):
    """Whether each stroke of the double acute is as tall as the acute, to a
    tenth, and carries three quarters of its ink or more (Switzera Regular's
    ˝ has the small letters' steep acute, flatter over its capitals;
    Baskervald Italic's strokes are two thirds as heavy as its acute)."""
    height, ink = acute.bounds()[3] - acute.bounds()[1], abs(acute.area())
    for stroke in _strokes(mark):
        _, y0, _, y1 = stroke.bounds()
        if abs(y1 - y0 - height) > _STROKE_HEIGHT * height or abs(stroke.area()) < _STROKE_INK * ink:
            return False
    return True


def _least_offset(left, right, gap):
    """How far right of the left outline the right one must stand for their
    ink to keep `gap` apart, both given by their rows (y, left, right); 0
    where they keep it at any offset, no rows being as near in height."""
    need = [a_right - b_left + math.sqrt(gap * gap - (y - v) ** 2)
            for y, _, a_right in left for v, b_left, _ in right if abs(y - v) < gap]
    return max(need, default=0)
