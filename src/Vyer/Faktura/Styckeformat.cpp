#include "Vyer/Faktura/Styckeformat.h"

namespace {

ParagraphStyle with(TextAlignment alignment, LineBreakMode mode) {
    ParagraphStyle style;
    style.alignment = alignment;
    style.lineBreakMode = mode;
    return style;
}

}  // namespace

const ParagraphStyle& rightAligned() {
    static const ParagraphStyle style = with(TextAlignment::right, LineBreakMode::wordWrapping);
    return style;
}

const ParagraphStyle& centerAligned() {
    static const ParagraphStyle style = with(TextAlignment::center, LineBreakMode::wordWrapping);
    return style;
}

const ParagraphStyle& truncatedTail() {
    static const ParagraphStyle style = with(TextAlignment::natural, LineBreakMode::truncatingTail);
    return style;
}

const ParagraphStyle& clippedLeftOnCharacters() {
    static const ParagraphStyle style = with(TextAlignment::left, LineBreakMode::charWrapping);
    return style;
}

TextAttributes påEnRad(TextAttributes attribut) {
    ParagraphStyle stil = attribut.paragraphStyle.value_or(ParagraphStyle());
    stil.lineBreakMode = LineBreakMode::clipping;
    attribut.paragraphStyle = stil;
    return attribut;
}
