#pragma once
// The values text is drawn with: font, colour, paragraph style and the
// attribute set of a run of text.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A font as asked for: a PostScript name and a size in points. Which face
// stands for the name is the font registry's business (FontRegistry.h).
struct Font {
    std::string name;
    double pointSize = 0;

    // What is drawn when a stored font cannot be decoded.
    static Font standard() { return {"Helvetica", 12}; }

    friend bool operator==(const Font&, const Font&) = default;
};

// Device-independent RGB with alpha, each component 0 to 1.
struct Color {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 1;

    static Color black() { return {0, 0, 0, 1}; }
    static Color white() { return {1, 1, 1, 1}; }
    static Color grey(double white) { return {white, white, white, 1}; }
    static Color rgb(double r, double g, double b) { return {r, g, b, 1}; }

    friend bool operator==(const Color&, const Color&) = default;
};

// Paragraph alignment as documents store it (a word). Any stored value is
// kept, also one outside the five known ones, so it can be written back.
// Natural is left for the languages of invoices.
enum class TextAlignment : int64_t { left = 0, right = 1, center = 2, justified = 3, natural = 4 };

enum class LineBreakMode : int64_t {
    wordWrapping = 0,   // a word longer than the line is broken between characters
    charWrapping = 1,
    clipping = 2,       // no wrapping; lines are cut at the frame's edges
    truncatingHead = 3,
    truncatingTail = 4, // each line that does not fit ends in an ellipsis
    truncatingMiddle = 5,
};

struct TextTab {
    enum class Kind { left, right };
    Kind kind = Kind::left;
    double location = 0;

    friend bool operator==(const TextTab&, const TextTab&) = default;
};

struct ParagraphStyle {
    TextAlignment alignment = TextAlignment::natural;
    LineBreakMode lineBreakMode = LineBreakMode::wordWrapping;
    // Twelve left tabs 28 points apart, as a new paragraph style has them.
    std::vector<TextTab> tabStops = defaultTabStops();
    // Past the last tab stop, tabs fall every this many points (0: none).
    double defaultTabInterval = 0;
    double firstLineHeadIndent = 0;
    double headIndent = 0;
    double minimumLineHeight = 0;  // 0: no minimum
    double maximumLineHeight = 0;  // 0: no maximum
    double paragraphSpacing = 0;   // added after each paragraph but the last
    double hyphenationFactor = 0;  // above 0: hyphenate by dictionary
    // The language whose dictionary hyphenates ("sv", "en", ...); none
    // known: no hyphenation.
    std::string hyphenationLanguage;

    static std::vector<TextTab> defaultTabStops() {
        std::vector<TextTab> tabs;
        for (int i = 1; i <= 12; ++i) tabs.push_back({TextTab::Kind::left, 28.0 * i});
        return tabs;
    }

    friend bool operator==(const ParagraphStyle&, const ParagraphStyle&) = default;
};

// The attributes a run of text is drawn with. Absent entries are absent
// from the set, not defaulted: the text engine supplies its own defaults
// (the standard font, black, the default paragraph style).
struct TextAttributes {
    std::optional<ParagraphStyle> paragraphStyle;
    std::optional<Color> foregroundColor;
    std::optional<Font> font;

    size_t count() const { return (font ? 1 : 0) + (paragraphStyle ? 1 : 0) + (foregroundColor ? 1 : 0); }

    // The same attributes with every length times `factor`: the font's
    // size, tab stops, indents, line heights and paragraph spacing.
    TextAttributes scaled(double factor) const;

    friend bool operator==(const TextAttributes&, const TextAttributes&) = default;
};
