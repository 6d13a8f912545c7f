"""A face's own measures: its heights and stems, and where it sets accents,
read from the letters it has."""

import statistics

from fontTools.misc.transform import Transform

from letters import DOTLESS, SPACING, SYMMETRIC, Accented, recipe
from outlines import Outline, least_gap, rectangle, slant_of

# How much higher than the face's own accented letters of Latin-1 a made
# letter may reach, in ems: about as much as the faces that draw these
# letters themselves (Liberation, Noto) reach over theirs.
_OVER_OWN = 0.05
# Room over the face's own letters, in ems, within which they count as
# already reaching the line above: a made letter may not keep clearer.
_OWN_REACH_LINE_ABOVE = 0.01
# The rows and columns outlines are measured along, in ems; where a point
# (an ear's tip) must not slip between them, finer.
STEP = 0.005
FINE_STEP = 0.001


class Face:
    def __init__(self, font):
        self.font = font
        self.glyphs = font.getGlyphSet()
        self.cmap = font.getBestCmap()
        self.upm = font["head"].unitsPerEm
        self.slant = slant_of(font["post"].italicAngle)
        self.made = {}  # letters made in this run: char -> (Outline, advance)
        self._outlines = {}
        self.x_height = self.top("x")
        self.cap_height = self.top("H")
        self.overshoot = max(self.top("o") - self.x_height, 0)
        self.stem = _width(self.outline(ord("l")).spans_at(self.x_height / 2))
        self.cap_stem = _width(self.outline(ord("H")).spans_at(self.cap_height / 4)[:1])
        # Contours run counter-clockwise around ink in PostScript outlines,
        # clockwise in TrueType ones.
        self.counter_clockwise = self.outline(ord("o")).area() > 0
        # How high the face's own accented letters reach, and made ones may:
        # a hair higher, and never into the descenders of a line above set
        # as tight as the layouts set it (ascent and descent, no line gap),
        # unless the face's own letters already reach them.
        self.accented_top = max(self.top(chr(c)) for c in range(0xC0, 0x100) if c in self.cmap and chr(c).isalpha())
        hhea = font["hhea"]
        depth = -min(self.bounds(ord(c))[1] for c in "gjpqy")
        free = hhea.ascent - hhea.descent - depth - self.accented_top
        over = min(_OVER_OWN * self.upm, free) if free > _OWN_REACH_LINE_ABOVE * self.upm else _OVER_OWN * self.upm
        self.mark_ceiling = self.accented_top + over
        # Whether the face's cedilla joins its letter, as in its ç.
        self.cedilla_joins = len(self.outline(0xE7).contours) == len(self.outline(ord("c")).contours)
        self._learn_accents()

    # --- letters as they are

    def has(self, char):
        return char in self.made or char in self.cmap

    def outline(self, char):
        if char in self.made:
            return self.made[char][0]
        if char not in self._outlines:
            name = self.cmap.get(char)
            self._outlines[char] = Outline.of_glyph(self.glyphs, name) if name else None
        return self._outlines[char]

    def advance(self, char):
        if char in self.made:
            return self.made[char][1]
        return self.font["hmtx"][self.cmap[char]][0]

    def bounds(self, char):
        return self.outline(char).bounds()

    def top(self, letter):
        return self.bounds(ord(letter))[3]

    def dotless(self, char):
        """i and j without their dots, for accents to stand on."""
        if char not in DOTLESS:
            return char
        if not self.has(DOTLESS[char]):
            letter = self.outline(char)
            stem = letter.only(lambda b: b[1] < self.x_height * 0.8)
            self.made[DOTLESS[char]] = (stem, self.advance(char))
        return DOTLESS[char]

    def spacing(self, accent):
        """The outline of an accent as the face sets it alone."""
        for char in SPACING[accent]:
            if self.has(char):
                return self.outline(char)
        return self._lower_examples.get(accent)

    # --- where the face sets its accents

    def _learn_accents(self):
        """Each accent as it stands over the face's own accented letters:
        its outline there, its height, and over which point of the letter."""
        self._bottoms = {}  # (accent, capital) -> [bottom]
        self._capital_shapes = {}  # accent -> Outline over a capital
        self._standing_shapes = {}  # accent -> Outline standing on a capital's top
        self._lower_examples = {}  # accent -> Outline over a small letter
        self._axes = {}  # base char -> [(x, y)] of symmetric accents' middles
        self._gaps = {}  # (accent, capital) -> [the least gap under it on each letter]
        self.comma_below = None  # the comma under a letter of the face's own, where it has one
        for char in sorted(self.cmap):
            how = recipe(char)
            if not isinstance(how, Accented) or how.accent in ("cedilla", "ogonek", "apostrophe", "turnedcomma"):
                continue
            base = self.dotless(how.base)
            if not self.has(base):
                continue
            letter, whole = self.outline(base), self.outline(char)
            if how.accent == "comma":
                bottom = letter.bounds()[1]
                comma = whole.only(lambda b: b[3] <= bottom + 2)
                if comma and _same_shapes(whole.only(lambda b: b[3] > bottom + 2), letter):
                    self.comma_below = self.comma_below or comma
                continue
            top = letter.bounds()[3]
            accent = whole.only(lambda b: b[1] >= top - 2)
            rest = whole.only(lambda b: b[1] < top - 2)
            capital = chr(how.base).isupper()
            if accent and capital and _redrawn(rest, letter, 0.01 * self.upm):
                # A capital drawn anew under its accent (Switzera's İ) still
                # shows the accent's shape over capitals, not where it stands.
                self._capital_shapes.setdefault(how.accent, accent)
                continue
            if not accent or not _same_shapes(rest, letter):
                # An accent that stands on the letter's top (Switzera's ring
                # on Å's apex) is the ink above it, the letter's own just
                # below; where it stands there tells nothing of other letters.
                x0, _, x1, y1 = whole.bounds()
                if capital and y1 > top + 2 and whole.fills_like(letter, 1, top - 0.1 * self.upm, top - 1):
                    above = rectangle(x0 - 1, top + 1, x1 + 1, y1 + 1, 0, self.counter_clockwise)
                    self._standing_shapes.setdefault(how.accent, whole.clipped_to(above).turned(self.counter_clockwise))
                continue  # else the accent joins the letter: not to be told apart
            x0, y0, x1, y1 = accent.bounds()
            if capital:
                self._capital_shapes.setdefault(how.accent, accent)
            elif top < self.cap_height:  # not over an ascender, where it stands higher
                self._lower_examples.setdefault(how.accent, accent)
            if capital or top < self.cap_height:
                self._bottoms.setdefault((how.accent, capital), []).append(y0)
                gap = least_gap(accent, letter, STEP * self.upm)
                if gap is not None:
                    self._gaps.setdefault((how.accent, capital), []).append(gap)
            if how.accent in SYMMETRIC:
                self._axes.setdefault(base, []).append(((x0 + x1) / 2, (y0 + y1) / 2))

    def accent_bottom(self, accent, capital):
        """Where the accent's lowest point stands over a capital or a small letter."""
        own = self._bottoms.get((accent, capital)) or self._bottoms.get(("acute", capital))
        if own:
            return statistics.median(own)
        every = [y for (_, c), ys in self._bottoms.items() if c == capital for y in ys]
        if every:
            return statistics.median(every)
        return (self.cap_height if capital else self.x_height) + 0.07 * self.upm

    def small_accent(self, accent):
        """The accent's outline over small letters: the face's own where a
        small letter of it carries one (a spacing accent is often drawn
        smaller, or lighter), else the spacing one."""
        return self._lower_examples.get(accent) or self.spacing(accent)

    def least_gap_under(self, accent, capital):
        """The least gap a made letter leaves under the accent: what the
        face's own letters of that case leave under it, but no more than
        half what its capitals leave under their accents; None where it
        has no letters of that case with that accent."""
        own = self._gaps.get((accent, capital))
        over_capitals = [g for (_, c), gaps in self._gaps.items() if c for g in gaps]
        if not own:
            return None
        return min(min(own), statistics.median(over_capitals) / 2) if over_capitals else min(own)

    def capital_accent(self, accent):
        """The accent's outline over capitals: the face's own where a capital
        of it carries one, else the small one, whole."""
        return self._capital_shapes.get(accent) or self._standing_shapes.get(accent) or self.spacing(accent)

    def axis(self, char, y):
        """The x over the letter where an accent centred at height y stands."""
        seen = self._axes.get(char)
        if seen:
            return statistics.mean(x + self.slant * (y - y0) for x, y0 in seen)
        # The middle of the letter stood upright, leant back to height y; of
        # J and j, whose hooks reach out below, the middle of the stem's top.
        upright = self.upright(char)
        x0, _, x1, top = upright.bounds()
        if chr(char) in "J\u0237":
            spans = upright.spans_at(top - 0.1 * self.upm)
            x0, x1 = spans[0][0], spans[-1][1]
        return (x0 + x1) / 2 + self.slant * y

    def upright(self, char):
        """The letter with the face's slant taken out."""
        return self.outline(char).transformed(Transform(1, 0, -self.slant, 1, 0, 0))

    def foot(self, char, y=None):
        """The middle of what the letter stands on, at height y above the baseline."""
        letter = self.outline(char)
        at = 0.05 * self.upm if y is None else y
        spans = letter.spans_at(at)
        return (spans[0][0] + spans[-1][1]) / 2, at


def _same_shapes(one, other):
    """Whether the two outlines' contours have the same bounds, one moved
    across as a whole."""
    a = sorted(one.contour_bounds(i) for i in range(len(one.contours)))
    b = sorted(other.contour_bounds(i) for i in range(len(other.contours)))
    if len(a) != len(b) or not a:
        return False
    dx = a[0][0] - b[0][0]
    return all(abs(p[0] - q[0] - dx) <= 2 and abs(p[2] - q[2] - dx) <= 2 and abs(p[1] - q[1]) <= 2
               and abs(p[3] - q[3]) <= 2 for p, q in zip(a, b))


def _redrawn(one, other, near):
    """Whether the outline is the other drawn anew: as many contours, its
    height within `near`, yet not the same shapes."""
    return (len(one.contours) == len(other.contours) and not _same_shapes(one, other)
            and abs(one.bounds()[3] - other.bounds()[3]) <= near and abs(one.bounds()[1] - other.bounds()[1]) <= near)


def _width(spans):
    return sum(b - a for a, b in spans) / max(len(spans), 1)
