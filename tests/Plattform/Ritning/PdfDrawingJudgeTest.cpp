// A PDF from outside is judged by drawing it, at the size it is shown, by
// the renderers its readers use: artwork as users make it is drawn well
// within the limits, and drawings that cost their reader seconds or
// gigabytes are refused, each within its child's limits. Each side keeps a
// margin of three to the program's limit on processor time, so that a
// drift fails here with its number before a busy host flips a verdict.
// Costly drawings are judged under limits lower than the program's (a
// second, 64 MiB), so each costs a second at most here.
#include "Plattform/Ritning/Artwork.h"
#include "Plattform/Ritning/HandmadePdf.h"

#include "Plattform/Ritning/PdfDrawingJudge.h"
#include "Plattform/Ritning/PdfFirstPage.h"

#include "Programkorning.h"
#include "Sanerare.h"
#include "Plattform/Provritning/PdfJudge.h"

#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <functional>
#include <fstream>
#include <thread>

using testhjalp::Artwork;

namespace {

constexpr boundedprocess::Limits testLimits{.memory = 64 << 20, .seconds = 1};
// A third of the program's limits. The margin of three is the plain
// build's: under the sanitizers a child's time grows by more than its
// limit does (BoundedProcess.h), and ordinary artwork is judged under the
// program's limits, costly drawings whole under the test's.
constexpr boundedprocess::Limits aThird{.memory = pdfbounds::mostChildMemory / 3,
                                        .seconds = pdfbounds::mostChildSeconds / 3};
static_assert(aThird.seconds * 3 == pdfbounds::mostChildSeconds);
constexpr boundedprocess::Limits ordinaryMargin = underSanerare ? pdfdrawing::judgingLimits : aThird;

// The processor time the children started by `work` took, all together.
double childSeconds(const std::function<void()>& work) {
    const double before = boundedprocess::childrenProcessorSeconds();
    work();
    return boundedprocess::childrenProcessorSeconds() - before;
}

// Why the PDF's page is refused when shown in a frame of this size
// (none: at its own size), read and judged as a logo is.
std::optional<std::string> refusal(const std::vector<uint8_t>& pdf, std::optional<Size> frame = std::nullopt,
                                   const boundedprocess::Limits& limits = testLimits) {
    PdfFirstPage::Read read = PdfFirstPage::read(pdf);
    if (!read.page) return read.refusal.value_or("not a PDF");
    return pdfdrawing::refusal(*read.page, pdfdrawing::scaleInFrame(read.page->cropBox().size(), frame), limits);
}

bool refusedAsCostly(const std::optional<std::string>& why) {
    return why && why->starts_with("drawing it takes more than ");
}

// The refusal of a page whose drawing allocates more than `mebibytes`: it
// says what would take less.
std::string tooLarge(int mebibytes) {
    return "drawing it takes more than " + std::to_string(mebibytes) +
           " MiB of memory (smaller images in it, or fewer transparency effects, would take less)";
}

}  // namespace

// Artwork as users make it (and the chart the tool's tests draw sixteen
// times at once), at its own size: the A4 pages as a background is shown,
// the rest as logos. Its reading takes at most a third of the child's
// limit on processor time, and each renderer draws it within a third of
// the program's limits.
TEST(PdfDrawingJudgeCpu, OrdinaryPagesAreDrawnWithinTheLimits) {
    std::vector<Artwork> artwork = testhjalp::ordinaryArtwork();
    artwork.push_back(testhjalp::chart(4000));
    for (const Artwork& art : artwork) {
        SCOPED_TRACE(art.name);
        PdfFirstPage::Read read;
        const double reading = childSeconds([&] { read = PdfFirstPage::read(art.pdf); });
        ASSERT_TRUE(read.page) << read.refusal.value_or("");
        EXPECT_LE(reading, boundedprocess::allowedSeconds(ordinaryMargin)) << "seconds of processor time to read it";
        std::optional<std::string> why;
        const double drawing = childSeconds([&] { why = pdfdrawing::refusal(*read.page, 1, ordinaryMargin); });
        EXPECT_EQ(why, std::nullopt) << "both renderers took " << drawing << " s of processor time";
    }
}

class CostlyDrawingCpu : public ::testing::TestWithParam<int> {};

// Each kind on a logo of 300 x 100 pt, judged at its own size: a ninth of
// it is refused already under a third of the program's limits, so the
// whole costs its reader three times the limit it passes at least (the
// stroke dashed [0.0001] memory, the rest processor time).
TEST_P(CostlyDrawingCpu, IsRefused) {
    const Artwork ninth = testhjalp::costlyDrawings(300, 100, underSanerare ? 1 : 9).at(size_t(GetParam()));
    SCOPED_TRACE(ninth.name);
    std::optional<std::string> why;
    const double drawing =
        childSeconds([&] { why = refusal(ninth.pdf, std::nullopt, underSanerare ? testLimits : aThird); });
    EXPECT_TRUE(refusedAsCostly(why)) << "a ninth of it was drawn, in " << drawing
                                      << " s of processor time for both renderers";
}
INSTANTIATE_TEST_SUITE_P(EachKind, CostlyDrawingCpu, ::testing::Range(0, 6));

// 200 000 fills of the page hold nothing: only processor time runs out.
TEST(PdfDrawingJudgeCpu, ADrawingThatTakesTooLongSaysSo) {
    const Artwork fills = testhjalp::costlyDrawings(300, 100).at(3);
    ASSERT_EQ(fills.name, "200 000 fills of the page");
    EXPECT_EQ(refusal(fills.pdf), "drawing it takes more than 1 second of processor time");
}

// 600 000 segments crossing one another within 1 pt: Splash draws them in
// a fraction of a second, cairo takes minutes. Judged by both, it is
// refused.
TEST(PdfDrawingJudgeCpu, WhatOneRendererDrawsCheaplyTheOtherMayNot) {
    const Artwork band = testhjalp::costlyDrawings(300, 100).at(5);
    ASSERT_EQ(band.name, "one fill of 600 000 segments crossing within 1 pt");
    EXPECT_TRUE(refusedAsCostly(refusal(band.pdf)));
}

// What a page costs grows with the size it is shown at: a small page is
// cheap in its own frame, and shown 100 times larger its pixels alone are
// more than the memory allowed.
TEST(PdfDrawingJudgeCpu, APageIsJudgedAtTheSizeItIsShown) {
    const std::vector<uint8_t> square = testhjalp::handmadePdf({{}});
    EXPECT_EQ(refusal(square, Size{200, 100}), std::nullopt);
    EXPECT_EQ(refusal(square, Size{20'000, 10'000}), tooLarge(64));
    EXPECT_DOUBLE_EQ(pdfdrawing::scaleInFrame({200, 100}, Size{100, 100}), 0.5);
    EXPECT_DOUBLE_EQ(pdfdrawing::scaleInFrame({200, 100}, Size{400, 100}), 1);
    EXPECT_DOUBLE_EQ(pdfdrawing::scaleInFrame({200, 100}, Size{0, 100}), 1);
    EXPECT_DOUBLE_EQ(pdfdrawing::scaleInFrame({200, 100}, std::nullopt), 1);
}

// Decoders give up quietly where an allocation fails: poppler's JBIG2
// decoder leaves an image undrawn when it cannot have the bitmap of its
// page, and the drawing goes on cheaply within the limit (a reader with
// more memory would take it all). A page of 16384 x 16384 pixels, 32 MiB,
// under a limit of 8: the allocation that fails ends the drawing.
TEST(PdfDrawingJudgeCpu, AnAllocationThatFailsIsTooMuchMemory) {
    const std::vector<uint8_t> jbig2 = testhjalp::handmadePdf(
        {{.content = "q 200 0 0 100 0 0 cm /Im Do Q", .resources = "/XObject << /Im 5 0 R >>"}},
        {pdfStröm("/Type /XObject /Subtype /Image /Width 1 /Height 1 /ColorSpace /DeviceGray /BitsPerComponent 1 "
                  "/Filter /JBIG2Decode",
                  testhjalp::jbig2PageInformation(16384, 16384))});
    EXPECT_EQ(refusal(jbig2, std::nullopt, {.memory = 8 << 20, .seconds = 1}), tooLarge(8));
    EXPECT_EQ(refusal(jbig2), std::nullopt);
}

// Memory is what a renderer allocates. cairo takes an image of 3 500 x
// 3 500 pixels whole, 4 bytes a pixel (47 MiB), and with a soft mask 1 byte
// more a pixel (58 MiB): under a limit between the two, the one is drawn
// and the other refused, on every run, whatever else is reserved beside.
TEST(PdfDrawingJudgeCpu, WhatARendererAllocatesIsItsMemory) {
    constexpr size_t side = 3500;
    const std::string pixels = testhjalp::deflated(std::string(side * side * 3, '\x80')),
                      mask = testhjalp::deflated(std::string(side * side, '\x80'));
    auto image = [&](bool masked) {
        const std::string entries = "/Type /XObject /Subtype /Image /Width 3500 /Height 3500 /BitsPerComponent 8 "
                                    "/Filter /FlateDecode ";
        std::vector<std::string> objects = {
            pdfStröm(entries + "/ColorSpace /DeviceRGB" + (masked ? " /SMask 6 0 R" : ""), pixels)};
        if (masked) objects.push_back(pdfStröm(entries + "/ColorSpace /DeviceGray", mask));
        return testhjalp::handmadePdf({{.mediaBox = "0 0 300 100",
                                        .content = "q 300 0 0 100 0 0 cm /Im Do Q",
                                        .resources = "/XObject << /Im 5 0 R >>"}},
                                      objects);
    };
    const std::vector<uint8_t> opaque = image(false), masked = image(true);
    const boundedprocess::Limits between{.memory = 53 << 20, .seconds = 3};
    for (int run = 0; run < 3; ++run) {
        EXPECT_EQ(refusal(opaque, std::nullopt, between), std::nullopt);
        EXPECT_EQ(refusal(masked, std::nullopt, between), tooLarge(53));
    }
}

// Every hostile file that was refused before any drawing was judged stays
// refused: by its structure, or by drawing it.
class HostileFileCpu : public ::testing::TestWithParam<int> {};

TEST_P(HostileFileCpu, IsRefused) {
    const testhjalp::HostilePdf hostile = testhjalp::hostilePdfs().at(size_t(GetParam()));
    SCOPED_TRACE(hostile.name);
    EXPECT_NE(refusal(hostile.pdf), std::nullopt);
}
INSTANTIATE_TEST_SUITE_P(Each, HostileFileCpu, ::testing::Range(0, 9));

// A renderer the judge did not stop, killed from outside (as the
// out-of-memory killer kills) before its processor time ran out, is not
// too slow: the judge tells it apart by the time the renderer took.
TEST(PdfDrawingJudgeCpu, ARendererKilledFromOutsideIsNotTooSlow) {
    const Artwork fills = testhjalp::costlyDrawings(300, 100).at(3);
    const std::string pdf(fills.pdf.begin(), fills.pdf.end());
    testhjalp::Startad judge = testhjalp::startaProgram(
        "prlimit", {"--cpu=60", KONTOBOK_JUDGE, "144", std::to_string(64 << 20)}, {.indata = pdf});
    // Its two renderers, once both have started.
    std::vector<pid_t> renderers;
    for (int i = 0; i < 10'000 && renderers.size() < 2; ++i) {
        renderers.clear();
        std::ifstream children("/proc/" + std::to_string(judge.pid) + "/task/" + std::to_string(judge.pid) +
                               "/children");
        for (pid_t child = 0; children >> child;) renderers.push_back(child);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_EQ(renderers.size(), 2u);
    for (const pid_t renderer : renderers) kill(renderer, SIGKILL);
    EXPECT_EQ(testhjalp::väntaPå(judge).status, pdfjudge::killed);
}
