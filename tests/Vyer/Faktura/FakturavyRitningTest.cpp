// Pages and drawing: page geometry, the image fit, and what a page's
// drawing asks of the canvas, recorded call by call.
#include "Vyer/Faktura/Bildpassning.h"
#include "Vyer/Faktura/Fakturavy.h"

#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace {

class ProvBild : public Image {
public:
    explicit ProvBild(Size storlek) : storlek_(storlek) {}
    Size size() const override { return storlek_; }

private:
    Size storlek_;
};

class ProvPdf : public PdfDocument {
public:
    explicit ProvPdf(Rect beskärning) : beskärning_(beskärning) {}
    Rect cropBox() const override { return beskärning_; }
    double mediaBoxHeight() const override { return beskärning_.height; }

private:
    Rect beskärning_;
};

std::string text(const Rect& r) {
    char t[100];
    std::snprintf(t, sizeof t, "(%g, %g, %g, %g)", r.x, r.y, r.width, r.height);
    return t;
}

// Writes down every call, and keeps the state depth as a drawing context
// would, refusing maps that cannot be inverted.
class Inspelning : public Canvas {
public:
    std::vector<std::string> anrop;
    int djup = 0;

    void save() override { ++djup, anrop.push_back("save"); }
    void restore() override { --djup, anrop.push_back("restore"); }
    void clip(const Rect& r) override { anrop.push_back("clip " + text(r)); }
    bool concat(const AffineTransform& t) override {
        if (!t.isInvertible()) return false;
        anrop.push_back("concat");
        return true;
    }
    void fill(const BezierPath& p, const Color& c) override {
        anrop.push_back("fill " + text(p.bounds()) + (c == Color::white() ? " white" : ""));
    }
    void stroke(const BezierPath& p, const Color& c) override {
        anrop.push_back("stroke " + text(p.bounds()) + (c == Color::black() ? " black" : ""));
    }
    void drawText(const AttributedString& s, const Rect& ram, TextDrawingMode läge) override {
        static const char* lägen[] = {"fromTopLeft", "baselineAtFoot", "layoutManager"};
        anrop.push_back("text '" + s.text() + "' " + text(ram) + " " + lägen[static_cast<int>(läge)]);
    }
    void drawImage(const Image&, const Rect& ram) override { anrop.push_back("image " + text(ram)); }
    void drawPdfPage(const PdfDocument&) override { anrop.push_back("background"); }
};

CachatObjekt textobjekt(const std::string& t, Rect ram) { return CachatObjekt(AttributedString(t), ram); }

class Ritning : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    Ritning() { faktura.inbyggdFakturamall_.reset(); }

    std::vector<std::string> rita(const Fakturavy& vy, int sida) {
        Inspelning duk;
        vy.ritaSida(duk, sida);
        EXPECT_EQ(duk.djup, 0) << "every save is restored";
        return duk.anrop;
    }
};

using Anrop = std::vector<std::string>;

TEST_F(Ritning, PagesTakeTheBackgroundsCropBox) {
    Fakturavy vy(faktura, *bok, false, mätare);
    vy.bakgrund = std::make_shared<ProvPdf>(Rect{0, 0, 612, 792});
    EXPECT_EQ(vy.ramFörEnSida(), (Rect{0, 0, 612, 792}));
}

TEST(Bildpassning, KeepsTheAspectCentredOnWholePoints) {
    struct Fall {
        Size bild;
        Rect ram;
        Rect väntat;
    } fall[] = {
        {{200, 100}, {10, 20, 100, 100}, {10, 45, 100, 50}},
        {{100, 200}, {10, 20, 100, 100}, {35, 20, 50, 100}},
        {{100, 100}, {0, 0, 50, 50}, {0, 0, 50, 50}},
        // (10.5, 45.25, 100, 50) before its edges go out to whole points.
        {{200, 100}, {10.5, 20.25, 100, 100}, {10, 45, 101, 51}},
    };
    for (const Fall& f : fall) EXPECT_EQ(passaInBild(f.bild, f.ram), f.väntat) << text(f.ram);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(passaInBild({0, 100}, {0, 0, 100, 100}), std::nullopt);
    EXPECT_EQ(passaInBild({100, 100}, {0, 0, 100, 0}), std::nullopt);
    EXPECT_EQ(passaInBild({100, 100}, {0, 0, -10, 100}), std::nullopt);
    EXPECT_EQ(passaInBild({100, 100}, {nan, 0, 100, 100}), std::nullopt);
}

TEST_F(Ritning, BackgroundThenEveryPageObjectsThenThePagesOwn) {
    Fakturavy vy(faktura, *bok, false, mätare);
    vy.bakgrund = std::make_shared<ProvPdf>(Rect{0, 0, 595, 842});
    vy.innehållFörAllaSidor.push_back(CachatObjekt(Rect{10, 10, 50, 20}, Color::black()));
    vy.innehållFörVarjeSida = {{textobjekt("ett", {20, 30, 100, 12})}, {textobjekt("två", {20, 30, 100, 12})}};

    EXPECT_EQ(rita(vy, 1), (Anrop{"background", "fill (10, 10, 50, 20)", "text 'ett' (20, 30, 100, 12) fromTopLeft"}));
    EXPECT_EQ(rita(vy, 2), (Anrop{"background", "fill (10, 10, 50, 20)", "text 'två' (20, 30, 100, 12) fromTopLeft"}));
    EXPECT_EQ(rita(vy, 0), Anrop{});
    EXPECT_EQ(rita(vy, 3), Anrop{});
}

TEST_F(Ritning, EachPayloadAsItsKindAndTheViewsStringModeSay) {
    Fakturavy vy(faktura, *bok, false, mätare);
    BezierPath linje;
    linje.moveTo({0, 100});
    linje.lineTo({595, 100});
    auto bild = std::make_shared<ProvBild>(Size{200, 100});
    vy.innehållFörVarjeSida = {{
        CachatObjekt(Rect{1, 2, 3, 4}, Color::white(), Color::black()),
        CachatObjekt(std::nullopt, std::nullopt, cachad::path{linje, std::nullopt, Color::black()}),
        CachatObjekt(std::nullopt, std::nullopt, cachad::path{linje, std::nullopt, std::nullopt}),
        textobjekt("rad", {20, 30, 100, 12}),
        CachatObjekt(std::nullopt, std::nullopt,
                     cachad::stringNeedingLayoutManager{AttributedString("tabell"), {40, 700, 150, 20}}),
        CachatObjekt(std::nullopt, std::nullopt, cachad::image{bild, {300, 40, 100, 100}}),
    }};
    EXPECT_EQ(rita(vy, 1), (Anrop{"fill (1, 2, 3, 4) white", "stroke (1, 2, 3, 4) black", "stroke (0, 100, 595, 0) black",
                                  "text 'rad' (20, 30, 100, 12) fromTopLeft",
                                  "text 'tabell' (40, 700, 150, 20) layoutManager", "image (300, 65, 100, 50)"}));

    vy.annanSträngmetod = true;
    EXPECT_EQ(rita(vy, 1)[3], "text 'rad' (20, 30, 100, 12) baselineAtFoot");
    EXPECT_EQ(rita(vy, 1)[4], "text 'tabell' (40, 700, 150, 20) layoutManager");
}

TEST_F(Ritning, ClipsBeforeTheTransformAndRestoresBoth) {
    Fakturavy vy(faktura, *bok, false, mätare);
    vy.innehållFörVarjeSida = {{
        textobjekt("a", {20, 30, 100, 12}),
        CachatObjekt(Rect{20, 40, 100, -10}, AffineTransform::translation(5, 5),
                     cachad::string{AttributedString("b"), {20, 30, 100, 12}}),
        textobjekt("c", {20, 30, 100, 12}),
    }};
    EXPECT_EQ(rita(vy, 1),
              (Anrop{"text 'a' (20, 30, 100, 12) fromTopLeft", "save", "clip (20, 30, 100, 10)", "save", "concat",
                     "text 'b' (20, 30, 100, 12) fromTopLeft", "restore", "restore",
                     "text 'c' (20, 30, 100, 12) fromTopLeft"}));
}

// Only objects wholly outside the page are left out; so are objects that
// cannot be drawn at all.
TEST_F(Ritning, LeavesOutOnlyWhatCannotShow) {
    Fakturavy vy(faktura, *bok, false, mätare);
    auto bild = std::make_shared<ProvBild>(Size{10, 10});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto bildobjekt = [&](Rect ram) { return CachatObjekt(std::nullopt, std::nullopt, cachad::image{bild, ram}); };
    vy.innehållFörVarjeSida = {{
        CachatObjekt(Rect{10, 850, 50, 20}, Color::black()),                 // below the page
        bildobjekt({-200, 10, 100, 100}),                                  // left of it
        CachatObjekt(Rect{40, 0, 50, 0}, Color::black()),                  // zero height, on the page
        textobjekt("ovanför", {40, -30, 100, 20}),                         // runs down into the page
        textobjekt("under", {40, 843, 100, 20}),                           // starts below it
        bildobjekt({100, 100, 0, 40}),                                     // zero size
        textobjekt("flyttad", {40, 2000, 100, 20}),                         // brought in by its map
        textobjekt("nan", {nan, 10, 100, 20}),
    }};
    vy.innehållFörVarjeSida[0][6] = CachatObjekt(AttributedString("flyttad"), {40, 2000, 100, 20},
                                                 AffineTransform::translation(0, -1500));
    vy.innehållFörVarjeSida[0].push_back(CachatObjekt(AttributedString("singulär"), {40, 40, 100, 20},
                                                      AffineTransform::scale(0, 1)));
    EXPECT_EQ(rita(vy, 1), (Anrop{"fill (40, 0, 50, 0)", "text 'ovanför' (40, -30, 100, 20) fromTopLeft", "save",
                                  "concat", "text 'flyttad' (40, 2000, 100, 20) fromTopLeft", "restore", "save",
                                  "restore"}));

    // A line standing on the foot rises from below into the page.
    vy.annanSträngmetod = true;
    vy.innehållFörVarjeSida = {{textobjekt("på foten", {40, 835, 100, 20}), textobjekt("ovanför", {40, -30, 100, 20})}};
    EXPECT_EQ(rita(vy, 1), (Anrop{"text 'på foten' (40, 835, 100, 20) baselineAtFoot"}));
}

// What an opaque rectangle drawn later hides whole shows nothing on the
// page; left out, it is not found under the white in the PDF either.
TEST_F(Ritning, LeavesOutTextsThatAnOpaqueRectangleDrawnLaterHidesWhole) {
    Fakturavy vy(faktura, *bok, false, mätare);
    Color halvvit = Color::white();
    halvvit.alpha = 0.5;
    vy.innehållFörAllaSidor = {textobjekt("dold", {40, 410, 100, 12}), textobjekt("halv", {40, 395, 100, 12}),
                               textobjekt("genomskinlig", {40, 610, 100, 12}),
                               textobjekt("rund", {40, 710, 100, 12})};
    vy.innehållFörVarjeSida = {{
        CachatObjekt(Rect{20, 400, 500, 100}, Color::white()),
        CachatObjekt(Rect{20, 600, 500, 100}, halvvit),
        CachatObjekt(std::nullopt, std::nullopt,
                     cachad::path{BezierPath::roundedRect({20, 700, 500, 100}, 5, 5), Color::white(), std::nullopt}),
        textobjekt("ovanpå", {40, 420, 100, 12}),
    }};
    const Anrop anrop = rita(vy, 1);
    EXPECT_EQ(std::count(anrop.begin(), anrop.end(), "text 'dold' (40, 410, 100, 12) fromTopLeft"), 0);
    for (const char* synlig : {"halv", "genomskinlig", "rund", "ovanpå"})
        EXPECT_EQ(std::count_if(anrop.begin(), anrop.end(),
                                [&](const std::string& a) { return a.starts_with("text '" + std::string(synlig) + "'"); }),
                  1)
            << synlig;
}

TEST_F(Ritning, PaperOnlyWhenAsked) {
    Fakturavy vy(faktura, *bok, false, mätare);
    vy.innehållFörVarjeSida = {{}};
    EXPECT_EQ(rita(vy, 1), Anrop{});
    vy.ritaPappret = true;
    EXPECT_EQ(rita(vy, 1), (Anrop{"fill (0, 0, 595, 842) white", "stroke (0, 0, 595, 842) black"}));
}

}  // namespace
