// A long paragraph is laid out in windows of bounded length: pango is never
// handed more than a window, nor attributes per word beyond a window's,
// and the lines are those of the paragraph laid out whole.
#include "ClusterBoundaries.h"
#include "PangoWatch.h"

#include "Plattform/Ritning/Hyphenation.h"
#include "Plattform/Ritning/TextLayout.h"
#include "Plattform/Ritning/TextMeasurer.h"
#include "Plattform/Ritning/TextWindows.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

const TextMeasurer& engine = systemTextMeasurer();

std::string repeated(const std::string& unit, size_t bytes) {
    std::string s;
    while (s.size() < bytes) s += unit;
    return s;
}

TextAttributes helvetica(ParagraphStyle style = {}) { return {style, std::nullopt, Font{"HelveticaNeue", 9}}; }

ParagraphStyle hyphenating() {
    ParagraphStyle style;
    style.hyphenationFactor = 1;
    style.hyphenationLanguage = "de";
    return style;
}

// Every line of the text laid out from the paragraph in windows of
// `bytes`.
std::vector<text::WindowLine> linesInWindows(const text::PangoText& t, const text::WindowFrame& frame, size_t bytes) {
    std::vector<text::WindowLine> lines;
    text::layOutInWindows(
        t, frame,
        [&](const text::WindowLine& l) {
            lines.push_back(l);
            return true;
        },
        bytes);
    return lines;
}

text::PangoText pangoTextOf(const AttributedString& s, const std::vector<size_t>& hyphens = {}) {
    return text::pangoText(s, 0, s.length(), false, hyphens);
}

bool afterVirama(std::string_view s, size_t at) {
    if (at == 0) return false;
    auto i = static_cast<int32_t>(at);
    UChar32 c;
    U8_PREV(s.data(), 0, i, c);
    return u_getCombiningClass(c) == 9;
}

text::WindowFrame frameOf(const text::PangoText& t, double width) {
    text::WindowFrame frame;
    frame.width = static_cast<int>(width * PANGO_SCALE);
    frame.breaks = {.hyphensOnlyAtSoftHyphens = true, .noShortPiecesOfWords = true};
    frame.direction = text::baseDirection(t.text);
    return frame;
}

// The paragraph laid out at a width of 150 and drawn on a page, as the
// invoice does, with what pango was handed on the way.
struct LaidOut {
    std::vector<TextLine> lines;
    pangowatch::Seen seen;
};

LaidOut layOutAndDraw(const AttributedString& s) {
    text::forgetLayouts();
    pangowatch::reset();
    LaidOut out;
    out.lines = engine.lines(s, 150, TextDrawingMode::fromTopLeft);
    cairo_surface_t* page = cairo_image_surface_create(CAIRO_FORMAT_A8, 595, 842);
    cairo_t* cr = cairo_create(page);
    text::draw(cr, s, {20, 20, 150, 800}, TextDrawingMode::fromTopLeft);
    cairo_destroy(cr);
    cairo_surface_destroy(page);
    out.seen = pangowatch::seen();
    return out;
}

}  // namespace

TEST(TextWindows, PangoIsHandedALongParagraphAWindowAtATime) {
    // Laid out whole, a paragraph of words of seven letters gave pango all
    // of it with two attributes a word, whose starts pango's breaker finds
    // from the text's beginning: a million characters did not finish in
    // five minutes.
    const std::vector<AttributedString> paragraphs = {
        AttributedString(repeated("abcdefg ", 30000), helvetica()),
        AttributedString(repeated("Rechnungsnummer Versicherungsgesellschaft ", 30000), helvetica(hyphenating())),
        AttributedString(repeated("k", 30000), helvetica()),
    };
    for (const AttributedString& s : paragraphs) {
        SCOPED_TRACE(s.text().substr(0, 20));
        const auto [lines, seen] = layOutAndDraw(s);
        EXPECT_GT(lines.size(), 100u);
        EXPECT_GT(seen.texts, 5u);
        // No window of these needs to grow: each holds many lines.
        EXPECT_LE(seen.longestText, 2 * text::windowBytes);
        EXPECT_LE(seen.mostBreakAttributes, text::windowBytes / 4);
    }
}

TEST(TextWindows, ClustersOfAnyKindAreHandedToPangoAWindowAtATime) {
    // A long word was cut into pieces only between two characters that
    // are clusters of their own, so a word of clusters of several
    // characters stayed one piece, and every window reached to its end:
    // each of 16 times a window's bytes kept one line, and 100 000 code
    // points took a minute. Whatever the clusters, what pango is handed
    // at once is bounded, and in all a few times the text.
    const std::vector<std::pair<const char*, std::string>> clusters = {
        {"letter and two accents", "a\u0301\u0323"},
        {"flags", "\U0001F1F8\U0001F1EA"},
        {"emoji and skin tone", "\U0001F44D\U0001F3FD"},
        {"Hangul jamo", "\u1100\u1161\u11A8"},
        {"Devanagari consonant and virama", "\u0915\u094D"},
        {"Tamil", "\u0BA4\u0BAE\u0BBF\u0BB4\u0BCD"},
        {"Latin", "k"},
    };
    for (const auto& [name, cluster] : clusters) {
        for (const std::string& word : {cluster, repeated(cluster, 8 * cluster.size()) + " "}) {
            SCOPED_TRACE(std::string(name) + (word == cluster ? ", one word" : ", words"));
            const AttributedString s(repeated(word, 30000), helvetica());
            const auto [lines, seen] = layOutAndDraw(s);
            EXPECT_GT(lines.size(), 50u);
            EXPECT_LE(seen.longestText, 2 * text::windowBytes);
            EXPECT_LE(seen.allText, 4 * s.length());
            // Each character on one line, in order: the lines start one
            // after the other, each between two clusters (pango's: they
            // predate the rule that joins a consonant to a virama before
            // it).
            const std::set<size_t> boundaries = clusterBoundaries(s.text());
            for (size_t i = 0; i < lines.size(); ++i) {
                const size_t start = lines[i].start;
                EXPECT_TRUE(i == 0 ? start == 0 : start > lines[i - 1].start) << i;
                EXPECT_TRUE(boundaries.contains(start) || afterVirama(s.text(), start)) << i;
            }
        }
    }
}

TEST(TextWindows, BreakAsTheParagraphLaidOutWhole) {
    // Against the engine's own layout of a paragraph just short of a
    // window: the same lines from windows of 512 bytes.
    struct Case {
        const char* name;
        AttributedString text;
        double width;
    };
    const std::vector<Case> cases = {
        {"words", AttributedString(repeated("Konsulttimmar och resekostnader ", 4000), helvetica()), 150},
        // Soft hyphens go in at the dictionary's points: the text pango
        // gets is longer.
        {"hyphenated", AttributedString(repeated("Rechnungsnummer Versicherungsgesellschaft ", 2900),
                                        helvetica(hyphenating())), 150},
        // Every word broken for lack of room: the rules for breaks in words
        // decide every line.
        {"narrow", AttributedString(repeated("ventilationsaggregat ", 4000), helvetica()), 31},
        // Lines may break between ideographs, but not in the first or last
        // three of a run (of 15 here).
        {"ideographs", AttributedString(repeated(repeated("\u4E2D\u6587\u672C\u6D4B\u8BD5", 42) + " ", 4000),
                                        helvetica()), 97},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<size_t> whole;
        for (const TextLine& l : engine.lines(c.text, c.width, TextDrawingMode::fromTopLeft)) whole.push_back(l.start);
        const ParagraphStyle* style = c.text.paragraphStyleAt(0);
        const std::vector<size_t> hyphens =
            style && style->hyphenationFactor > 0 ? hyphenationPoints(c.text.text(), style->hyphenationLanguage)
                                                  : std::vector<size_t>{};
        const text::PangoText t = pangoTextOf(c.text, hyphens);
        ASSERT_LE(t.text.size(), text::windowBytes);
        std::vector<size_t> windowed;
        for (const text::WindowLine& l : linesInWindows(t, frameOf(t, c.width), 512))
            windowed.push_back(text::sourceOffset(t, l.start));
        EXPECT_GT(whole.size(), 20u);
        EXPECT_EQ(windowed, whole);
    }
}

TEST(TextWindows, WindowsOfAnyLengthSetTheSameLines) {
    // What a window after the paragraph's first stands for: the indent of
    // the paragraph's other lines and their tab stops, justification, the
    // paragraph's direction where a window starts in words of the other,
    // lines the engine breaks itself.
    struct Case {
        const char* name;
        std::string text;
        int indent = 0;  // points
        bool justify = false;
        bool engineBreaks = false;
        PangoWrapMode wrap = PANGO_WRAP_WORD_CHAR;
    };
    std::string hebrew;
    for (int i = 0; i < 60; ++i) hebrew += i % 20 < 10 ? "\u05D7\u05E9\u05D1\u05D5\u05E0\u05D9\u05EA " : "invoice ";
    const std::vector<Case> cases = {
        {"justified under a hanging indent, with tabs",
         repeated("Konsulttimmar\toch resekostnader i mars och april ", 6000), -60, true},
        {"right to left", repeated(hebrew, 6000)},
        {"long words", repeated(repeated("x", 700) + " ord ", 6000), 0, false, true},
        {"line separators", repeated("ab\u2028\u0301cd ", 6000)},
        {"characters", repeated("Konsulttimmar ", 6000), 0, false, false, PANGO_WRAP_CHAR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const text::PangoText t = pangoTextOf(AttributedString(c.text, helvetica()));
        text::WindowFrame frame = frameOf(t, 150);
        frame.indent = c.indent * PANGO_SCALE;
        frame.justify = c.justify;
        frame.engineBreaks = c.engineBreaks;
        frame.wrap = c.wrap;
        if (c.text.find('\t') != std::string::npos) {
            frame.tabs.reset(pango_tab_array_new_with_positions(2, FALSE, PANGO_TAB_LEFT, 80 * PANGO_SCALE,
                                                                PANGO_TAB_LEFT, 120 * PANGO_SCALE));
            frame.laterTabs.reset(pango_tab_array_new_with_positions(2, FALSE, PANGO_TAB_LEFT, 20 * PANGO_SCALE,
                                                                     PANGO_TAB_LEFT, 60 * PANGO_SCALE));
        }
        const auto whole = linesInWindows(t, frame, t.text.size());
        const auto windowed = linesInWindows(t, frame, 512);
        ASSERT_GT(whole.size(), 40u);
        ASSERT_EQ(windowed.size(), whole.size());
        for (size_t i = 0; i < whole.size(); ++i) {
            SCOPED_TRACE(i);
            const text::WindowLine &a = windowed[i], &b = whole[i];
            EXPECT_EQ(a.start, b.start);
            EXPECT_EQ(a.end, b.end);
            EXPECT_EQ(a.engineBroken, b.engineBroken);
            EXPECT_EQ(a.x, b.x);
            EXPECT_EQ(a.width, b.width);
            EXPECT_EQ(a.inkLeft, b.inkLeft);
            EXPECT_EQ(a.inkWidth, b.inkWidth);
            if (::testing::Test::HasFailure()) return;
        }
    }
}

TEST(TextWindows, ALayoutLargerThanTheCacheIsKeptWhileOtherTextsAreLaidOut) {
    // Some 200 000 lines: more than the cache holds. Asked about between
    // other texts, as the item table asks about a long cell, it was laid
    // out again each time.
    const AttributedString many(repeated("\n", 220000), helvetica());
    const AttributedString other("Konsulttimmar", helvetica());
    text::forgetLayouts();
    const size_t lines = engine.lines(many, 150, TextDrawingMode::fromTopLeft).size();
    engine.boundingSize(other, {150, 100});
    pangowatch::reset();
    EXPECT_EQ(engine.lines(many, 150, TextDrawingMode::fromTopLeft).size(), lines);
    EXPECT_EQ(pangowatch::seen().texts, 0u);
}

TEST(TextWindows, TabStopsLeftOfAHangingIndentAreNoneOfTheLinesUnderIt) {
    // The stops of the lines under a hanging indent are measured from the
    // indented edge; one left of it was handed to pango as a negative
    // place, which pango refuses with a critical warning on standard
    // error, once for each such stop of each paragraph.
    ParagraphStyle style;
    style.headIndent = 60;
    style.tabStops = {{TextTab::Kind::left, 30}, {TextTab::Kind::left, 120}};
    size_t warnings = 0;
    const guint handler = g_log_set_handler(
        "Pango", static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING),
        [](const gchar*, GLogLevelFlags, const gchar*, gpointer count) { ++*static_cast<size_t*>(count); }, &warnings);
    for (const std::string& text : {std::string("Konsulttimmar\toch resekostnader"),
                                    repeated("Konsulttimmar\toch resekostnader i mars och april ", 6000)}) {
        text::forgetLayouts();
        EXPECT_GT(engine.lines(AttributedString(text, helvetica(style)), 150, TextDrawingMode::fromTopLeft).size(), 0u);
    }
    g_log_remove_handler("Pango", handler);
    EXPECT_EQ(warnings, 0u);
}

TEST(TextWindows, ALineUnderAHangingIndentIsBrokenAtTheWidth) {
    // A short first line let the paragraph be laid out at no width, whose
    // extents leave out the indent of the lines after a line separator:
    // one that fits only without the indent ran past the frame unbroken.
    ParagraphStyle style;
    style.headIndent = 60;
    style.tabStops = {{TextTab::Kind::left, 60}};
    const std::string text = "Adress\tTor 3" + std::string(lineSeparator) + "Featherstonehaugh Limited";
    const TextExtent m = engine.extent(AttributedString(text, helvetica(style)), Rect{0, 0, 150, 0},
                                       TextDrawingMode::layoutManager);
    ASSERT_GE(m.lines.size(), 3u);
    for (const Rect& line : m.lines) EXPECT_LE(line.maxX(), 150.5);
}
