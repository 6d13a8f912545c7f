#pragma once
// Where an image of a drawing object lands in its frame.
#include "Plattform/Geometry.h"

#include <optional>

// The image scaled to fit the frame with its aspect kept, centred along the
// spare direction and widened to whole points. None when the image or the
// frame has no area (or is not finite): there is nothing to fit.
std::optional<Rect> passaInBild(Size bild, const Rect& ram);
