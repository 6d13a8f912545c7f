// Text drawn into a PDF lands where a PDF reader finds it: the frames of
// the layout, checked with pdftotext -bbox-layout to within 1.5 points.
#include "PdfVerktyg.h"

#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Ritning/PdfWriter.h"
#include "Plattform/Ritning/TextMeasurer.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

using testhjalp::findWord;
using testhjalp::PdfFil;
using pdfkontroll::Ord;

namespace {

constexpr double tolerance = 1.5;

std::vector<uint8_t> pdfOf(const std::function<void(Canvas&)>& draw) {
    PdfWriter writer({"Text", "Test", "kontobok", 0});
    draw(writer.beginPage({595, 842}));
    writer.endPage();
    return writer.finish();
}

std::vector<Ord> wordsOf(const std::function<void(Canvas&)>& draw) { return PdfFil(pdfOf(draw)).words(); }

TextAttributes styled(ParagraphStyle style, double size = 10, std::string font = "HelveticaNeue") {
    return {std::move(style), std::nullopt, Font{std::move(font), size}};
}

ParagraphStyle aligned(TextAlignment a) {
    ParagraphStyle s;
    s.alignment = a;
    return s;
}

double lineHeight(const TextAttributes& a) {
    return systemTextMeasurer().boundingSize(AttributedString("x", a), {1000, 1000}).height;
}

}  // namespace

TEST(TextDrawing, AlignmentWithinTheFrame) {
    const Rect frame{100, 200, 200, 40};
    struct Case {
        TextAlignment alignment;
        std::function<double(const Ord&, const Ord&)> position;  // of the first and last word
        double expected;
    };
    const Case cases[] = {
        {TextAlignment::left, [](auto& f, auto&) { return f.ruta.minX(); }, frame.minX()},
        {TextAlignment::natural, [](auto& f, auto&) { return f.ruta.minX(); }, frame.minX()},
        {TextAlignment::right, [](auto&, auto& l) { return l.ruta.maxX(); }, frame.maxX()},
        {TextAlignment::center, [](auto& f, auto& l) { return (f.ruta.minX() + l.ruta.maxX()) / 2; }, frame.midX()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.alignment));
        auto words = wordsOf([&](Canvas& canvas) {
            canvas.drawText(AttributedString("Faktura 1042", styled(aligned(c.alignment))), frame,
                            TextDrawingMode::fromTopLeft);
        });
        ASSERT_EQ(words.size(), 2u);
        EXPECT_NEAR(c.position(words[0], words[1]), c.expected, tolerance);
        EXPECT_NEAR(words[0].ruta.minY(), frame.y, tolerance);
    }
}

TEST(TextDrawing, WrappedLinesStayInTheFrameAndStackByTheMeasuredHeight) {
    const Rect frame{100, 200, 90, 100};
    const TextAttributes a = styled({});
    const std::string text = "Konsulttimmar under vecka tolv för projektet Ekbacken";
    auto words = wordsOf([&](Canvas& c) { c.drawText(AttributedString(text, a), frame, TextDrawingMode::fromTopLeft); });
    ASSERT_GE(words.size(), 7u);
    std::vector<double> lineTops;
    for (const Ord& w : words) {
        EXPECT_GE(w.ruta.minX(), frame.minX() - tolerance) << w.text;
        EXPECT_LE(w.ruta.maxX(), frame.maxX() + tolerance) << w.text;
        if (lineTops.empty() || w.ruta.minY() > lineTops.back() + 1) lineTops.push_back(w.ruta.minY());
    }
    Size measured = systemTextMeasurer().boundingSize(AttributedString(text, a), frame.size());
    double line = lineHeight(a);
    ASSERT_EQ(lineTops.size(), static_cast<size_t>(std::lround(measured.height / line)));
    for (size_t i = 0; i < lineTops.size(); ++i) EXPECT_NEAR(lineTops[i], frame.y + i * line, tolerance);
    // Every line starts at the frame's left edge.
    EXPECT_NEAR(findWord(words, "Ekbacken").minX(), frame.x, tolerance);
}

// Loading a face makes pango lay text out anew: a text measured before
// another face is first drawn is drawn as it was measured.
TEST(TextDrawing, TextMeasuredBeforeAFaceIsLoadedIsDrawnAsMeasured) {
    const Rect frame{100, 200, 90, 100};
    const AttributedString text("Konsulttimmar under vecka tolv för Ekbacken", styled({}));
    const Size measured = systemTextMeasurer().boundingSize(text, frame.size());
    auto words = wordsOf([&](Canvas& c) {
        c.drawText(AttributedString("Didot", styled({}, 10, "Didot")), {100, 500, 200, 20},
                   TextDrawingMode::fromTopLeft);
        c.drawText(text, frame, TextDrawingMode::fromTopLeft);
    });
    EXPECT_NEAR(findWord(words, "Konsulttimmar").minY(), frame.y, tolerance);
    EXPECT_NEAR(findWord(words, "Ekbacken").maxY(), frame.y + measured.height, 2 * tolerance);
    EXPECT_EQ(systemTextMeasurer().boundingSize(text, frame.size()), measured);
}

TEST(TextDrawing, TabStops) {
    ParagraphStyle style;
    style.tabStops = {{TextTab::Kind::right, 80}, {TextTab::Kind::left, 85}};
    style.headIndent = 85;
    const Rect frame{100, 300, 300, 60};
    auto words = wordsOf([&](Canvas& c) {
        c.drawText(AttributedString("\tFakturanr\t1042\u2029\tDatum\t2024-05-31", styled(style)), frame,
                   TextDrawingMode::fromTopLeft);
    });
    EXPECT_NEAR(findWord(words, "Fakturanr").maxX(), 180, tolerance);
    EXPECT_NEAR(findWord(words, "Datum").maxX(), 180, tolerance);
    EXPECT_NEAR(findWord(words, "1042").minX(), 185, tolerance);
    EXPECT_NEAR(findWord(words, "2024-05-31").minX(), 185, tolerance);
    // Default stops every 28 points.
    auto plain = wordsOf([&](Canvas& c) {
        c.drawText(AttributedString("a\tb\t\tc", styled({})), frame, TextDrawingMode::fromTopLeft);
    });
    EXPECT_NEAR(findWord(plain, "b").minX(), frame.x + 28, tolerance);
    EXPECT_NEAR(findWord(plain, "c").minX(), frame.x + 84, tolerance);
}

TEST(TextDrawing, TruncationEndsEachLineInsideTheFrame) {
    ParagraphStyle truncating;
    truncating.lineBreakMode = LineBreakMode::truncatingTail;
    const TextAttributes a = styled(truncating);
    const Rect frame{100, 400, 100, 10};
    PdfFil pdf(pdfOf([&](Canvas& c) {
        c.drawText(AttributedString("Storgatan 1 med en mycket lång adress\u2028SE-211 22 Malmö i Skåne län", a),
                   frame, TextDrawingMode::fromTopLeft);
    }));
    auto words = pdf.words();
    double firstLine = findWord(words, "Storgatan").minY();
    double secondLine = findWord(words, "SE-211").minY();
    EXPECT_NEAR(firstLine, frame.y, tolerance);
    EXPECT_NEAR(secondLine, frame.y + lineHeight(a), tolerance);
    // The reader maps the ellipsis back to the words it stands for; what
    // is drawn ends inside the frame.
    for (const Ord& w : words) EXPECT_LE(w.ruta.maxX(), frame.maxX() + tolerance) << w.text;
    // Ink stops at the frame: the page right of it is blank at 72 dpi.
    cairo_surface_t* page = pdf.render(1, 72);
    for (int y = 400; y < 420; ++y)
        for (int x = 202; x < 260; ++x) ASSERT_EQ(testhjalp::pixelAt(page, x, y), 0xFFFFFFu) << x << "," << y;
    cairo_surface_destroy(page);
}

TEST(TextDrawing, SingleLineStandsOnTheFramesFoot) {
    const Rect frame{100, 500, 200, 20};
    auto words = wordsOf([&](Canvas& c) {
        c.drawText(AttributedString("1 234,00\nkr", styled(aligned(TextAlignment::right))), frame,
                   TextDrawingMode::baselineAtFoot);
    });
    ASSERT_EQ(words.size(), 3u);
    // One line: every word at the same height, the last ending at the
    // frame's right edge, the baseline on the foot (descenders below it).
    for (const Ord& w : words) {
        EXPECT_NEAR(w.ruta.minY(), words[0].ruta.minY(), 0.01);
        EXPECT_LT(w.ruta.minY(), frame.maxY());
        EXPECT_GT(w.ruta.maxY(), frame.maxY());
        EXPECT_LT(w.ruta.maxY(), frame.maxY() + 3);
    }
    EXPECT_NEAR(words.back().ruta.maxX(), frame.maxX(), tolerance);
}

TEST(TextDrawing, LayoutManagerLinesIncludeTheLineGap) {
    const TextAttributes a = styled({}, 14, "Baskerville");
    const Rect frame{100, 600, 300, 20};
    auto words = wordsOf([&](Canvas& c) {
        c.drawText(AttributedString("Första\u2028Andra\u2028Tredje", a), frame, TextDrawingMode::layoutManager);
    });
    double gapped = systemTextMeasurer().defaultLineHeight(Font{"Baskerville", 14});
    EXPECT_GT(gapped, lineHeight(a));
    EXPECT_NEAR(findWord(words, "Första").minY(), frame.y, tolerance);
    EXPECT_NEAR(findWord(words, "Andra").minY() - findWord(words, "Första").minY(), gapped, 0.01);
    // Lines past the container are drawn too.
    EXPECT_NEAR(findWord(words, "Tredje").minY() - frame.y, 2 * gapped, tolerance);
}

TEST(TextDrawing, HyphenatedWordsBreakWithAHyphen) {
    ParagraphStyle style;
    style.hyphenationFactor = 1;
    style.hyphenationLanguage = "sv";
    const TextAttributes a = styled(style, 7, "TrebuchetMS-Bold");
    double w = systemTextMeasurer().boundingSize(AttributedString("MOTTAGAR-", a), {1000, 100}).width + 1;
    auto words = wordsOf([&](Canvas& c) {
        c.drawText(AttributedString("MOTTAGARADRESS", a), {100, 700, w, 30}, TextDrawingMode::fromTopLeft);
    });
    ASSERT_EQ(words.size(), 2u);
    // The hyphen drawn at the break stands for the soft hyphen put there.
    EXPECT_EQ(words[0].text, "MOTTAGAR\u00AD");
    EXPECT_EQ(words[1].text, "ADRESS");
}

TEST(TextDrawing, NoncharactersDoNotStopThePage) {
    // Valid UTF-8 that cairo refuses: drawn as replacement characters, and
    // what follows on the page is still drawn.
    PdfWriter writer({"", "", "", 0});
    Canvas& c = writer.beginPage({595, 842});
    c.drawText(AttributedString("a\uFFFE b\uFDD0 c\U0010FFFF", styled({})), {100, 100, 200, 20},
               TextDrawingMode::fromTopLeft);
    c.drawText(AttributedString("Efter", styled({})), {100, 200, 200, 20}, TextDrawingMode::fromTopLeft);
    writer.endPage();
    auto words = PdfFil(writer.finish()).words();
    EXPECT_NEAR(findWord(words, "Efter").minY(), 200, tolerance);
    EXPECT_NEAR(findWord(words, "a\uFFFD").minX(), 100, tolerance);
}

TEST(TextDrawing, FacesEmbeddedAreThoseOfTheTable) {
    const std::vector<std::string> names = {"HelveticaNeue", "HelveticaNeue-Light", "Baskerville-Italic",
                                            "AmericanTypewriter-Bold", "Geneva", "Didot", "GillSans-Bold",
                                            "TrebuchetMS", "Cochin-BoldItalic", "Futura-Medium",
                                            "Copperplate-Bold", "CourierNewPSMT", "LucidaGrande-Bold"};
    PdfFil pdf(pdfOf([&](Canvas& c) {
        double y = 40;
        for (const std::string& n : names) {
            // Letters, Swedish and Danish letters, the euro and a no-break space.
            c.drawText(AttributedString(n + " Åäö Øæ 1\u00A0234 €", styled({}, 11, n)), {40, y, 500, 20},
                       TextDrawingMode::fromTopLeft);
            y += 20;
        }
    }));
    std::set<std::string> expected;
    for (const std::string& n : names) expected.insert(*fonts::substituteFaceName(n));
    std::set<std::string> embedded;
    for (const pdfkontroll::Typsnitt& f : pdf.fonts()) {
        EXPECT_TRUE(f.inbäddat) << f.namn;
        EXPECT_TRUE(f.delmängd) << f.namn;
        embedded.insert(f.namn);
    }
    // DejaVu Sans may stand in for a character a face lacks; nothing else.
    expected.insert("DejaVuSans");
    embedded.insert("DejaVuSans");
    EXPECT_EQ(embedded, expected);
    EXPECT_TRUE(pdf.passesQpdfCheck());
}

TEST(TextDrawing, AWordBrokenForLackOfRoomShowsNoHyphen) {
    const TextAttributes a = styled({}, 10);
    auto words = wordsOf([&](Canvas& c) {
        c.drawText(AttributedString("Resekostnad Konsulttimmar", a), {100, 700, 40, 60}, TextDrawingMode::fromTopLeft);
    });
    // A hyphen drawn at the break would read as part of the letter before
    // it, so each word's box is held to the width of its own letters.
    std::string read;
    for (const Ord& w : words) {
        for (const char* hyphen : {"-", "\u00AD", "\u2010"}) EXPECT_EQ(w.text.find(hyphen), std::string::npos) << w.text;
        double letters = systemTextMeasurer().boundingSize(AttributedString(w.text, a), {1000, 100}).width;
        EXPECT_NEAR(w.ruta.width, letters, 1) << w.text;
        EXPECT_LE(w.ruta.maxX(), 140 + tolerance);
        read += w.text;
    }
    EXPECT_GT(words.size(), 2u);
    EXPECT_EQ(read, "ResekostnadKonsulttimmar");
}

TEST(TextDrawing, AWordTooLongForAnyLineFillsItsLinesAndReadsBackWhole) {
    // A word of some 1 500 letters, as an import may bring, between two
    // short ones, in a plain and in a right-aligned style.
    std::string word;
    while (word.size() < 1500) word += "konsulttimmarresekostnadåäö";
    const std::string text = "Före " + word + " efter";
    const Rect frame{100, 60, 150, 760};
    for (const ParagraphStyle& style : {ParagraphStyle{}, aligned(TextAlignment::right)}) {
        const TextAttributes a = styled(style, 9);
        auto words =
            wordsOf([&](Canvas& c) { c.drawText(AttributedString(text, a), frame, TextDrawingMode::fromTopLeft); });
        ASSERT_GE(words.size(), 3u);
        EXPECT_EQ(words.front().text, "Före");
        EXPECT_EQ(words.back().text, "efter");
        std::string read;
        for (size_t i = 1; i + 1 < words.size(); ++i) read += words[i].text;
        EXPECT_EQ(read, word);
        // Every line of the word stays in the frame, and all but its last
        // are full: no room was left for another letter.
        const double widestLetter = systemTextMeasurer().boundingSize(AttributedString("Ö", a), {100, 100}).width;
        for (size_t i = 1; i + 1 < words.size(); ++i) {
            EXPECT_GE(words[i].ruta.minX(), frame.minX() - tolerance) << i;
            EXPECT_LE(words[i].ruta.maxX(), frame.maxX() + tolerance) << i;
            if (i + 2 < words.size()) {
                EXPECT_GT(words[i].ruta.width, frame.width - widestLetter - tolerance) << i;
            }
        }
        // The lines drawn are the lines measured.
        const Size measured = systemTextMeasurer().boundingSize(AttributedString(text, a), frame.size());
        EXPECT_LE(measured.width, frame.width);
        EXPECT_NEAR(words.back().ruta.maxY(), frame.y + measured.height, tolerance);
        const TextExtent drawn =
            systemTextMeasurer().extent(AttributedString(text, a), frame, TextDrawingMode::fromTopLeft);
        EXPECT_TRUE(drawn.brokeWord);
        ASSERT_EQ(drawn.lines.size(), words.size() - 1);  // "efter" shares the word's last line
        for (size_t i = 0; i + 1 < words.size(); ++i) {
            EXPECT_NEAR(drawn.lines[i].minX(), words[i].ruta.minX(), tolerance) << i;
            EXPECT_NEAR(drawn.lines[i].midY(), words[i].ruta.midY(), tolerance) << i;
        }
    }
}
