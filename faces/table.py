"""The faces the program draws with that lack letters, as Debian installs
them, with the package each comes from and the licence texts it ships with;
the family name a completed face takes where its licence or a trademark its
files declare keeps the name for the unchanged face; and letters a face has
but draws otherwise than their readers write them, or not at all, made anew."""

import os

_ADF = "/usr/share/fonts/truetype/adf/"
_PARATYPE = "/usr/share/fonts/truetype/paratype/"
_DIDOT = "/usr/share/fonts/opentype/didot/"
_ROBOTO = "/usr/share/fonts/opentype/roboto/slab/"
_URW = "/usr/share/fonts/opentype/urw-base35/"

# When the rules of faces/ last changed what they make: the date the
# completed faces name as that of their change. Move it with such a change.
CHANGED = "2026-12-11"

# GFS Didot sets the caron of ď ť ľ on the stem, where Czech and Slovak
# write it beside, and it runs into the next letter; its Ľ stands clear.
_ON_THE_STEM = "ďťľ"
# URW Gothic's oblique maps ſ to a glyph with no ink.
_EMPTY = "ſ"


class Family:
    """The faces of one Debian package: their files, the family name the
    completed faces take (None: they keep Debian's), the letters made anew,
    and the texts of /usr/share/common-licenses its copyright file leaves
    out but whose licence the faces are under."""

    def __init__(self, package, files, family=None, remade="", common_licences=()):
        self.package, self.files, self.family = package, files, family
        self.remade, self.common_licences = remade, common_licences


# The ADF faces declare their names trademarks of ADF ("Switzera is a
# trademark of ADF."), Roboto Slab its name one of Google's; ParaType's
# licence forbids a changed face its name, and GFS Didot's is a Reserved
# Font Name under the Open Font License. URW Gothic's licence and files
# declare neither: it keeps its name, its file not Debian's file name.
FAMILIES = [
    Family("fonts-adf-switzera", [_ADF + f"SwitzeraADF-{s}.otf" for s in (
        "Regular", "Italic", "Light", "LightItalic", "Bold", "BoldItalic", "BoldCond")],
        "Kontobok Grotesk", common_licences=("GPL-2",)),
    Family("fonts-adf-baskervald", [_ADF + f"BaskervaldADFStd{s}.otf" for s in ("", "-Italic", "-Bold", "-BoldItalic")],
           "Kontobok Transitional", common_licences=("GPL-2",)),
    Family("fonts-adf-gillius", [_ADF + f"GilliusADF-{s}.otf" for s in ("Regular", "Italic", "Bold", "BoldItalic")],
           "Kontobok Humanist", common_licences=("GPL-2",)),
    Family("fonts-adf-accanthis", [_ADF + f"AccanthisADFStd-{s}.otf" for s in ("Regular", "Italic", "Bold", "BoldItalic")],
           "Kontobok Garalde", common_licences=("GPL-2",)),
    Family("fonts-paratype", [_PARATYPE + f"PTS{n}F.ttf" for n in (55, 56, 75, 76)], "Kontobok Sans"),
    Family("fonts-gfs-didot", [_DIDOT + f"GFSDidot{s}.otf" for s in ("", "Italic", "Bold")], "Kontobok Didone",
           _ON_THE_STEM),
    Family("fonts-roboto-slab", [_ROBOTO + f"RobotoSlab-{s}.otf" for s in ("Regular", "Light", "Bold")],
           "Kontobok Slab", common_licences=("Apache-2.0",)),
    Family("fonts-urw-base35", [_URW + "URWGothic-BookOblique.otf"], remade=_EMPTY),
]

# The texts a face's licence is read from, as Debian installs them.
COPYRIGHT = "/usr/share/doc/{}/copyright"
COMMON_LICENCE = "/usr/share/common-licenses/{}"

# Where the completed faces' licences stand, beside them.
LICENCES = "licences"


def renamed_postscript_name(family, postscript_name):
    """The PostScript name of a renamed face: the family's, with the style
    the face's own name ends in ("PTSans-Bold" in Kontobok Sans is
    "KontobokSans-Bold"); a name without a style is the regular one."""
    _, _, style = postscript_name.partition("-")
    return family.replace(" ", "") + "-" + (style or "Regular")


def output_name(source, postscript_name, renamed):
    """The completed face's file: its PostScript name where the face is
    renamed, else Debian's file name marked as completed, so that it is
    never taken for Debian's file."""
    stem, extension = os.path.splitext(os.path.basename(source))
    return (postscript_name if renamed else stem + "-completed") + extension
