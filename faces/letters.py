"""Which letters a face must draw, and what each is made of."""

import unicodedata

# Latin-1, Latin Extended-A, and the Romanian S and T with a comma below.
WANTED = [c for c in range(0xA0, 0x180) if unicodedata.category(chr(c)) != "Cf"] + [0x218, 0x219, 0x21A, 0x21B]

# The combining marks of Unicode's decompositions, by the accent they name.
_MARKS = {
    0x300: "grave", 0x301: "acute", 0x302: "circumflex", 0x303: "tilde", 0x304: "macron",
    0x306: "breve", 0x307: "dot", 0x308: "dieresis", 0x30A: "ring", 0x30B: "doubleacute",
    0x30C: "caron", 0x326: "comma", 0x327: "cedilla", 0x328: "ogonek",
}
BELOW = {"comma", "cedilla", "ogonek"}

# The spacing form of each accent, whose outline the letters take.
SPACING = {
    "grave": [0x60], "acute": [0xB4], "circumflex": [0x2C6], "tilde": [0x2DC],
    "macron": [0xAF, 0x2C9], "breve": [0x2D8], "dot": [0x2D9], "dieresis": [0xA8], "ring": [0x2DA],
    "doubleacute": [0x2DD], "caron": [0x2C7], "cedilla": [0xB8], "ogonek": [0x2DB], "comma": [0x2C],
    "turnedcomma": [0x2018], "apostrophe": [0x2019], "middledot": [0xB7],
}

# Accents whose outline is symmetric about their middle: where one stands
# over a letter tells where the face centres accents over it.
SYMMETRIC = {"circumflex", "tilde", "macron", "breve", "dot", "dieresis", "ring", "caron"}


class Accented:
    """A base letter and an accent over, under or beside it."""

    def __init__(self, base, accent):
        self.base, self.accent = base, accent

    def __repr__(self):
        return f"Accented({chr(self.base)!r}, {self.accent})"


class Made:
    """A letter drawn by a rule of its own (builder.py)."""

    def __init__(self, rule, *chars):
        self.rule, self.chars = rule, chars

    def __repr__(self):
        return f"Made({self.rule}, {self.chars})"


# Letters Unicode does not decompose, or decomposes into a form that is not
# how their readers write them.
_OWN = {
    0xAF: Made("copy", 0x2C9),
    0x110: Made("copy", 0xD0),
    0x111: Made("stroke", ord("d")),
    0x126: Made("stroke", ord("H")),
    0x127: Made("stroke", ord("h")),
    0x166: Made("stroke", ord("T")),
    0x167: Made("stroke", ord("t")),
    0x132: Made("pair", ord("I"), ord("J")),
    0x133: Made("pair", ord("i"), ord("j")),
    0x149: Made("pair", 0x2019, ord("n")),
    0x13F: Made("middledot", ord("L")),
    0x140: Made("middledot", ord("l")),
    0x138: Made("kra", ord("k")),
    0x17F: Made("longs", ord("f")),
    0x14A: Made("eng", ord("N")),
    0x14B: Made("eng", ord("n")),
    # The Czech and Slovak caron on a letter with an ascender: an apostrophe beside it.
    0x10F: Accented(ord("d"), "apostrophe"),
    0x13D: Accented(ord("L"), "apostrophe"),
    0x13E: Accented(ord("l"), "apostrophe"),
    0x165: Accented(ord("t"), "apostrophe"),
    # Latvian: a comma below, and over g a turned comma.
    0x122: Accented(ord("G"), "comma"),
    0x123: Accented(ord("g"), "turnedcomma"),
    0x136: Accented(ord("K"), "comma"),
    0x137: Accented(ord("k"), "comma"),
    0x13B: Accented(ord("L"), "comma"),
    0x13C: Accented(ord("l"), "comma"),
    0x145: Accented(ord("N"), "comma"),
    0x146: Accented(ord("n"), "comma"),
    0x156: Accented(ord("R"), "comma"),
    0x157: Accented(ord("r"), "comma"),
}

# Accents over i and j stand on their dotless forms; the ogonek keeps the dot.
DOTLESS = {ord("i"): 0x131, ord("j"): 0x237}


def recipe(char):
    """How the letter is made, or None for one that is not made of others."""
    if char in _OWN:
        return _OWN[char]
    parts = unicodedata.decomposition(chr(char)).split()
    if len(parts) != 2 or parts[0].startswith("<"):
        return None
    base, mark = (int(p, 16) for p in parts)
    if mark not in _MARKS:
        return None
    return Accented(base, _MARKS[mark])
