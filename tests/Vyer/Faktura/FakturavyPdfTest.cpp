// The invoice PDF read back by poppler: pages in order at the page's size,
// the background under every page, the document's information, and the
// layout errors that keep an empty or broken invoice from being written.
#include "Vyer/Faktura/Bakgrunder.h"
#include "Vyer/Faktura/Fakturavy.h"

#include "FastMatare.h"
#include "Pdfkontroll.h"
#include "Plattform/Application.h"
#include "Plattform/UserAccount.h"
#include "Programkorning.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

using namespace testhjalp;
using namespace pdfkontroll;

namespace {

class FakturavyPdf : public MedTillfälligKatalog {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    FakturavyPdf() { faktura.inbyggdFakturamall_.reset(); }

    std::filesystem::path skriv(const Fakturavy& vy) {
        const auto fil = katalog / "faktura.pdf";
        std::vector<uint8_t> pdf = vy.pdf();
        skrivFil(fil, Bytes(pdf.begin(), pdf.end()));
        return fil;
    }
};

std::string layoutfel(const Fakturavy& vy) {
    try {
        vy.pdf();
    } catch (const Layoutfel& fel) {
        return fel.what();
    }
    return "(no error)";
}

TEST(InbyggdBakgrund, LoadsByNameWithItsPageSize) {
    auto bakgrund = inbyggdBakgrund("Provbakgrund");
    ASSERT_TRUE(bakgrund);
    EXPECT_EQ(bakgrund->cropBox(), (Rect{0, 0, 595, 842}));
    EXPECT_FALSE(inbyggdBakgrund("Finns inte"));
}

TEST_F(FakturavyPdf, EveryPageInOrderOverTheBackgroundWithTheDocumentsInformation) {
    Fakturavy vy(faktura, *bok, false, mätare);
    vy.bakgrund = inbyggdBakgrund("Provbakgrund");
    const TextAttributes stil{std::nullopt, std::nullopt, Font{"HelveticaNeue", 12}};
    for (const char* text : {"Ettan", "Tvåan", "Trean"})
        vy.innehållFörVarjeSida.push_back({CachatObjekt(AttributedString(text, stil), {100, 200, 200, 20})});
    const auto fil = skriv(vy);

    auto info = information(fil);
    EXPECT_EQ(info["Pages"], "3");
    EXPECT_EQ(info["Page size"], "595 x 842 pts (A4)");
    EXPECT_EQ(info["Title"], "Invoice #1042");
    EXPECT_EQ(info["Author"], fullUserName());
    EXPECT_EQ(info["Creator"], "kontobok " + std::string(applicationVersion()));
    std::string qpdf;
    EXPECT_TRUE(qpdfGodkänner(fil, qpdf)) << qpdf;

    auto o = ord(fil);
    const char* texter[] = {"Ettan", "Tvåan", "Trean"};
    for (int sida = 1; sida <= 3; ++sida) {
        auto ruta = rutaFörText(o, sida, texter[sida - 1]);
        ASSERT_TRUE(ruta) << sida;
        EXPECT_NEAR(ruta->x, 100, 1.5);
        EXPECT_NEAR(ruta->y, 200, 1.5);
    }

    // The background's dark band at the top of every page.
    for (int sida = 1; sida <= 3; ++sida) EXPECT_LT(rastrera(fil, sida, 18).vid(300, 20), 0.4) << sida;
}

TEST_F(FakturavyPdf, NoPageOrAMissingBackgroundIsALayoutError) {
    Fakturavy utan(faktura, *bok, false, mätare);
    EXPECT_EQ(layoutfel(utan), "Invoice 1042 cannot be laid out: its layout gives no page.");

    Fakturavy saknar(faktura, *bok, false, mätare);
    saknar.innehållFörVarjeSida = {{}};
    saknar.saknadBakgrund = "E";
    EXPECT_EQ(layoutfel(saknar), "Invoice 1042 cannot be laid out: its background E cannot be loaded.");
}

}  // namespace
