#!/usr/bin/python3
"""Completes the faces the program draws with by the letters of Latin-1,
Latin Extended-A and the Romanian comma-below letters they lack, made from
their own letters and accents, so that no word is set partly in a fallback
face.

    complete_faces.py --list          each face's source, completed file and
                                      the letters it has that are made anew
    complete_faces.py --into DIR FILE completes the face of that file into DIR

Every glyph a face has keeps its number, outline, width and kerning; the
new ones are appended and kern as the letters they are made from.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from fontTools.ttLib import TTFont  # noqa: E402

from builder import Builder  # noqa: E402
from letters import WANTED, Accented, recipe  # noqa: E402
from measures import Face  # noqa: E402
from table import FACES, output_name  # noqa: E402
from tables import add_glyph, drop_stale_tables, glyph_name, kern_like, map_characters, rename  # noqa: E402


def kerning_sides(how):
    """Which letters the new one kerns like, on its left and on its right."""
    if isinstance(how, Accented):
        # An apostrophe beside the stem stands out where the letter ended.
        return how.base, (None if how.accent == "apostrophe" else how.base)
    if how.rule == "pair":
        return how.chars
    if how.rule == "middledot":
        return how.chars[0], None
    return how.chars[0], how.chars[0]


def complete(source, output, family=None, remade=""):
    font = TTFont(source, recalcBBoxes=True, recalcTimestamp=False)
    face = Face(font)
    builder = Builder(face)
    new = {}  # char -> (glyph name, recipe)
    for char in WANTED:
        if char in face.cmap and chr(char) not in remade:
            continue
        how = recipe(char)
        made = builder.make(char, how) if how else None
        if made is None:
            print(f"{os.path.basename(source)}: cannot make U+{char:04X}", file=sys.stderr)
            continue
        face.made[char] = made
        name = glyph_name(font, char)
        add_glyph(font, name, *made)
        new[char] = (name, how)
    for char, (name, how) in new.items():
        left, right = (face.cmap.get(c) if c is not None else None for c in kerning_sides(how))
        kern_like(font, name, left, right)
    map_characters(font, {char: name for char, (name, _) in new.items()})
    if family:
        rename(font, family)
    drop_stale_tables(font)
    # Written beside and moved into place: a program reading the old file
    # while the build runs keeps reading it whole.
    font.save(output + ".part")
    os.replace(output + ".part", output)
    return len(new)


def faces():
    """(source, family, completed file name, letters made anew) of each face
    to complete."""
    for source, family, remade in FACES:
        postscript = TTFont(source, lazy=True)["name"].getDebugName(6)
        yield source, family, output_name(source, family, postscript), remade


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--list", action="store_true")
    parser.add_argument("--into")
    parser.add_argument("file", nargs="?")
    args = parser.parse_args()
    if args.list:
        for source, _, output, remade in faces():
            print(f"{source}\t{output}\t{remade}")
        return
    for source, family, output, remade in faces():
        if output == args.file:
            complete(source, os.path.join(args.into, output), family, remade)
            return
    sys.exit(f"complete_faces.py: no face is completed into {args.file}")


if __name__ == "__main__":
    main()
