// Template C with the fixed-width measurer: the number box measured to its
// number, the facts standing on a common foot, the amounts block growing
// upward with its rows, and the item area a delivery note gets instead of
// the boxes.
#include "Vyer/Faktura/Fakturavy.h"

#include "Beloppsrader.h"
#include "Dataomrade.h"
#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"
#include "Rumskontroll.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace displaylista;

namespace {

const Color tonad = Color::rgb(0.95, 0.96, 0.99);

class MallC : public ::testing::Test {
protected:
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    prov::Faktura faktura;
    FastMätare mätare;

    MallC() {
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::Klassisk;
        faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    }

    static bool tonadRuta(const std::vector<CachatObjekt>& lista, const Rect& r) {
        const CachatObjekt* o = medRam(lista, r);
        const auto* p = o ? std::get_if<cachad::path>(&o->data) : nullptr;
        return p && p->fill == tonad && !p->stroke;
    }
};

// Baskerville 9 is 4.5 points a character here: the box is 8 wider than
// the number and ends at x 559; it stands 4 points higher than the title's
// frame would have it, so that the number does not meet the title.
TEST_F(MallC, TheNumberBoxIsMeasuredToTheNumber) {
    struct Fall {
        std::string nummer;
        double w;
    } fall[] = {{"1042", 18}, {"2026-000042", 49.5}};
    for (const Fall& c : fall) {
        faktura.nummer_ = c.nummer;
        Fakturavy vy(faktura, *bok, false, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        const double xb = 559 - (c.w + 8);
        EXPECT_TRUE(tonadRuta(alla, {xb, 24, c.w + 8, 17}));
        const CachatObjekt* nummer = medText(alla, c.nummer);
        ASSERT_TRUE(nummer);
        EXPECT_EQ(ram(*nummer), (Rect{xb + 4, 26, c.w, 13}));
        const CachatObjekt* rubrik = medRam(alla, {xb - 204, 26, 200, 13});
        ASSERT_TRUE(rubrik);
        EXPECT_EQ(text(*rubrik)->runs()[0].attributes.paragraphStyle->alignment, TextAlignment::right);
    }
}

// Up to five rows stand at y 196, each row fewer moving the block 14
// down; more rise from the foot of that frame, at their size.
TEST_F(MallC, FactsStandOnACommonFoot) {
    struct Fall {
        int rader;
        double y;
    } fall[] = {{1, 252}, {3, 224}, {5, 196}, {6, 196}};
    const char* värden[] = {"Bil", "PO-7", "SE556", "Johan", "Anna", "K-1"};
    for (const Fall& c : fall) {
        faktura = prov::Faktura();
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::Klassisk;
        bok->visaKundnummerPåFakturor = true;
        std::optional<std::string>* fält[] = {&faktura.leveranssätt_, &faktura.inköpsordernummer_,
                                              &faktura.momsregistreringsnummer_, &faktura.erReferens_,
                                              &faktura.vårReferens_, &faktura.kundnummer_};
        for (int i = 0; i < c.rader; ++i) *fält[i] = värden[i];
        Fakturavy vy(faktura, *bok, false, mätare);
        const CachatObjekt* fakta = nullptr;
        for (const CachatObjekt& o : vy.innehållFörAllaSidor)
            if (text(o) && ram(o).x == 316) fakta = &o;
        ASSERT_TRUE(fakta) << c.rader << " rows\n" << beskriv(vy.innehållFörAllaSidor);
        if (c.rader < 5) EXPECT_EQ(ram(*fakta).y, c.y);
        else EXPECT_NEAR(ram(*fakta).y + mätare.boundingSize(*text(*fakta), {242, 10000}).height, 196 + 72, 1.5);
        EXPECT_EQ(text(*fakta)->runs().back().attributes.font->pointSize, 9);
        EXPECT_NE(text(*fakta)->text().find(värden[c.rader - 1]), std::string::npos);
    }
}

// The block always ends at y 703: 63 high for up to two amount rows, 14
// more for each row beyond; no room of the page meets another, the item
// rows' on the last page above the block.
TEST_F(MallC, AmountsBlockGrowsUpwardWithItsRows) {
    struct Fall {
        int n;
        double topp;
    } fall[] = {{2, 640}, {3, 626}, {4, 612}, {5, 598}};
    for (const Fall& c : fall) {
        faktura = prov::Faktura();
        faktura.inbyggdFakturamall_ = InbyggdFakturamall::Klassisk;
        ställBeloppsrader(faktura, c.n);
        Fakturavy vy(faktura, *bok, false, mätare);
        ASSERT_EQ(vy.antalBeloppsrader(false), c.n);
        const auto& sista = vy.innehållFörVarjeSida.back();
        SCOPED_TRACE(beskriv(sista));
        EXPECT_TRUE(tonadRuta(sista, {36, c.topp, 523, 703 - c.topp}));
        EXPECT_TRUE(medRam(sista, {347, c.topp + 4, 198, 15})) << "first amount row";
        EXPECT_TRUE(medRam(sista, {36, c.topp, 523, 0})) << "top rule";
        EXPECT_TRUE(medRam(sista, {347, 683, 198, 15})) << "total";
        EXPECT_EQ(rumskontroll::fel(vy), std::vector<std::string>{});
    }
}

TEST_F(MallC, ADeliveryNoteGivesTheBoxesRoomToTheItemTable) {
    for (bool följesedel : {false, true}) {
        SCOPED_TRACE(följesedel ? "delivery note" : "invoice");
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        const auto& alla = vy.innehållFörAllaSidor;
        SCOPED_TRACE(beskriv(alla));
        EXPECT_EQ(vy.radavstånd, 2);
        const double r = följesedel ? 316 : 376;
        EXPECT_TRUE(medRam(alla, {36, r, 523, 703 - r})) << "rules";
        EXPECT_EQ(tonadRuta(alla, {37, 299, 256, 43}), !följesedel);
        EXPECT_EQ(tonadRuta(alla, {304, 299, 256, 43}), !följesedel);
        EXPECT_EQ(medRam(alla, {456, 65, 103, 14}) != nullptr, !följesedel) << "invoice date";
        EXPECT_EQ(medTextSomInnehåller(alla, "2026-12-31") != nullptr, !följesedel) << "due date";

        // The headings' row, 20 high.
        const double rubrikY = följesedel ? 296 : 356;
        EXPECT_TRUE(std::any_of(alla.begin(), alla.end(), [&](const CachatObjekt& o) {
            return ram(o) == Rect{44, rubrikY, ram(o).width, 20};
        }));
    }
    // The invoice's data area: 230 high, each item row 2 higher than its
    // cell; with five amount rows a row lower.
    EXPECT_EQ(sidorMedEnPostSomÄr(faktura, *bok, mätare, 230 - 3 - 2), 1);
    EXPECT_EQ(sidorMedEnPostSomÄr(faktura, *bok, mätare, 230 - 2 - 2), 2);
    ställBeloppsrader(faktura, 5);
    EXPECT_EQ(sidorMedEnPostSomÄr(faktura, *bok, mätare, 216 - 3 - 2), 1);
    EXPECT_EQ(sidorMedEnPostSomÄr(faktura, *bok, mätare, 216 - 2 - 2), 2);
}

}  // namespace
