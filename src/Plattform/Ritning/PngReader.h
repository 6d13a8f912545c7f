#pragma once
// A PNG decoded row by row into an image `reduction` times smaller each
// way, each pixel the average of a reduction x reduction box of the image
// as stored: a large image costs one row and the result, not its full
// size. An interlaced image arrives in seven passes and is held whole
// first; the caller bounds what that may take.
#include "Plattform/Ritning/RasterDecoding.h"

namespace raster {

// None when the bytes are no PNG libpng can read to its last row.
Surface readPng(std::span<const uint8_t> bytes, uint64_t reduction);

}  // namespace raster
