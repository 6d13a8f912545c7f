#pragma once
// The program's own fontconfig configuration: the embedded fonts.conf plus
// the scan rules made from the font table. Nothing of the environment or
// the system's configuration takes part.
//
// Fonts are looked for first among the faces the build completed with the
// letters they lacked, beside the program (faces/complete_faces.py), then
// in fonts.conf's directories; a file of one name is read from the first
// directory that holds it. A completed face's file is read once, held to
// the file the build made, and read by every library from that checked
// copy (CompletedFaceFile.h).
//
// Its fonts are loaded as text needs them, file by file: a face when it is
// first asked for, DejaVu Sans with the first (fonts.conf puts it in every
// list of fonts pango makes), and every font of fonts.conf's directories
// only when a text holds a character both its face and DejaVu Sans lack.
// Pango then picks the same face for every character as it would with
// every font loaded: the face asked for comes first and DejaVu Sans second
// in each of its lists either way. Cairo draws a face asked for from a copy
// that names its glyphs by their text (FaceWithoutPrivateUse.h).
#include "Plattform/Ritning/FontFaces.h"

#include <fontconfig/fontconfig.h>

#include <mutex>
#include <string>
#include <string_view>

namespace fonts {

// Held by whoever reads or changes the configuration's fonts (the text
// engine while pango lays out text); a thread may take it again.
std::recursive_mutex& fontLock();

// Made on first use and kept for the life of the process; never null.
// Holds the fonts loaded so far.
FcConfig* configuration();

// Loads the face standing for the name unless it is loaded. Whether it is
// installed: a face of that PostScript name carrying the name as a family;
// false for a face of fonts.conf's directories whose file is missing. A
// completed face whose file is missing, cannot be read or is not the file
// the build made throws FaceFileError (FontFiles.h), each time it is
// asked for.
bool loadFace(const Face& face);

// Loads what pango needs to draw `text` in the face as it would with every
// font loaded (see above); `hyphenated` when soft hyphens will be put into
// it. When every font is loaded, every completed face is checked: one
// missing, unreadable or not the file the build made throws as loadFace
// does, so that a broken install is reported, never drawn otherwise.
void loadFacesFor(const Face& face, std::string_view text, bool hyphenated = false);

// Goes up each time fonts are added to the configuration, so that what
// was made from its fonts before (pango's font lists, laid-out text) can
// be made anew.
unsigned fontSetVersion();

// The fontconfig text: fonts.conf with the scan rules inserted.
std::string configurationText();

}  // namespace fonts
