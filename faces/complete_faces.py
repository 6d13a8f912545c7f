#!/usr/bin/python3
"""Completes the faces the program draws with by the letters of Latin-1,
Latin Extended-A and the Romanian comma-below letters they lack, made from
their own letters and accents, so that no word is set partly in a fallback
face.

    complete_faces.py --list          each face's source, completed file,
                                      the letters it has that are made anew,
                                      the letters it must draw and its
                                      PostScript name
    complete_faces.py --into DIR FILE completes the face of that file into DIR
    complete_faces.py --notices       the licence files written beside them
    complete_faces.py --notices-into DIR  writes those files

Every glyph a face has keeps its number, outline, width and kerning; the
new ones are appended and kern as the letters they are made from.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from fontTools.ttLib import TTFont  # noqa: E402

from builder import Builder  # noqa: E402
from letters import WANTED, Accented, Made, recipe  # noqa: E402
from measures import Face  # noqa: E402
from notices import description, licence_notice, notice_files, write_notices  # noqa: E402
from table import FAMILIES, output_name, renamed_postscript_name  # noqa: E402
from tables import (add_glyph, drop_stale_tables, glyph_name, keep_apart, kern_like, map_characters,  # noqa: E402
                    mark_changed, rename)


class CannotMake(Exception):
    pass


def kerning_sides(how):
    """Which letters the new one kerns like, on its left and on its right
    (None: not at all there), and whether on its right only with the small
    letters."""
    if isinstance(how, Accented):
        if how.accent != "apostrophe":
            return how.base, how.base, False
        # An apostrophe beside the stem stands out where the letter ended:
        # only a capital's, over its arm, leaves the small letters after it
        # as close as they come to the letter, not a capital's arms.
        capital = chr(how.base).isupper()
        return how.base, (how.base if capital else None), capital
    if how.rule == "pair":
        return (*how.chars, False)
    if how.rule == "middledot":
        return how.chars[0], None, False
    return how.chars[0], how.chars[0], False


def bar_kerning(builder, char, base, name, letters):
    """The least kerning of the letter with a bar (glyph `name`) beside each
    letter, which keeps the bar clear of it; letters: glyph name -> char."""
    def least(first, second):
        other = first if second == name else second
        if other not in letters:
            return None
        return builder.least_kerning(char, base, letters[other], first == name)
    return least


def complete(source, output, family_of_faces):
    font = TTFont(source, recalcBBoxes=True, recalcTimestamp=False)
    face = Face(font)
    builder = Builder(face)
    new = {}  # char -> (glyph name, recipe)
    for char in WANTED:
        if char in face.cmap and chr(char) not in family_of_faces.remade:
            continue
        how = recipe(char)
        made = builder.make(char, how) if how else None
        if made is None:
            raise CannotMake(f"{os.path.basename(source)}: the letter {chr(char)} (U+{char:04X}) cannot be made")
        face.made[char] = made
        name = glyph_name(font, char)
        add_glyph(font, name, *made)
        new[char] = (name, how)
    glyph = {**face.cmap, **{c: name for c, (name, _) in new.items()}}
    small_letters = {name for c, name in glyph.items() if chr(c).islower()}
    for char, (name, how) in new.items():
        left, right, only_small = kerning_sides(how)
        kern_like(font, name, glyph.get(left), glyph.get(right), small_letters if only_small else None)
    letters = {name: c for c, name in sorted(glyph.items()) if chr(c).isalpha()}
    for char, (name, how) in new.items():
        if isinstance(how, Made) and how.rule == "stroke":
            keep_apart(font, name, bar_kerning(builder, char, how.chars[0], name, letters))
    map_characters(font, {char: name for char, (name, _) in new.items()})
    if family_of_faces.family:
        rename(font, family_of_faces.family)
    mark_changed(font, description(source, font, family_of_faces), licence_notice(family_of_faces))
    drop_stale_tables(font)
    # Written beside and moved into place: a program reading the old file
    # while the build runs keeps reading it whole.
    font.save(output + ".part")
    os.replace(output + ".part", output)
    return len(new)


def faces():
    """(source, completed file name, family, PostScript name) of each face
    to complete."""
    for family in FAMILIES:
        for source in family.files:
            postscript = TTFont(source, lazy=True)["name"].getDebugName(6)
            if family.family:
                postscript = renamed_postscript_name(family.family, postscript)
            yield source, output_name(source, postscript, bool(family.family)), family, postscript


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--notices", action="store_true")
    parser.add_argument("--notices-into")
    parser.add_argument("--into")
    parser.add_argument("file", nargs="?")
    args = parser.parse_args()
    if args.list:
        wanted = "".join(map(chr, WANTED))
        for source, output, family, postscript in faces():
            print(f"{source}\t{output}\t{family.remade}\t{wanted}\t{postscript}")
        return
    if args.notices:
        for name in notice_files():
            print(name)
        return
    if args.notices_into:
        write_notices(args.notices_into, [(source, output, family) for source, output, family, _ in faces()])
        return
    for source, output, family, _ in faces():
        if output == args.file:
            try:
                complete(source, os.path.join(args.into, output), family)
            except CannotMake as error:
                sys.exit(f"complete_faces.py: {error}")
            return
    sys.exit(f"complete_faces.py: no face is completed into {args.file}")


if __name__ == "__main__":
    main()
