// Stand-in until the text engine lands: half an em per byte, 1.2 em lines.
#include "Plattform/TextMeasurer.h"

#include <algorithm>

namespace {

class RoughMeasurer : public TextMeasurer {
public:
    Size boundingSize(const AttributedString& text, Size) const override {
        if (text.empty()) return {};
        double size = 12;
        for (const auto& run : text.runs())
            if (run.attributes.font) size = run.attributes.font->pointSize;
        return {text.length() * size * 0.5, size * 1.2};
    }
    double defaultLineHeight(const Font& font) const override { return font.pointSize * 1.2; }
};

}  // namespace

const TextMeasurer& systemTextMeasurer() {
    static const RoughMeasurer measurer;
    return measurer;
}
