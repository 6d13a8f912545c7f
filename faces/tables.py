"""Putting new letters into a font's tables: outlines, widths, the
character map, kerning; the names of a face that must be renamed, and what
its name table says of its change and its licence."""

import calendar
import copy
import math
import time

from fontTools import agl
from fontTools.misc.psCharStrings import T2WidthExtractor
from fontTools.misc.timeTools import timestampSinceEpoch
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.t2CharStringPen import T2CharStringPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib.tables._g_l_y_f import flagOverlapSimple

from table import CHANGED, renamed_postscript_name

# OS/2 bits of the ranges the new letters belong to: Unicode's Latin-1
# Supplement, Latin Extended-A and -B; the code pages Latin 2, Turkish, Baltic.
_UNICODE_RANGES = (1, 2, 3)
_CODE_PAGES = (1, 4, 7)


def glyph_name(font, char):
    name = agl.UV2AGL.get(char, f"uni{char:04X}")
    taken = set(font.getGlyphOrder())
    while name in taken:
        name += ".k"
    return name


def add_glyph(font, name, outline, advance):
    """Appends the glyph, so that every glyph before it keeps its number."""
    order = font.getGlyphOrder() + [name]
    advance = round(advance)
    if "CFF " in font:
        cff = font["CFF "].cff
        top = cff.topDictIndex[0]
        # A charstring's width is stored less the face's nominal width.
        pen = T2CharStringPen(advance - top.Private.nominalWidthX, None)
        outline.draw(pen)
        charstring = pen.getCharString(private=top.Private, globalSubrs=cff.GlobalSubrs)
        strings = top.CharStrings
        strings.charStringsIndex.append(charstring)
        strings.charStrings[name] = len(strings.charStringsIndex) - 1
        top.charset.append(name)
        # What readers of the font program take for the advance is hmtx's.
        width = T2WidthExtractor(getattr(top.Private, "Subrs", []), cff.GlobalSubrs, top.Private.nominalWidthX,
                                 top.Private.defaultWidthX)
        width.execute(strings[name])
        assert width.width == advance, f"{name}: width {width.width} in the font program, {advance} in hmtx"
    else:
        pen = TTGlyphPen(None)
        outline.draw(Cu2QuPen(pen, max_err=font["head"].unitsPerEm / 1000, reverse_direction=False))
        glyph = pen.glyph()
        if glyph.numberOfContours > 1:  # a mark may reach into its letter
            glyph.flags[0] |= flagOverlapSimple
        glyph.recalcBounds(font["glyf"])
        font["glyf"].glyphs[name] = glyph
        font["glyf"].glyphOrder = order
        if "hdmx" in font:  # unhinted: as wide as the advance scaled
            em = font["head"].unitsPerEm
            device = font["hdmx"].hdmx
            for ppem in device:
                device[ppem] = dict(device[ppem], **{name: round(advance * ppem / em)})
        if "LTSH" in font:
            font["LTSH"].yPels[name] = 1
    font.setGlyphOrder(order)
    bounds = outline.bounds()
    font["hmtx"].metrics[name] = (advance, round(bounds[0]) if bounds else 0)
    if "GDEF" in font and font["GDEF"].table.GlyphClassDef:
        font["GDEF"].table.GlyphClassDef.classDefs[name] = 1  # a base glyph


def map_characters(font, names):
    """Adds char -> glyph name to every Unicode character map."""
    for table in font["cmap"].tables:
        if table.isUnicode():
            for char, name in names.items():
                if char <= 0xFFFF or table.format in (12, 13):
                    table.cmap[char] = name
    os2 = font["OS/2"]
    for bit in _UNICODE_RANGES:
        os2.ulUnicodeRange1 |= 1 << bit
    if os2.version >= 1:
        for bit in _CODE_PAGES:
            os2.ulCodePageRange1 |= 1 << bit


def kern_like(font, name, left, right, partners=None):
    """The new glyph kerns as `left` does on its left side and as `right`
    does on its right (either None: not at all there); on its right only
    with the glyphs of `partners` where that is given."""
    for subtable in _pair_kerning(font):
        coverage = subtable.Coverage.glyphs
        if subtable.Format == 1:
            if right in coverage:
                pairs = copy.deepcopy(subtable.PairSet[coverage.index(right)])
                if partners is not None:
                    pairs.PairValueRecord = [r for r in pairs.PairValueRecord if r.SecondGlyph in partners]
                    pairs.PairValueCount = len(pairs.PairValueRecord)
                coverage.append(name)
                subtable.PairSet.append(pairs)
                subtable.PairSetCount = len(subtable.PairSet)
            if left is not None:
                for pairs in subtable.PairSet:
                    same = [r for r in pairs.PairValueRecord if r.SecondGlyph == left]
                    for record in same:
                        twin = copy.deepcopy(record)
                        twin.SecondGlyph = name
                        pairs.PairValueRecord.append(twin)
                    pairs.PairValueCount = len(pairs.PairValueRecord)
        elif subtable.Format == 2:
            if right in coverage:
                coverage.append(name)
                first = subtable.ClassDef1.classDefs
                if partners is not None:
                    _class_of_its_own(subtable, name, first.get(right, 0), partners)
                elif first.get(right):
                    first[name] = first[right]
            second = subtable.ClassDef2.classDefs
            if left is not None and second.get(left):
                second[name] = second[left]


def _class_of_its_own(subtable, name, like, partners):
    """Puts the glyph in a first class of its own that kerns as class `like`
    with the second classes of partners alone: a class holding any other
    glyph, the class of every glyph not named among them included, keeps
    the glyph at its width."""
    second = subtable.ClassDef2.classDefs
    mixed = {0} | {c for glyph, c in second.items() if glyph not in partners}
    record = copy.deepcopy(subtable.Class1Record[like])
    for c in mixed:
        for value in (record.Class2Record[c].Value1, getattr(record.Class2Record[c], "Value2", None)):
            for attribute in ("XPlacement", "YPlacement", "XAdvance", "YAdvance"):
                if hasattr(value, attribute):
                    setattr(value, attribute, 0)
    _first_class_of_its_own(subtable, name, record)


def _first_class_of_its_own(subtable, name, record):
    subtable.Class1Record.append(record)
    subtable.Class1Count = len(subtable.Class1Record)
    subtable.ClassDef1.classDefs[name] = subtable.Class1Count - 1


def keep_apart(font, name, least):
    """Lessens the new glyph's kerning with each glyph beside it, either
    side, to no nearer than least(first, second) (None: as near as it is),
    and to no more space than none. Where a class kerns it, it gets a class
    of its own: every other glyph keeps its kerning."""
    glyphs = font.getGlyphOrder()
    for subtable in _pair_kerning(font):
        coverage = subtable.Coverage.glyphs
        if subtable.Format == 1:
            for first, pairs in zip(coverage, subtable.PairSet):
                for record in pairs.PairValueRecord:
                    if name in (first, record.SecondGlyph):
                        _lessen(record.Value1, least(first, record.SecondGlyph))
            continue
        first, second = subtable.ClassDef1.classDefs, subtable.ClassDef2.classDefs
        if name in coverage:  # a row of its own, each class after it as near as its nearest letter allows
            row = copy.deepcopy(subtable.Class1Record[first.get(name, 0)])
            changed = [_lessen(cell.Value1, _least_of(least, [name], _members(second, glyphs, c)))
                       for c, cell in enumerate(row.Class2Record)]
            if any(changed):
                _first_class_of_its_own(subtable, name, row)
        column = second.get(name, 0)
        cells = [copy.deepcopy(row.Class2Record[column]) for row in subtable.Class1Record]
        changed = [_lessen(cell.Value1, _least_of(least, _members(first, coverage, k), [name]))
                   for k, cell in enumerate(cells)]
        if any(changed):  # a column of its own
            for row, cell in zip(subtable.Class1Record, cells):
                row.Class2Record.append(cell)
            subtable.Class2Count += 1
            second[name] = subtable.Class2Count - 1


def _members(class_def, glyphs, k):
    return [g for g in glyphs if class_def.get(g, 0) == k]


def _least_of(least, firsts, seconds):
    """The least kerning every pair of the glyphs allows, or None."""
    limits = [limit for a in firsts for b in seconds if (limit := least(a, b)) is not None]
    return max(limits, default=None)


def _lessen(value, limit):
    """Whether the kerning value was lessened to its limit."""
    kerning = getattr(value, "XAdvance", 0)
    if limit is None or kerning >= min(limit, 0):
        return False
    value.XAdvance = min(math.ceil(limit), 0)
    return True


def _pair_kerning(font):
    """The pair adjustment subtables of the font's GPOS."""
    if "GPOS" not in font:
        return
    for lookup in font["GPOS"].table.LookupList.Lookup:
        for subtable in lookup.SubTable:
            if lookup.LookupType == 9:
                subtable = subtable.ExtSubTable
            if subtable.LookupType == 2:
                yield subtable


def rename(font, family):
    """Gives the face another family name, keeping its style: for faces whose
    licence reserves their name for the unchanged face."""
    names = font["name"]
    old_family = names.getDebugName(16) or names.getDebugName(1)
    old_postscript = names.getDebugName(6)
    new_postscript = renamed_postscript_name(family, old_postscript)
    for record in names.names:
        text = record.toUnicode()
        if record.nameID == 6:
            text = new_postscript
        elif record.nameID in (1, 3, 4, 16, 18, 21):
            text = text.replace(old_family, family).replace(old_postscript, new_postscript)
        else:
            continue
        record.string = text
    if "CFF " in font:
        cff = font["CFF "].cff
        top = cff.topDictIndex[0]
        cff.fontNames = [new_postscript]
        for key in ("FullName", "FamilyName"):
            if hasattr(top, key):
                setattr(top, key, getattr(top, key).replace(old_family, family))


def mark_changed(font, description, notice):
    """Says in the name table that the face was changed, when and how
    (description), and gives it a unique ID and a version of its own; a
    face without a licence notice gets `notice` (description, URL)."""
    names = font["name"]
    postscript = names.getDebugName(6)
    version = names.getDebugName(5) or "Version 1.0"
    changed = {
        3: f"{postscript};kontobok;{CHANGED}",
        5: f"{version}; completed by kontobok {CHANGED}",
    }
    if not names.getDebugName(13) and notice:
        changed[13], changed[14] = notice
    platforms = {(r.platformID, r.platEncID, r.langID) for r in names.names if r.nameID in (1, 4, 6)}
    for name_id, text in changed.items():
        for platform in platforms:
            names.setName(text, name_id, *platform)
    # The description names letters Mac Roman cannot hold: it stands in the
    # Windows records alone, as fontmake writes it.
    names.removeNames(nameID=10)
    for platform in {p for p in platforms if p[0] == 3} or {(3, 1, 0x409)}:
        names.setName(description, 10, *platform)
    font["head"].modified = timestampSinceEpoch(calendar.timegm(time.strptime(CHANGED, "%Y-%m-%d")))


def drop_stale_tables(font):
    """Tables that no longer hold for the changed font: a digital signature;
    the old 'kern' table where GPOS kerns, which HarfBuzz then never applies
    and which knows nothing of the new letters."""
    if "DSIG" in font:
        del font["DSIG"]
    if "kern" in font and "GPOS" in font:
        features = font["GPOS"].table.FeatureList.FeatureRecord
        if any(record.FeatureTag == "kern" for record in features):
            del font["kern"]
