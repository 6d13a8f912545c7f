#include "Plattform/TextLayout.h"
#include "Plattform/TextMeasurer.h"

namespace {

class SystemTextMeasurer : public TextMeasurer {
public:
    Size boundingSize(const AttributedString& text, Size bounds) const override {
        return text::measure(text, bounds);
    }
    double defaultLineHeight(const Font& font) const override { return text::defaultLineHeight(font); }
};

}  // namespace

const TextMeasurer& systemTextMeasurer() {
    static const SystemTextMeasurer measurer;
    return measurer;
}
