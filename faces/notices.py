"""What the completed faces say of themselves and ship with: that each was
changed, when, by what and from which of Debian's files; the licence notice
in its name table; and beside them their licences, read from the Debian
copyright files of their packages, and a README naming each face's."""

import functools
import os
import subprocess

from fontTools.ttLib import TTFont

from table import CHANGED, COMMON_LICENCE, COPYRIGHT, FAMILIES, LICENCES

# URW Gothic's files state no licence; its licence, with the exception word
# for word as Debian's copyright file gives it.
_URW = ("This font is licensed under the GNU Affero General Public License version 3 (AGPL-3), with the following "
        "exemption: As a special exception, permission is granted to include these font programs in a Postscript or "
        "PDF file that consists of a document that contains text to be displayed or printed using this font, "
        "regardless of the conditions or license applying to the document itself.",
        "https://www.gnu.org/licenses/agpl-3.0.html")
_NOTICES = {"fonts-urw-base35": _URW}

_README = "README"


@functools.cache
def package_version(package):
    try:
        return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], capture_output=True, text=True,
                              check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return "(version unknown)"


def description(source, font, family):
    """The name table's description of the completed face."""
    made_anew = f", with {_named(family.remade)} made anew" if family.remade else ""
    return (f"{font['name'].getDebugName(4)}: {os.path.basename(source)} of the Debian package {family.package} "
            f"{package_version(family.package)}, changed by the build of kontobok on {CHANGED}: completed with the "
            f"letters of Latin-1, Latin Extended-A and the Romanian S and T with a comma below that it lacked, each "
            f"made of the face's own letters and accents{made_anew}. Every other glyph, its width and its kerning "
            f"are Debian's.")


def _named(letters):
    """The letters with their code points: "ď (U+010F), ť (U+0165)"."""
    return ", ".join(f"{c} (U+{ord(c):04X})" for c in letters)


def licence_notice(family):
    """(licence description, licence URL) for a face that states none: the
    first its family's files state, else the package's."""
    for source in family.files:
        names = TTFont(source, lazy=True)["name"]
        if names.getDebugName(13):
            return names.getDebugName(13), names.getDebugName(14) or ""
    return _NOTICES.get(family.package)


def _licence_files(family):
    return [f"{family.package}.copyright"] + list(family.common_licences)


def notice_files():
    """The files written beside the faces, relative to their directory."""
    names = {name for family in FAMILIES for name in _licence_files(family)}
    return [_README] + [f"{LICENCES}/{name}" for name in sorted(names)]


def write_notices(directory, faces):
    """The licences of the faces' packages and the README, into directory;
    faces: (source, completed file name, family) of each."""
    os.makedirs(os.path.join(directory, LICENCES), exist_ok=True)
    for family in FAMILIES:
        _copy(COPYRIGHT.format(family.package), os.path.join(directory, LICENCES, f"{family.package}.copyright"))
        for name in family.common_licences:
            _copy(COMMON_LICENCE.format(name), os.path.join(directory, LICENCES, name))
    lines = [
        "The faces in this directory are faces Debian installs, changed by the build",
        f"of kontobok (faces/complete_faces.py in its source) on {CHANGED}: each is",
        "completed with the letters of Latin-1, Latin Extended-A and the Romanian",
        "S and T with a comma below that it lacked, made of its own letters and",
        "accents; letters of its own drawn otherwise than their readers write them",
        "are replaced by letters made so (named below). Every other glyph, its width",
        "and its kerning are the face's own.",
        "",
        "Each stays under the licence of the face it was made from; the licences",
        f"are in {LICENCES}/, as the Debian copyright file of the face's package",
        "states them, with the licence texts those files refer to. The font",
        "exceptions of the ADF faces' and URW Gothic's licences are kept for the",
        "changed faces: a document that embeds them is not by that alone under the",
        "GNU General Public License or the GNU Affero General Public License.",
        "Where a face's licence, or a trademark its files declare, keeps its name",
        "for the unchanged face, the changed face is renamed.",
        "",
    ]
    for source, output, family in faces:
        licences = ", ".join(f"{LICENCES}/{name}" for name in _licence_files(family))
        lines += [output,
                  f"    made from {source}",
                  f"    of the Debian package {family.package} {package_version(family.package)}"]
        if family.remade:
            lines.append(f"    its own letters replaced by made ones: {_named(family.remade)}")
        lines.append(f"    licence: {licences}")
    _write(os.path.join(directory, _README), "\n".join(lines) + "\n")


def _copy(source, target):
    with open(source, encoding="utf-8") as text:
        _write(target, text.read())


def _write(path, text):
    # Beside and moved into place, as the faces are.
    with open(path + ".part", "w", encoding="utf-8") as out:
        out.write(text)
    os.replace(path + ".part", path)
