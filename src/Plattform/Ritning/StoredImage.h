#pragma once
// An image's stored bytes read for every frame that shows it, at the cost
// of one read: page 1 of a PDF is read once (in its child process) and
// shared by every frame; a raster image is decoded once for each number of
// pixels its frames need (frames of one size share one decoding), each
// decoding what Image::fromBytes gives for that frame. A file that gives
// no image is read once and refused everywhere for the same reason.
#include "Plattform/Ritning/Image.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>

class StoredImage {
public:
    // The bytes are read when a frame asks and must outlive this.
    explicit StoredImage(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    // The image for a frame of `frame` points, as Image::fromBytes(bytes,
    // frame) reads it.
    Image::Read forFrame(std::optional<Size> frame);

private:
    std::span<const uint8_t> bytes_;
    // A PDF's page, or why there is no image: the same for every frame.
    std::optional<Image::Read> whole_;
    // Raster decodings by their reduction (RasterDecoding.h).
    std::map<uint64_t, Image::Read> byReduction_;
};
