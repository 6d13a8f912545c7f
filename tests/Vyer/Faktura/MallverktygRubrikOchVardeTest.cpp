// Captions with their values: on one line, in capitals over the value, and
// the foot lines of a right-hand item column.
#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"
#include "Vyer/Faktura/Rumsplan.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"

#include <gtest/gtest.h>

using namespace displaylista;

namespace {

const TextAttributes rubrik{std::nullopt, Color::rgb(0, 0.5, 0), Font{"GillSans", 8}};
const TextAttributes värde{std::nullopt, std::nullopt, Font{"GillSans-Light", 8}};

TEST(MallverktygRubrikOchVarde, CaptionInCapitalsOverItsValue) {
    AttributedString t = mallverktyg::rubrikÖverVärde("Straße", rubrik, "Gatan 1", värde);
    EXPECT_EQ(t.text(), "STRASSE\u2029Gatan 1");
    ASSERT_EQ(t.runs().size(), 2u);
    EXPECT_EQ(t.runs()[0].attributes, rubrik);
    EXPECT_EQ(t.runs()[1].start, std::string("STRASSE\u2029").size());
    EXPECT_EQ(t.runs()[1].attributes, värde);

    // Facts without caption or value make no text; an empty value does.
    const Datalista data = {{"A", "1"}, {std::nullopt, "2"}, {"C", std::nullopt}, {"D", ""}};
    const auto texter = mallverktyg::rubrikerÖverVärden(data, rubrik, värde);
    ASSERT_EQ(texter.size(), 2u);
    EXPECT_EQ(texter[1].text(), "D\u2029");
}

TEST(MallverktygRubrikOchVarde, PaymentTermLineUnderTheAmountToPayOnInvoicesOnly) {
    auto bok = prov::bokföring();
    prov::Faktura faktura;
    faktura.språk_ = "en";
    FastMätare mätare;
    for (bool följesedel : {false, true}) {
        Fakturavy vy(faktura, *bok, följesedel, mätare);
        rumsplan::Plan plan(vy);
        mallverktyg::villkorOchAttBetala(plan, vy, {.x = 264, .bredd = 280}, värde, rubrik, värde);
        vy.innehållFörAllaSidor.clear();
        std::move(plan).placera();
        const auto& objekt = vy.innehållFörAllaSidor;
        if (följesedel) {
            EXPECT_TRUE(objekt.empty());
            continue;
        }
        ASSERT_EQ(objekt.size(), 2u);
        EXPECT_EQ(ram(objekt[0]), (Rect{264, 698, 280, 17}));
        EXPECT_NE(text(objekt[0])->text().find(" 30 days  \u2022  Due date 2026-12-31"), std::string::npos)
            << text(objekt[0])->text();
        EXPECT_EQ(ram(objekt[1]), (Rect{264, 679, 280, 21}));
        const AttributedString& attBetala = *text(objekt[1]);
        ASSERT_EQ(attBetala.runs().size(), 2u);
        EXPECT_EQ(attBetala.runs()[0].attributes, rubrik);
        EXPECT_EQ(attBetala.text()[attBetala.runs()[1].start - 1], ' ');
        EXPECT_NE(attBetala.text().find("125", attBetala.runs()[1].start), std::string::npos) << attBetala.text();
    }
}

}  // namespace
