// A field lays out only what can show: drawing lays a text out as far as
// the page shows it, a frame that cannot grow is measured as far as it
// shows, and a laid-out line keeps offsets and measures, not pango's
// layout. Texts of many short lines ("a" and a line break), as an import
// can plant them in a name: half a million took 11 s and 1.1 GB to draw
// the few lines a page shows of them.
#include "PangoWatch.h"
#include "PdfVerktyg.h"

#include "Plattform/Ritning/PdfWriter.h"
#include "Plattform/Ritning/TextLayout.h"
#include "Plattform/Ritning/TextMeasurer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testhjalp::PdfFil;

namespace {

const TextMeasurer& engine = systemTextMeasurer();
constexpr auto fromTop = TextDrawingMode::fromTopLeft;

// `line` and a line break, `lines` times.
AttributedString lines(size_t lines, ParagraphStyle style = {}, const std::string& line = "a") {
    std::string s;
    for (size_t i = 0; i < lines; ++i) s += line + "\n";
    return AttributedString(s, TextAttributes{style, std::nullopt, Font{"HelveticaNeue", 9}});
}

std::vector<uint8_t> pdfOf(const AttributedString& text, const Rect& frame) {
    PdfWriter writer({"Text", "Test", "kontobok", 0});
    writer.beginPage({595, 842}).drawText(text, frame, fromTop);
    writer.endPage();
    return writer.finish();
}

void expectSameWords(const std::vector<pdfkontroll::Ord>& a, const std::vector<pdfkontroll::Ord>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].text, b[i].text);
        EXPECT_EQ(a[i].ruta.x, b[i].ruta.x);
        EXPECT_EQ(a[i].ruta.y, b[i].ruta.y);
    }
}

}  // namespace

TEST(TextBound, DrawingLaysOutOnlyTheLinesThePageShows) {
    ParagraphStyle truncating;
    truncating.lineBreakMode = LineBreakMode::truncatingTail;
    truncating.alignment = TextAlignment::right;
    // The lines run on below the frame, to the page's foot.
    const Rect frame{312, 120, 243, 115};
    for (const ParagraphStyle& style : {ParagraphStyle{}, truncating}) {
        SCOPED_TRACE(style.lineBreakMode == LineBreakMode::truncatingTail ? "truncating" : "wrapping");
        text::forgetLayouts();
        pangowatch::reset();
        const std::vector<uint8_t> pdf = pdfOf(lines(20000, style), frame);
        EXPECT_LT(pangowatch::seen().texts, 200u);
        // What shows is what showed: the first 200 lines reach past the
        // page too.
        const std::vector<pdfkontroll::Ord> words = PdfFil(pdf).words();
        EXPECT_GT(words.size(), 50u);
        expectSameWords(words, PdfFil(pdfOf(lines(200, style), frame)).words());
    }
}

TEST(TextBound, ALaidOutLineKeepsNoLayout) {
    // Each line kept its paragraph's pango layout and text for drawing:
    // 2 to 4 kB a line of one letter. The layouts of the paragraphs laid
    // out last are kept, a few thousand at most.
    const AttributedString many = lines(10000);
    text::forgetLayouts();
    const size_t before = pangowatch::layoutsAlive();
    EXPECT_GT(engine.boundingSize(many, {150, 1000}).height, 10000 * 9.0);
    EXPECT_LT(pangowatch::layoutsAlive() - before, 5000u);
    // Drawn from what was kept, or laid out again: the same page.
    const Rect frame{30, 30, 150, 0};
    const std::vector<pdfkontroll::Ord> kept = PdfFil(pdfOf(many, frame)).words();
    text::forgetLayouts();
    expectSameWords(kept, PdfFil(pdfOf(many, frame)).words());
}

TEST(TextBound, AFrameThatCannotGrowIsLaidOutOnlyAsFarAsItShows) {
    const AttributedString many = lines(3000);
    const Rect frame{0, 0, 150, 100};
    text::forgetLayouts();
    pangowatch::reset();
    const TextExtent cut = engine.extent(many, frame, fromTop, TextBound::frame(frame.height));
    EXPECT_LT(pangowatch::seen().texts, 30u);
    EXPECT_FALSE(cut.whole);
    EXPECT_GT(cut.size.height, frame.height);
    // Its lines are the text's first, as laid out whole: all that reach
    // into the frame, and past it.
    const TextExtent whole = engine.extent(many, frame, fromTop);
    EXPECT_TRUE(whole.whole);
    ASSERT_GE(cut.lines.size(), 2u);
    ASSERT_LT(cut.lines.size(), 30u);
    for (size_t i = 0; i < cut.lines.size(); ++i) EXPECT_EQ(cut.lines[i], whole.lines[i]) << i;
    EXPECT_GT(cut.lines.back().minY(), frame.height);

    // A text the frame holds is laid out whole, as without a bound.
    const TextExtent few = engine.extent(lines(5), frame, fromTop, TextBound::frame(frame.height));
    EXPECT_TRUE(few.whole);
    EXPECT_EQ(few.size, engine.extent(lines(5), frame, fromTop).size);

    // However tall the frame, no more than 64 KiB of the text.
    const AttributedString wide = lines(1000, {}, std::string(99, 'a'));
    const TextExtent bytes = engine.extent(wide, {0, 0, 1000, 1e6}, fromTop, TextBound::frame(1e6));
    EXPECT_FALSE(bytes.whole);
    EXPECT_EQ(bytes.lines.size(), (mostBytesInAFrame + 99) / 100);
}

TEST(TextBound, AParagraphLeftOutStillCutsTheLinesLaidOut) {
    // A paragraph in a clipping style cuts every line of its text at the
    // frame's width, also one it follows too far down to be laid out.
    ParagraphStyle clipping;
    clipping.lineBreakMode = LineBreakMode::clipping;
    AttributedString text("Leveransadress", TextAttributes{std::nullopt, std::nullopt, Font{"HelveticaNeue", 9}});
    text.append(lines(100));
    text.append("Konsulttimmar", TextAttributes{clipping, std::nullopt, Font{"HelveticaNeue", 9}});
    // Narrower than a letter: every line runs past it.
    const Rect frame{0, 0, 3, 30};
    text::forgetLayouts();
    const TextExtent cut = engine.extent(text, frame, fromTop, TextBound::frame(frame.height));
    const TextExtent whole = engine.extent(text, frame, fromTop);
    ASSERT_FALSE(cut.whole);
    ASSERT_FALSE(cut.lines.empty());
    EXPECT_EQ(cut.lines.front(), whole.lines.front());
    EXPECT_LE(cut.lines.front().maxX(), frame.width);
}
