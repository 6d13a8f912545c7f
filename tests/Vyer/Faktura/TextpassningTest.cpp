// Text fitted to its frame by the text engine that draws it.
#include "Vyer/Faktura/Textpassning.h"

#include "Plattform/Ritning/TextMeasurer.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <set>

namespace {

const TextMeasurer& motor = systemTextMeasurer();

AttributedString tabell(const std::string& text, LineBreakMode brytning) {
    ParagraphStyle stil;
    stil.lineBreakMode = brytning;
    TextAttributes a;
    a.font = Font{"Helvetica", 10};
    a.paragraphStyle = stil;
    return AttributedString(text, a);
}

// The widest line as it stands with no frame to cut it.
double hela(const AttributedString& text) {
    return motor.extent(text, Rect{}, TextDrawingMode::layoutManager).size.width;
}

// Too wide even at 70 %, a table's row wraps within its value column (at
// the head indent); one that fits set smaller keeps to its line.
TEST(Textpassning, ALineTooWideEvenAt70PercentWrapsInItsColumn) {
    AttributedString text = tabell("IBAN\tSE45 5000 0000 0583 9825 7466", LineBreakMode::clipping);
    ParagraphStyle stil = *text.paragraphStyleAt(0);
    stil.tabStops = {{TextTab::Kind::left, 40}};
    stil.headIndent = 40;
    text.setParagraphStyle(stil);
    const double bredd = hela(text) * 0.5;

    const AttributedString brutet = radbrutenDärDenMåste(motor, text, bredd);
    EXPECT_EQ(brutet.paragraphStyleAt(0)->lineBreakMode, LineBreakMode::wordWrapping);
    const TextExtent satt = motor.extent(brutet, {0, 0, bredd, 100}, TextDrawingMode::layoutManager);
    ASSERT_GE(satt.lines.size(), 2u);
    for (size_t i = 1; i < satt.lines.size(); ++i) EXPECT_GE(satt.lines[i].minX(), 40 - 0.5) << "line " << i;
    EXPECT_FALSE(satt.brokeWord);
    EXPECT_EQ(radbrutenDärDenMåste(motor, text, hela(text) * 0.8), text) << "fits set smaller";
    // A row that a frame shows only set smaller wraps too: the rows it
    // shows at full size say nothing of it.
    std::string rader;
    for (const char* rubrik : {"A", "B", "C", "D"}) rader += rubrik + std::string("\t1") + std::string(paragraphSeparator);
    AttributedString underst = tabell(rader + text.text(), LineBreakMode::clipping);
    underst.setParagraphStyle(stil);
    const double rad = motor.extent(tabell("A", LineBreakMode::clipping), {}, TextDrawingMode::layoutManager).size.height;
    EXPECT_EQ(radbrutenDärDenMåste(motor, underst, bredd, TextDrawingMode::layoutManager, 2.5 * rad)
                  .paragraphStyleAt(0)
                  ->lineBreakMode,
              LineBreakMode::wordWrapping);
}

AttributedString stycke(const std::string& text) {
    return AttributedString(text, TextAttributes{.font = Font{"Helvetica", 10}});
}

double höjd(const AttributedString& text, double bredd) {
    return motor.extent(text, {0, 0, bredd, 0}, TextDrawingMode::layoutManager).size.height;
}

// What was cut is the text's beginning, up to a character, and an
// ellipsis after it.
void förväntaBörjanOchEllips(const AttributedString& avkortad, const std::string& hel) {
    const std::string& t = avkortad.text();
    ASSERT_TRUE(t.ends_with(ellips)) << t;
    const std::string början = t.substr(0, t.size() - ellips.size());
    EXPECT_EQ(hel.substr(0, början.size()), början);
    EXPECT_FALSE(början.ends_with(' ')) << t;
}

TEST(Textpassning, ALineTooWideEvenAt70PercentForAFrameOneLineHighEndsInAnEllipsisNearItsEdge) {
    const std::string hel = "Förvaltningsaktiebolaget Kungsholmens Fastighetsservice AB";
    const AttributedString text = tabell(hel, LineBreakMode::clipping);
    const double rad = motor.extent(text.scaled(minstaTextskala), {}, TextDrawingMode::layoutManager).size.height;
    const Size ram{hela(text) * 0.4, rad + 1};
    const AttributedString inom =
        avkortad(motor, radbrutenDärDenMåste(motor, text, ram.width).scaled(minstaTextskala), ram);
    förväntaBörjanOchEllips(inom, hel);
    const TextExtent satt = motor.extent(inom, {0, 0, ram.width, ram.height}, TextDrawingMode::layoutManager);
    ASSERT_EQ(satt.lines.size(), 1u);
    EXPECT_LE(satt.lines[0].maxX(), ram.width + 0.5);
    EXPECT_GT(satt.lines[0].maxX(), ram.width * 0.8) << "cut at a word, well short of the edge";

    // Cut by the engine where it was set to keep to its line.
    const AttributedString kvar = avkortad(motor, text.scaled(minstaTextskala), {ram.width, 1000});
    EXPECT_EQ(kvar.paragraphStyleAt(0)->lineBreakMode, LineBreakMode::truncatingTail);
    const TextExtent kvarSatt = motor.extent(kvar, {0, 0, ram.width, 1000}, TextDrawingMode::layoutManager);
    ASSERT_EQ(kvarSatt.lines.size(), 1u);
    EXPECT_LE(kvarSatt.lines[0].maxX(), ram.width + 0.5);
}

TEST(Textpassning, WrappedLinesTooTallEvenAt70PercentKeepWhatTheFrameHoldsEndingInAnEllipsis) {
    const std::string hel =
        "Bostadsrättsföreningen Kungsholmens Strand Västra Huvudbyggnaden med tillhörande garage- och "
        "förrådsföreningar ek. för.\u2028c/o Förvaltnings AB Fastighetsservice\u2028Kungsholms Strand 147, 3 tr";
    const AttributedString text = stycke(hel);
    const double bredd = 120;
    const double rad = höjd(stycke("Å"), bredd) * minstaTextskala;
    const Size ram{bredd, 3 * rad + 1};

    const AttributedString inom = avkortad(motor, text.scaled(minstaTextskala), ram);
    förväntaBörjanOchEllips(inom, hel);
    EXPECT_LE(höjd(inom, bredd), ram.height + 0.5);
    // As much as the frame holds: a character more would need a fourth line.
    const std::string& t = inom.text();
    size_t nästa = t.size() - ellips.size();
    while (hel[nästa] == ' ') ++nästa;
    ++nästa;
    while (nästa < hel.size() && (static_cast<unsigned char>(hel[nästa]) & 0xC0) == 0x80) ++nästa;
    AttributedString längre = text.scaled(minstaTextskala).substring(0, nästa);
    längre.append(ellips, *text.scaled(minstaTextskala).attributesAt(0));
    EXPECT_GT(höjd(längre, bredd), ram.height + 0.5) << t;

    // What fits is left as it is.
    EXPECT_EQ(avkortad(motor, text, {bredd, 1000}), text);
}

// Every size a block fits at, the search finds; a block that fits whole
// is measured once, and one too large even at 70 % is reported.
TEST(Textpassning, TheLargestPercentABlockFitsAtIsFound) {
    for (int gräns = minstaProcent; gräns <= 100; ++gräns) {
        int prov = 0;
        EXPECT_EQ(störstaProcent([&](int procent) { return ++prov, procent <= gräns; }), gräns);
        EXPECT_LE(prov, 7) << gräns;
    }
    int prov = 0;
    EXPECT_EQ(störstaProcent([&](int) { return ++prov, true; }), 100);
    EXPECT_EQ(prov, 1);
    EXPECT_EQ(störstaProcent([](int procent) { return procent < minstaProcent; }), std::nullopt);

    // A size that keeps every word whole wins over a larger one that fits.
    auto passar = [](int procent, bool helaOrd) { return procent <= (helaOrd ? 80 : 90); };
    EXPECT_EQ(störstaProcentMedHelaOrd(passar), 80);
    EXPECT_EQ(störstaProcentMedHelaOrd([](int procent, bool helaOrd) { return !helaOrd && procent <= 90; }), 90);
}

// Between any two ends, either way round, the search finds the last value
// that holds, trying each value at most once and only between the ends, in
// no more tries than halving the interval takes.
TEST(Textpassning, TheSearchFindsTheLastValueThatHolds) {
    for (int ja = -3; ja <= 20; ++ja)
        for (int nej = -3; nej <= 20; ++nej) {
            if (ja == nej) continue;
            const int steg = ja < nej ? 1 : -1;
            for (int gräns = ja; gräns != nej; gräns += steg) {
                std::set<int> prövade;
                const int svar = sistaSomHåller(ja, nej, [&](int x) {
                    EXPECT_TRUE(std::min(ja, nej) < x && x < std::max(ja, nej)) << ja << " " << nej << " " << x;
                    EXPECT_TRUE(prövade.insert(x).second) << x;
                    return (x - gräns) * steg <= 0;
                });
                EXPECT_EQ(svar, gräns) << ja << " " << nej;
                EXPECT_LE(prövade.size(), std::bit_width(static_cast<unsigned>(std::abs(nej - ja) - 1)));
            }
        }
    // Unsigned ends count down without wrapping.
    EXPECT_EQ(sistaSomHåller(size_t{40}, size_t{0}, [](size_t x) { return x >= 3; }), 3u);
}

TEST(Textpassning, AFrameLowerThanALineStillShowsTheFirstLineCut) {
    const std::string hel = "Anna-Karin Vilhelmina Johansson-Stålhammar och Hans-Joachim Freiherr von Obernitz";
    const AttributedString kort = avkortad(motor, stycke(hel), {90, 2});
    förväntaBörjanOchEllips(kort, hel);
    EXPECT_EQ(motor.lines(kort, 90, TextDrawingMode::layoutManager).size(), 1u);
}

}  // namespace
