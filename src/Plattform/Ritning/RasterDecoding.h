#pragma once
// Raster images (PNG, JPEG, TIFF, GIF) decoded for drawing: at no more
// pixels than their frame needs at 300 dots an inch, and within fixed
// bounds that are the same on every machine, so that a document gives the
// same PDF wherever it is laid out. An image beyond a bound is refused
// from its header, before any decoder commits memory to it.
#include "Plattform/Geometry.h"

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace raster {

// Pixels decoded for each point of the frame: 300 dots an inch.
inline constexpr double pixelsPerPoint = 300.0 / 72;
// What a format that can only be decoded whole (TIFF, GIF, an interlaced
// PNG, a progressive JPEG) may take for it; a larger one is refused.
inline constexpr uint64_t mostMemoryDecodedWhole = uint64_t(128) << 20;
// Most pixels a decoded image holds, however large its frame.
inline constexpr uint64_t mostDecodedPixels = uint64_t(8) << 20;

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

struct Decoded {
    // Premultiplied ARGB32; none when the bytes give no image.
    Surface pixels;
    // The image's own size in pixels, upright.
    Size natural;
    // Why there are no pixels, as a clause: an image refused by its size
    // ("it is 20000 x 20000 pixels, more than 16384 a side"), or one that
    // cannot be decoded as its format ("it cannot be read as a PNG
    // image"). None when the bytes are of no format read here.
    std::optional<std::string> refusal;
};

// The image, decoded for drawing within a frame of `frame` points (any
// smaller frame needs fewer pixels); at its own size when no frame is
// given.
Decoded decode(std::span<const uint8_t> bytes, std::optional<Size> frame);

// By how much each way an image of width x height pixels is reduced for
// `frame`: the largest whole number that still leaves it 300 dpi in the
// frame, either way round, raised until it holds at most mostDecodedPixels.
uint64_t reduction(uint64_t width, uint64_t height, std::optional<Size> frame);

}  // namespace raster
