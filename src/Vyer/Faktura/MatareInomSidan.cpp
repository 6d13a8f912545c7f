#include "Vyer/Faktura/MatareInomSidan.h"

#include <algorithm>

namespace {

TextBound inomSidan(const TextBound& bound) {
    const TextBound sidan = TextBound::frame(MätareInomSidan::högstaHöjd);
    return {std::min(bound.height, sidan.height), std::min(bound.bytes, sidan.bytes)};
}

}  // namespace

Size MätareInomSidan::boundingSize(const AttributedString& text, Size bounds) const {
    return hela_.boundedSize(text, bounds, inomSidan({})).size;
}

double MätareInomSidan::defaultLineHeight(const Font& font) const { return hela_.defaultLineHeight(font); }

BoundedSize MätareInomSidan::boundedSize(const AttributedString& text, Size bounds, const TextBound& bound) const {
    return hela_.boundedSize(text, bounds, inomSidan(bound));
}

TextExtent MätareInomSidan::extent(const AttributedString& text, const Rect& frame, TextDrawingMode mode,
                                   const TextBound& bound) const {
    return hela_.extent(text, frame, mode, inomSidan(bound));
}

std::vector<TextLine> MätareInomSidan::lines(const AttributedString& text, double width, TextDrawingMode mode) const {
    return hela_.linesUpTo(text, width, mode, inomSidan({}));
}

std::vector<TextLine> MätareInomSidan::linesUpTo(const AttributedString& text, double width, TextDrawingMode mode,
                                                 const TextBound& bound) const {
    return hela_.linesUpTo(text, width, mode, inomSidan(bound));
}
