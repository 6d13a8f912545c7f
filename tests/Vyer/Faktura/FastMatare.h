#pragma once
// A text measurer with widths a test can work out by hand: every character
// is half its font size wide (12 pt when the run names no font), a line is
// 1.2 times the largest font size on it (clamped by the paragraph's
// minimum and maximum line height), tabs jump to the paragraph's next tab
// stop. Lines wrap at spaces, a word longer than the line between
// characters; clipping and truncating styles do not wrap. A text listed in
// `fasta` measures as given there, whatever its attributes.
#include "Plattform/Ritning/TextMeasurer.h"

#include <map>
#include <string>
#include <vector>

class FastMätare : public TextMeasurer {
public:
    std::map<std::string, Size> fasta;

    Size boundingSize(const AttributedString& text, Size bounds) const override;
    // Its lines as boundingSize stacks them, up to the bound.
    BoundedSize boundedSize(const AttributedString& text, Size bounds, const TextBound& bound) const override;
    double defaultLineHeight(const Font& font) const override { return font.pointSize * 1.2; }
    // The lines as boundingSize stacks them, in every mode; a text listed
    // in `fasta` is one line.
    std::vector<TextLine> lines(const AttributedString& text, double width, TextDrawingMode mode) const override;
    // The most lines one call of lines() has handed out.
    mutable size_t flestRader = 0;

    // The width of a text on one line, without tabs.
    static double bredd(const std::string& text, double teckenstorlek);

private:
    // The lines of the text wrapped at `bredd`, and the widest one's width.
    std::vector<TextLine> sättIRader(const AttributedString& text, double bredd, double* bredast) const;
};
