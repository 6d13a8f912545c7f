#include "Plattform/Ritning/FontConfiguration.h"
#include "Plattform/Ritning/FontFaces.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Ritning/TextMeasurer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const TextMeasurer& engine = systemTextMeasurer();

struct Hhea {
    double ascent = 0, descent = 0, lineGap = 0;  // per point of size
};

// The face's hhea values read with FreeType from the font file itself,
// apart from the engine's own reading through HarfBuzz.
Hhea hheaOf(const std::string& name) {
    fonts::loadFace(fonts::faceFor(name));
    const std::string face = *fonts::substituteFaceName(name);
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_POSTSCRIPT_NAME, reinterpret_cast<const FcChar8*>(face.c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* set = FcFontList(fonts::configuration(), pattern, objects);
    FcChar8* file = nullptr;
    Hhea h;
    if (set && set->nfont > 0 && FcPatternGetString(set->fonts[0], FC_FILE, 0, &file) == FcResultMatch) {
        FT_Library library;
        FT_Init_FreeType(&library);
        FT_Face ft;
        if (FT_New_Face(library, reinterpret_cast<char*>(file), 0, &ft) == 0) {
            auto* t = static_cast<TT_HoriHeader*>(FT_Get_Sfnt_Table(ft, FT_SFNT_HHEA));
            double em = ft->units_per_EM;
            h = {t->Ascender / em, -t->Descender / em, t->Line_Gap / em};
            FT_Done_Face(ft);
        }
        FT_Done_FreeType(library);
    }
    if (set) FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return h;
}

TextAttributes in(const std::string& font, double size, ParagraphStyle style = {}) {
    return {style, std::nullopt, Font{font, size}};
}

Size measure(const std::string& text, const TextAttributes& attributes, double width = 1000) {
    return engine.boundingSize(AttributedString(text, attributes), {width, 1000});
}

double width(const std::string& text, const TextAttributes& attributes) { return measure(text, attributes).width; }

}  // namespace

TEST(TextEngine, EmptyTextMeasuresNothing) {
    EXPECT_EQ(engine.boundingSize(AttributedString(), {100, 100}), (Size{0, 0}));
    EXPECT_EQ(measure("", in("HelveticaNeue", 12)), (Size{0, 0}));
}

TEST(TextEngine, LinesStackByTheHheaAscentAndDescent) {
    for (const char* name : {"HelveticaNeue", "Baskerville", "GillSans", "Didot", "TrebuchetMS"}) {
        SCOPED_TRACE(name);
        Hhea h = hheaOf(name);
        ASSERT_GT(h.ascent, 0);
        double line = 10 * (h.ascent + h.descent);
        EXPECT_NEAR(measure("Hxg", in(name, 10)).height, line, 0.001);
        EXPECT_NEAR(measure("Hxg\nHxg\u2028Hxg", in(name, 10)).height, 3 * line, 0.001);
        // Full text layout adds the face's line gap.
        EXPECT_NEAR(engine.defaultLineHeight({name, 10}), line + 10 * h.lineGap, 0.001);
    }
}

TEST(TextEngine, SizesAreUnhintedAt72UnitsPerInch) {
    // Hinted metrics would round every advance to whole points; at pango's
    // default 96 dpi a 12-point text would measure a third more.
    double w12 = width("Hxg Hxg Hxg", in("HelveticaNeue", 12));
    double w24 = width("Hxg Hxg Hxg", in("HelveticaNeue", 24));
    EXPECT_NEAR(w24, 2 * w12, 0.01);
    EXPECT_NE(w12, std::round(w12));
    EXPECT_GT(w12, 11 * 12 * 0.3);
    EXPECT_LT(w12, 11 * 12 * 0.7);
}

TEST(TextEngine, WordWrapBreaksAWordLongerThanTheLine) {
    TextAttributes a = in("HelveticaNeue", 12);
    double line = measure("x", a).height;
    Size s = measure("Supercalifragilisticexpialidocious", a, 60);
    EXPECT_LE(s.width, 60);
    EXPECT_GE(s.height, 3 * line - 0.001);
    // Words that fit are not broken.
    Size words = measure("ab cd ef", a, width("ab cd", a) + 1);
    EXPECT_NEAR(words.height, 2 * line, 0.001);
    EXPECT_NEAR(words.width, width("ab cd", a), 0.001);
}

TEST(TextEngine, TruncatingTailKeepsEveryLine) {
    ParagraphStyle truncating;
    truncating.lineBreakMode = LineBreakMode::truncatingTail;
    TextAttributes a = in("HelveticaNeue", 12, truncating);
    double line = measure("x", a).height;
    Size s = measure("Storgatan 1 med en lång adress\u2028SE-123 45 Malmö som inte ryms", a, 80);
    EXPECT_NEAR(s.height, 2 * line, 0.001);
    EXPECT_LE(s.width, 80);
    EXPECT_GT(s.width, 60);
    // A line that fits is left as it is.
    EXPECT_NEAR(measure("Kort", a, 80).width, width("Kort", in("HelveticaNeue", 12)), 0.001);
}

TEST(TextEngine, ALineTooWideForPangoToMeasureIsTruncatedToo) {
    // 150 000 flags are some three million points, past the 32-bit units
    // pango measures a line in: cut whole, it was not cut at all. Its two
    // ends are laid out, and the line keeps to its frame.
    ParagraphStyle truncating;
    truncating.lineBreakMode = LineBreakMode::truncatingTail;
    std::string flags;
    for (int i = 0; i < 150000; ++i) flags += "\U0001F1F8\U0001F1EA";
    for (const std::string& text : {flags, "Ekbacken " + flags + "\u2028" + flags}) {
        const AttributedString s(text, in("HelveticaNeue", 12, truncating));
        const Size size = engine.boundingSize(s, {80, 1000});
        EXPECT_GT(size.width, 40);
        EXPECT_LE(size.width, 80);
        const std::vector<TextLine> lines = engine.lines(s, 80, TextDrawingMode::fromTopLeft);
        ASSERT_EQ(lines.size(), text == flags ? 1u : 2u);
        EXPECT_EQ(lines[0].start, 0u);
        if (lines.size() == 2) {
            EXPECT_EQ(lines[1].start, text.find("\u2028") + 3);
        }
    }
}

TEST(TextEngine, ABlankLineIsALineOfItsOwn) {
    // Empty paragraphs between others, at the end, and in every mode: each
    // is a line of the font's height, starting at its own byte.
    for (LineBreakMode mode : {LineBreakMode::wordWrapping, LineBreakMode::clipping, LineBreakMode::truncatingTail}) {
        SCOPED_TRACE(static_cast<int>(mode));
        ParagraphStyle style;
        style.lineBreakMode = mode;
        const AttributedString s("a\n\n\nb\n\n", in("HelveticaNeue", 10, style));
        const double line = measure("x", in("HelveticaNeue", 10)).height;
        EXPECT_NEAR(engine.boundingSize(s, {60, 100}).height, 5 * line, 0.001);
        std::vector<size_t> starts;
        for (const TextLine& l : engine.lines(s, 60, TextDrawingMode::fromTopLeft)) starts.push_back(l.start);
        EXPECT_EQ(starts, (std::vector<size_t>{0, 2, 3, 4, 6}));
    }
}

TEST(TextEngine, ClippingDoesNotWrap) {
    ParagraphStyle clipping;
    clipping.lineBreakMode = LineBreakMode::clipping;
    TextAttributes a = in("HelveticaNeue", 12, clipping);
    Size s = measure("ett två tre fyra fem sex sju", a, 50);
    EXPECT_NEAR(s.height, measure("x", a).height, 0.001);
    EXPECT_EQ(s.width, 50);
}

TEST(TextEngine, TabStops) {
    ParagraphStyle style;
    style.tabStops = {{TextTab::Kind::right, 50}, {TextTab::Kind::left, 55}};
    TextAttributes a = in("HelveticaNeue", 10, style);
    // A right tab ends the text before the next tab at the stop.
    EXPECT_NEAR(width("\tAB", a), 50, 0.01);
    EXPECT_NEAR(width("\tAB\tC", a), 55 + width("C", a), 0.01);
    // Default stops every 28 points, not pango's eight spaces.
    TextAttributes plain = in("HelveticaNeue", 10);
    EXPECT_NEAR(width("a\tb", plain), 28 + width("b", plain), 0.01);
    EXPECT_NEAR(width("a\t\tb", plain), 56 + width("b", plain), 0.01);
}

TEST(TextEngine, HeadIndentAppliesToLinesAfterTheFirst) {
    // Whatever the line-break mode: truncation cuts lines one by one, and
    // each keeps its indent.
    for (LineBreakMode mode : {LineBreakMode::wordWrapping, LineBreakMode::clipping, LineBreakMode::truncatingTail}) {
        SCOPED_TRACE(static_cast<int>(mode));
        ParagraphStyle style;
        style.lineBreakMode = mode;
        style.headIndent = 55;
        TextAttributes a = in("HelveticaNeue", 10, style);
        EXPECT_NEAR(width("AAAAAAAAAAAA\u2028B", a), width("AAAAAAAAAAAA", a), 0.01);
        EXPECT_NEAR(width("A\u2028B", a), 55 + width("B", a), 0.01);
        EXPECT_NEAR(width("A\u2028\u2028B", a), 55 + width("B", a), 0.01);
        // A new paragraph starts at the first-line indent again.
        style.firstLineHeadIndent = 7;
        TextAttributes b = in("HelveticaNeue", 10, style);
        EXPECT_NEAR(width("B\u2029", b), 7 + width("B", a), 0.01);
        EXPECT_NEAR(width("B\u2029B", b), 7 + width("B", a), 0.01);
    }
}

TEST(TextEngine, FixedLineHeightAndParagraphSpacing) {
    ParagraphStyle style;
    style.minimumLineHeight = style.maximumLineHeight = 20;
    style.paragraphSpacing = 7;
    TextAttributes a = in("HelveticaNeue", 12, style);
    EXPECT_NEAR(measure("a", a).height, 20, 1e-9);
    EXPECT_NEAR(measure("a\u2028b", a).height, 40, 1e-9);
    // Spacing between paragraphs, not after the last.
    EXPECT_NEAR(measure("a\u2029b\u2029c", a).height, 3 * 20 + 2 * 7, 1e-9);
    style.minimumLineHeight = style.maximumLineHeight = 5;
    EXPECT_NEAR(measure("a\nb", in("HelveticaNeue", 12, style)).height, 2 * 5 + 7, 1e-9);
}

TEST(TextEngine, BareTabsAndSeparatorsDoNotRaiseTheLine) {
    // A table row appends a tab and a separator without attributes; in a
    // small font that row keeps the small font's height.
    TextAttributes small = in("HelveticaNeue", 7);
    double line = measure("x", small).height;
    AttributedString row("\t", {});
    row.append("Kundnummer", small);
    row.append("\t");
    row.append("1042", small);
    row.append(paragraphSeparator);
    row.append("Datum", small);
    Size s = engine.boundingSize(row, {1000, 1000});
    EXPECT_NEAR(s.height, 2 * line, 0.001);
}

TEST(TextEngine, MixedFontsTakeTheTallestLine) {
    AttributedString s("small ", in("HelveticaNeue", 8));
    s.append("BIG", in("Baskerville", 20));
    Hhea a = hheaOf("HelveticaNeue"), b = hheaOf("Baskerville");
    double expected = std::max(8 * a.ascent, 20 * b.ascent) + std::max(8 * a.descent, 20 * b.descent);
    EXPECT_NEAR(engine.boundingSize(s, {1000, 1000}).height, expected, 0.001);
}

TEST(TextEngine, BadSizesAndWidthsAreSafe) {
    TextAttributes zero = in("HelveticaNeue", 0), twelve = in("HelveticaNeue", 12);
    EXPECT_EQ(measure("abc", zero), measure("abc", twelve));
    EXPECT_EQ(measure("abc", in("HelveticaNeue", std::nan(""))), measure("abc", twelve));
    EXPECT_GT(measure("abc", in("HelveticaNeue", 1e300)).width, 0);
    // A width that is not positive does not wrap.
    for (double w : {0.0, -5.0, std::nan(""), HUGE_VAL})
        EXPECT_EQ(engine.boundingSize(AttributedString("ab cd ef", twelve), {w, 10}), measure("ab cd ef", twelve));
    EXPECT_GT(measure(std::string("a\0b", 3), twelve).width, 0);
}

TEST(TextEngine, HyphenationBreaksWordsByTheDictionary) {
    ParagraphStyle style;
    style.hyphenationFactor = 1;
    style.hyphenationLanguage = "sv";
    TextAttributes hyphenating = in("HelveticaNeue", 12, style), plain = in("HelveticaNeue", 12);
    // Swedish breaks "betalnings-mottagare" there: the first line takes
    // part of the long word, ending in a hyphen.
    std::string text = "Till betalningsmottagare";
    double w = width("Till betalnings-", plain) + 2;
    double line = measure("x", plain).height;
    Size s = measure(text, hyphenating, w);
    EXPECT_NEAR(s.width, width("Till betalnings-", plain), 0.5);
    EXPECT_NEAR(s.height, 2 * line, 0.001);
    EXPECT_NE(measure(text, plain, w), s);
    // No dictionary for the language: no hyphenation, no failure.
    style.hyphenationLanguage = "xx";
    EXPECT_EQ(measure(text, in("HelveticaNeue", 12, style), w), measure(text, plain, w));
}

TEST(TextEngine, AWordBrokenForLackOfRoomGetsNoHyphen) {
    const TextAttributes plain = in("HelveticaNeue", 12);
    ParagraphStyle characters;
    characters.lineBreakMode = LineBreakMode::charWrapping;
    // "Konsulttimmar" has no room for more than "Konsulttim": the line ends
    // there, not at a shorter "Konsultti-".
    const double w = width("Konsulttim", plain) + 0.3;
    EXPECT_NEAR(measure("Konsulttimmar", plain, w).width, width("Konsulttim", plain), 0.001);
    EXPECT_NEAR(measure("Konsulttimmar", in("HelveticaNeue", 12, characters), w).width, width("Konsulttim", plain),
                0.001);
    // A hyphenating style breaks a word so where the dictionary gives it no
    // point ("av-gift" would leave two letters), and the break too keeps
    // three letters on either side: "avg", though "avgi" would fit.
    ParagraphStyle hyphenating;
    hyphenating.hyphenationFactor = 1;
    hyphenating.hyphenationLanguage = "sv";
    EXPECT_NEAR(measure("avgift", in("HelveticaNeue", 12, hyphenating), width("avgi", plain) + 0.3).width,
                width("avg", plain), 0.001);
    // Nor does a word left with one or two letters on the next line: room
    // for all of "ventilationsaggregat" but its last letter breaks it
    // before its last three.
    const double nästanHela = width("ventilationsaggrega", plain) + 0.3;
    EXPECT_NEAR(measure("ventilationsaggregat", plain, nästanHela).width, width("ventilationsaggre", plain), 0.001);
    // A style that asks for breaks between any characters gets them.
    EXPECT_NEAR(measure("ventilationsaggregat", in("HelveticaNeue", 12, characters), nästanHela).width,
                width("ventilationsaggrega", plain), 0.001);
    // A soft hyphen the text holds still shows where the line breaks there.
    const double shy = width("Konsult-", plain) + 0.3;
    EXPECT_NEAR(measure("Konsult\u00ADtimmar", plain, shy).width, width("Konsult-", plain), 0.001);
}

TEST(TextEngine, HyphenationKeepsThreeLettersOnEitherSide) {
    ParagraphStyle style;
    style.hyphenationFactor = 1;
    style.hyphenationLanguage = "sv";
    const TextAttributes hyphenating = in("HelveticaNeue", 12, style), plain = in("HelveticaNeue", 12);
    // Room for "ekono-", yet the break comes after "eko", not before "mi".
    Size s = measure("ekonomi", hyphenating, width("ekono-", plain) + 0.3);
    EXPECT_NEAR(s.width, std::max(width("eko-", plain), width("nomi", plain)), 0.001);
    EXPECT_NEAR(s.height, 2 * measure("x", plain).height, 0.001);
}

TEST(TextEngine, LongWordsThatPangoMustBreakStayInTheWidth) {
    // Tabs and right-to-left text are broken by pango itself, also around
    // a word of more letters than any line holds.
    std::string latin, hebrew;
    for (int i = 0; i < 150; ++i) latin += "abc", hebrew += "\u05D0\u05D1\u05D2";
    const TextAttributes a = in("HelveticaNeue", 12);
    const double line = measure("x", a).height;
    for (const std::string& text : {"Summa\t" + latin, hebrew, "ord " + hebrew + " ord"}) {
        Size s = measure(text, a, 120);
        EXPECT_LE(s.width, 120);
        EXPECT_GT(s.height, 5 * line);
    }
}

TEST(TextEngine, AMarkAfterWhiteSpaceWrapsWithoutAborting) {
    // Pango aborts breaking a paragraph that starts with a space and a mark
    // of a right-to-left script, as an import may plant in a comment.
    const TextAttributes a = in("HelveticaNeue", 12);
    for (const std::string text : {" \u05BC@", "  \u05B0ab", " \u200D\u05B0@", "\u05D0\n \u0301\u05D0"}) {
        Size s = measure(text, a, 1.4);
        EXPECT_GT(s.height, 0) << text;
        AttributedString runs(" ", a);
        runs.append(text.substr(1), in("Baskerville", 10));
        EXPECT_GT(engine.boundingSize(runs, {1.4, 100}).height, 0) << text;
    }
}
