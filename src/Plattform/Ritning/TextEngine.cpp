#include "Plattform/Ritning/TextLayout.h"
#include "Plattform/Ritning/TextMeasurer.h"

namespace {

class SystemTextMeasurer : public TextMeasurer {
public:
    Size boundingSize(const AttributedString& text, Size bounds) const override {
        return text::measure(text, bounds);
    }
    double defaultLineHeight(const Font& font) const override { return text::defaultLineHeight(font); }
    BoundedSize boundedSize(const AttributedString& text, Size bounds, const TextBound& bound) const override {
        return text::measure(text, bounds, bound);
    }
    TextExtent extent(const AttributedString& text, const Rect& frame, TextDrawingMode mode,
                      const TextBound& bound) const override {
        return text::extent(text, frame, mode, bound);
    }
    std::vector<TextLine> lines(const AttributedString& text, double width, TextDrawingMode mode) const override {
        return text::lines(text, width, mode);
    }
    std::vector<TextLine> linesUpTo(const AttributedString& text, double width, TextDrawingMode mode,
                                    const TextBound& bound) const override {
        return text::lines(text, width, mode, bound);
    }
};

}  // namespace

BoundedSize TextMeasurer::boundedSize(const AttributedString& text, Size bounds, const TextBound&) const {
    const Size size = boundingSize(text, bounds);
    return {size, size.height, true};
}

std::vector<TextLine> TextMeasurer::linesUpTo(const AttributedString& text, double width, TextDrawingMode mode,
                                              const TextBound&) const {
    return lines(text, width, mode);
}

TextExtent TextMeasurer::extent(const AttributedString& text, const Rect& frame, TextDrawingMode,
                                const TextBound&) const {
    TextExtent out;
    out.size = boundingSize(text, {frame.width, frame.height});
    if (out.size.width > 0 || out.size.height > 0) out.lines.push_back({frame.x, frame.y, out.size.width, out.size.height});
    return out;
}

const TextMeasurer& systemTextMeasurer() {
    static const SystemTextMeasurer measurer;
    return measurer;
}
