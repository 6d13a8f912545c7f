#pragma once
// The text-drawing values a style hands to the drawing layer: font, colour,
// alignment and the attribute set a field's text is drawn with.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

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

    friend bool operator==(const Color&, const Color&) = default;
};

// Paragraph alignment as documents store it (a word). Any stored value is
// kept, also one outside the five known ones, so it can be written back.
enum class TextAlignment : int64_t { left = 0, right = 1, center = 2, justified = 3, natural = 4 };

struct ParagraphStyle {
    TextAlignment alignment = TextAlignment::natural;  // the platform default

    friend bool operator==(const ParagraphStyle&, const ParagraphStyle&) = default;
};

// The attributes a run of text is drawn with. Absent entries are absent
// from the set, not defaulted: the drawing layer supplies its own defaults.
struct TextAttributes {
    std::optional<ParagraphStyle> paragraphStyle;
    std::optional<Color> foregroundColor;
    Font font;

    size_t count() const { return 1 + (paragraphStyle ? 1 : 0) + (foregroundColor ? 1 : 0); }
};
