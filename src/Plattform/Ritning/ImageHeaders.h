#pragma once
// The size an image file states in its header, read without decoding it:
// to refuse an image before a decoder commits memory to it.
#include <cstddef>
#include <cstdint>
#include <optional>

// Images, raster files and those a PDF draws alike, that state more than
// this many pixels a side are refused from their headers.
inline constexpr uint64_t largestImageSide = 16384;

struct ImageHeader {
    uint64_t width = 0, height = 0;
    uint64_t components = 0;  // samples a pixel (JPEG, JPEG 2000)
    // Decoded whole rather than row by row: a progressive JPEG, an
    // interlaced PNG.
    bool wholeAtOnce = false;
};

// Each reads the `size` bytes at `bytes` (C++17, for the code built with
// qpdf; QpdfMemory.h says why).

// A JPEG's frame header (the first SOF marker).
std::optional<ImageHeader> jpegHeader(const uint8_t* bytes, size_t size);
// A JPEG 2000 codestream's SIZ segment, in a JP2 file or bare.
std::optional<ImageHeader> jpeg2000Header(const uint8_t* bytes, size_t size);
// The largest page or region a JBIG2 stream's segments state (a PDF's
// image data, or its JBIG2Globals, or a whole file): the decoder makes room
// for the page as its page information states it, whatever the image's
// dictionary says. Zero by zero when no segment states a size.
ImageHeader jbig2Header(const uint8_t* bytes, size_t size);
// A PNG's IHDR chunk.
std::optional<ImageHeader> pngHeader(const uint8_t* bytes, size_t size);
