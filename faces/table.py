"""The faces the program draws with that lack letters, as Debian installs
them; the family name a completed face takes where the face's licence
reserves its own name for the unchanged face (ParaType's licence, and GFS Didot's
reserved font name under the Open Font License); and letters a face has
but draws otherwise than their readers write them, or not at all, made anew."""

import os

_ADF = "/usr/share/fonts/truetype/adf/"
_PARATYPE = "/usr/share/fonts/truetype/paratype/"
_DIDOT = "/usr/share/fonts/opentype/didot/"
_ROBOTO = "/usr/share/fonts/opentype/roboto/slab/"
_URW = "/usr/share/fonts/opentype/urw-base35/"

# GFS Didot sets the caron of ď ť ľ Ľ on the stem, where Czech and Slovak
# write it beside, and it runs into the next letter.
_ON_THE_STEM = "ďťľĽ"
# URW Gothic's oblique maps ſ to a glyph with no ink.
_EMPTY = "ſ"

FACES = [(_ADF + name + ".otf", None, "") for name in (
    "SwitzeraADF-Regular", "SwitzeraADF-Italic", "SwitzeraADF-Light", "SwitzeraADF-LightItalic",
    "SwitzeraADF-Bold", "SwitzeraADF-BoldItalic", "SwitzeraADF-BoldCond",
    "BaskervaldADFStd", "BaskervaldADFStd-Italic", "BaskervaldADFStd-Bold", "BaskervaldADFStd-BoldItalic",
    "GilliusADF-Regular", "GilliusADF-Italic", "GilliusADF-Bold", "GilliusADF-BoldItalic",
    "AccanthisADFStd-Regular", "AccanthisADFStd-Italic", "AccanthisADFStd-Bold", "AccanthisADFStd-BoldItalic",
)] + [(_PARATYPE + name, "Kontobok Sans", "") for name in ("PTS55F.ttf", "PTS56F.ttf", "PTS75F.ttf", "PTS76F.ttf")] + [
    (_DIDOT + name, "Kontobok Didone", _ON_THE_STEM) for name in ("GFSDidot.otf", "GFSDidotItalic.otf", "GFSDidotBold.otf")
] + [(_ROBOTO + name, None, "") for name in ("RobotoSlab-Regular.otf", "RobotoSlab-Light.otf", "RobotoSlab-Bold.otf")] + [
    (_URW + "URWGothic-BookOblique.otf", None, _EMPTY)
]


def renamed_postscript_name(family, postscript_name):
    """The PostScript name of a renamed face: the family's, with the style
    the face's own name ends in ("PTSans-Bold" in Kontobok Sans is
    "KontobokSans-Bold")."""
    _, hyphen, style = postscript_name.partition("-")
    return family.replace(" ", "") + hyphen + style


def output_name(source, family, postscript_name):
    """The completed face's file: the name Debian gives it, or the new
    PostScript name where the face is renamed."""
    if not family:
        return os.path.basename(source)
    return renamed_postscript_name(family, postscript_name) + os.path.splitext(source)[1]
