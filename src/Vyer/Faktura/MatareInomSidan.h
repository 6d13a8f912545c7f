#pragma once
// The measurer the view lays out with: every text but an item row's is
// laid out only as far as a page can show it. A fact, an address or a
// message stands on one page, so lines past the tallest page are never
// drawn, and a field of half a million lines costs what a page of it
// costs. Item rows flow over pages and are measured whole (`hela`).
#include "Plattform/Ritning/TextMeasurer.h"

class MätareInomSidan : public TextMeasurer {
public:
    // Taller than any paper an invoice is printed on, with room for a text
    // that starts above the page and for the fitter's search at 70 %.
    static constexpr double högstaHöjd = 2000;

    explicit MätareInomSidan(const TextMeasurer& hela) : hela_(hela) {}

    Size boundingSize(const AttributedString& text, Size bounds) const override;
    double defaultLineHeight(const Font& font) const override;
    BoundedSize boundedSize(const AttributedString& text, Size bounds, const TextBound& bound) const override;
    TextExtent extent(const AttributedString& text, const Rect& frame, TextDrawingMode mode,
                      const TextBound& bound = {}) const override;
    std::vector<TextLine> lines(const AttributedString& text, double width, TextDrawingMode mode) const override;
    std::vector<TextLine> linesUpTo(const AttributedString& text, double width, TextDrawingMode mode,
                                    const TextBound& bound) const override;

private:
    const TextMeasurer& hela_;
};
