#pragma once
// An image the drawing layer can put on a page: a raster image from stored
// bytes (PNG, JPEG, TIFF, GIF), page 1 of a PDF (PdfFirstPage: copied into
// a PDF we write as it is stored, never drawn by us), or a module image of
// a QR code or barcode, drawn sharp at any size.
#include "Plattform/Ritning/Bild.h"
#include "Plattform/Ritning/PdfFirstPage.h"
#include "Plattform/Geometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

class Image {
public:
    struct Read;
    virtual ~Image() = default;

    // The image in the bytes, to be drawn within a frame of `frame` points:
    // a raster image is decoded at no more than 300 dpi of that frame, a
    // PDF's page judged by drawing it at the size it is shown there (each
    // at its own size when none is given). Bytes that give no image say
    // why: too large to read or draw within this program's fixed bounds,
    // encrypted, or no image that can be read. StoredImage reads them once
    // for many frames.
    static Read fromBytes(std::span<const uint8_t> bytes, std::optional<Size> frame = std::nullopt);
    // A PDF's page as read (PdfFirstPage::read), judged once, at the
    // largest size any of `frames` shows it (its own size when none does):
    // what one image shown in several frames is read by.
    static Read fromPdfPage(PdfFirstPage::Read read, std::span<const Size> frames);
    // Modules of a code: every pixel a sharp square, never smoothed.
    static std::shared_ptr<const Image> fromModules(Bild modules);

    // The natural size in points (pixels count as points); never zero for
    // an image that was made.
    virtual Size size() const = 0;

protected:
    Image() = default;
};

struct Image::Read {
    std::shared_ptr<const Image> image;
    // Why there is no image, as a clause, whenever there is none: "it is
    // 20000 x 20000 pixels, more than 16384 a side", "it is encrypted",
    // "it is neither a PDF nor a PNG, JPEG, TIFF or GIF image".
    std::optional<std::string> refusal;
};
