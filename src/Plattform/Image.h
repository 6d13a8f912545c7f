#pragma once
// An image the drawing layer can put on a page: a raster image from stored
// bytes (PNG, JPEG, TIFF, GIF), page 1 of a PDF kept as vectors, or a
// module image of a QR code or barcode, drawn sharp at any size.
#include "Plattform/Bild.h"
#include "Plattform/Geometry.h"

#include <cstdint>
#include <memory>
#include <span>

class Image {
public:
    virtual ~Image() = default;

    // None when the bytes are no image we can read (or a PDF without a page).
    static std::shared_ptr<const Image> fromBytes(std::span<const uint8_t> bytes);
    // Modules of a code: every pixel a sharp square, never smoothed.
    static std::shared_ptr<const Image> fromModules(Bild modules);

    // The natural size in points (pixels count as points); never zero for
    // an image that was made.
    virtual Size size() const = 0;

protected:
    Image() = default;
};
