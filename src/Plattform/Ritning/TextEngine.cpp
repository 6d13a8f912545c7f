#include "Plattform/Ritning/TextLayout.h"
#include "Plattform/Ritning/TextMeasurer.h"

namespace {

class SystemTextMeasurer : public TextMeasurer {
public:
    Size boundingSize(const AttributedString& text, Size bounds) const override {
        return text::measure(text, bounds);
    }
    double defaultLineHeight(const Font& font) const override { return text::defaultLineHeight(font); }
    TextExtent extent(const AttributedString& text, const Rect& frame, TextDrawingMode mode) const override {
        return text::extent(text, frame, mode);
    }
    std::vector<TextLine> lines(const AttributedString& text, double width, TextDrawingMode mode) const override {
        return text::lines(text, width, mode);
    }
};

}  // namespace

TextExtent TextMeasurer::extent(const AttributedString& text, const Rect& frame, TextDrawingMode) const {
    TextExtent out;
    out.size = boundingSize(text, {frame.width, frame.height});
    if (out.size.width > 0 || out.size.height > 0) out.lines.push_back({frame.x, frame.y, out.size.width, out.size.height});
    return out;
}

const TextMeasurer& systemTextMeasurer() {
    static const SystemTextMeasurer measurer;
    return measurer;
}
