#pragma once
// The program's own fontconfig configuration: the embedded fonts.conf plus
// the scan rules made from the font table. Nothing of the environment or
// the system's configuration takes part.
#include "Plattform/FontFaces.h"

#include <fontconfig/fontconfig.h>

#include <string>

namespace fonts {

// Loaded on first use and kept for the life of the process; never null,
// but without fonts when the configuration could not be loaded.
FcConfig* configuration();

// Whether the face standing for the name is installed: a face of that
// PostScript name carrying the name as a family.
bool isFaceInstalled(const Face& face);

// The fontconfig text: fonts.conf with the scan rules inserted.
std::string configurationText();

}  // namespace fonts
