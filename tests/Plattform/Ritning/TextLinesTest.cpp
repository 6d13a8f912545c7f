// Where the text engine's lines start in the text and the bands they take:
// the places a text may be cut without cutting through a line, also where
// the engine lays out other bytes than the text holds (NULs dropped,
// noncharacters replaced, soft hyphens and no-break spaces put in).
#include "Plattform/Ritning/TextMeasurer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const TextMeasurer& engine = systemTextMeasurer();

TextAttributes helvetica(ParagraphStyle style = {}) { return {style, std::nullopt, Font{"HelveticaNeue", 10}}; }

std::string words(const std::string& word, int count, const std::string& between = " ") {
    std::string out;
    for (int i = 0; i < count; ++i) out += (i ? between : "") + word;
    return out;
}

// Lines in order, stacked without overlap from the top, the last ending at
// the measured height, the first starting the text.
void stacked(const AttributedString& text, double width) {
    const auto lines = engine.lines(text, width, TextDrawingMode::fromTopLeft);
    ASSERT_GT(lines.size(), 1u);
    EXPECT_EQ(lines.front().start, 0u);
    EXPECT_EQ(lines.front().top, 0);
    for (size_t i = 1; i < lines.size(); ++i) {
        EXPECT_GT(lines[i].start, lines[i - 1].start) << i;
        EXPECT_GE(lines[i].top, lines[i - 1].bottom) << i;
        EXPECT_GT(lines[i].bottom, lines[i].top) << i;
    }
    EXPECT_NEAR(lines.back().bottom, engine.boundingSize(text, {width, 0}).height, 1e-9);
}

// Every line but the first starts after a space or a paragraph's end, or
// (`inWords`) after a letter; always at a character's first byte.
void startsAtBreaks(const std::string& text, double width, ParagraphStyle style = {}, bool inWords = false) {
    SCOPED_TRACE(text.substr(0, 40));
    const AttributedString s(text, helvetica(style));
    stacked(s, width);
    const auto lines = engine.lines(s, width, TextDrawingMode::fromTopLeft);
    int afterSpace = 0;
    for (size_t i = 1; i < lines.size(); ++i) {
        const size_t at = lines[i].start;
        ASSERT_LT(at, text.size());
        EXPECT_NE(static_cast<unsigned char>(text[at]) & 0xC0, 0x80) << "inside a character at " << at;
        if (text[at - 1] == ' ' || text[at - 1] == '\n' || text.substr(at - 3, 3) == "\u2029") {
            ++afterSpace;
        } else {
            EXPECT_TRUE(inWords) << "line " << i << " starts at " << at << ": " << text.substr(at - 5, 12);
            EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(text[at - 1]))) << text.substr(at - 5, 12);
        }
    }
    EXPECT_GT(afterSpace, 0);
}

TEST(TextLines, StartAtTheBytesOfTheTextTheEngineLaysOutOtherwise) {
    const std::string nul("\0", 1);
    startsAtBreaks(words("Konsult" + nul + "timmar", 80), 150);
    // Noncharacters of four bytes become a replacement of three.
    startsAtBreaks(words("ab\U0001FFFEcd\U0010FFFFef", 80), 150);
    // A mark after a space is set on a no-break space put in before it.
    startsAtBreaks(words("ord \u0301x", 80), 150);
    // Paragraphs, with the separators the engine knows.
    startsAtBreaks(words(words("Rad", 30), 6, "\r\n") + "\u2029" + words("Stycke", 40), 150);
}

TEST(TextLines, StartAtTheBytesOfTheTextAcrossADictionarysHyphens) {
    // Soft hyphens go in at every point the dictionary gives, so a line
    // broken at a space after many of them must still start at its word.
    ParagraphStyle style;
    style.hyphenationFactor = 1;
    style.hyphenationLanguage = "sv";
    startsAtBreaks(words("betalningsmottagare ventilationsaggregat", 60), 220, style, true);
}

TEST(TextLines, StartAtTheBytesOfALongWordTheEngineBreaksItself) {
    // Words of hundreds of letters are broken by the engine's own code;
    // its lines start inside the word, at whole characters.
    const std::string nul("\0", 1);
    std::string word;
    for (int i = 0; i < 400; ++i) word += i % 7 ? "a" : "\u00E5" + nul;
    const std::string text = "Början " + word + " slut";
    const AttributedString s(text, helvetica());
    stacked(s, 120);
    const auto lines = engine.lines(s, 120, TextDrawingMode::fromTopLeft);
    // Each piece between two starts, set alone, is one line.
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        const AttributedString piece = s.substring(lines[i].start, lines[i + 1].start);
        EXPECT_EQ(engine.lines(piece, 120, TextDrawingMode::fromTopLeft).size(), 1u) << i;
    }
}

}  // namespace
