#pragma once
// An image's stored bytes read for every frame that shows it, at the cost
// of one read: page 1 of a PDF is read once (in its child process) and
// shared by every frame, and judged again only for a frame that shows it
// larger than any before (once refused, it is refused for every frame
// after); frames known together are judged once, at the largest
// (forFrames). A raster image is decoded once for each number of pixels
// its frames need (frames of one size share one decoding), each decoding
// what Image::fromBytes gives for that frame. A file that gives no image
// is read once and refused everywhere for the same reason.
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
    // Makes ready for all of `frames`: a PDF's page is judged once, at the
    // largest size any of them shows it, so that forFrame judges it again
    // for none of them and it is in each or in none. A raster image is
    // decoded as each frame asks.
    void forFrames(std::span<const Size> frames);

private:
    // The PDF's page for these frames, judged at the largest size they
    // show it if no frame before showed it as large.
    Image::Read judged(std::span<const Size> frames);

    std::span<const uint8_t> bytes_;
    // A PDF's page, or why there is no image: the same for every frame.
    std::optional<Image::Read> whole_;
    // The largest size the page was judged at, as a scale.
    double judgedScale_ = 0;
    // Raster decodings by their reduction (RasterDecoding.h).
    std::map<uint64_t, Image::Read> byReduction_;
};
