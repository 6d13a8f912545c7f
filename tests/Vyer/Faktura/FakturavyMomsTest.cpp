#include "Displaylista.h"
#include "Stegvy.h"

#include "Plattform/Strangar.h"

#include <gtest/gtest.h>

namespace {

using displaylista::ram;
using displaylista::text;

const TextAttributes rubrikattribut = prov::attribut(9, std::nullopt, "Helvetica-Bold");
const TextAttributes sammanfattningsattribut = prov::attribut(8);

TEST(Momsblock, NoneOnADeliveryNoteOrUnderReverseCharge) {
    struct {
        const char* namn;
        bool följesedel, omvänd;
    } fall[] = {{"delivery note", true, false}, {"reverse charge", false, true}, {"both", true, true}};
    for (const auto& f : fall)
        for (bool ovanför : {false, true}) {
            prov::Stegvy steg;
            steg.faktura.omvändSkattskyldighetFörMoms_ = f.omvänd;
            auto vy = steg.vy(f.följesedel);
            EXPECT_FALSE(vy->momssammanfattningMedRubrikAttribut(
                rubrikattribut, sammanfattningsattribut, {300, 700, 250, 40}, {.rubrikOvanförSammanfattning = ovanför}))
                << f.namn;
        }
}

TEST(Momsblock, CaptionToTheLeftGivesTheSummaryTheRestOfTheRectangle) {
    struct {
        const char* namn;
        Size rubrik;
        Rect ruta, sammanfattning;
    } fall[] = {
        {"80 points in (300, 700, 250, 40)", {80, 11}, {300, 700, 250, 40}, {385, 700, 165, 40}},
        {"no caption", {0, 0}, {10, 20, 100, 30}, {15, 20, 95, 30}},
        {"caption wider than the rectangle", {120, 11}, {10, 20, 100, 30}, {135, 20, 0, 30}},
    };
    for (const auto& f : fall) {
        prov::Stegvy steg;
        steg.faktura.momssammanfattning_ = "25 %\t100,00\t25,00\n12 %\t50,00\t6,00";
        auto vy = steg.vy();
        steg.mätare.fasta[vy->rubrikFörBeloppPerMomsnivå()] = f.rubrik;
        auto objekt = vy->momssammanfattningMedRubrikAttribut(rubrikattribut, sammanfattningsattribut, f.ruta);
        ASSERT_TRUE(objekt) << f.namn;
        ASSERT_EQ(objekt->size(), 2u) << f.namn;
        EXPECT_EQ(*text((*objekt)[0]), AttributedString(vy->rubrikFörBeloppPerMomsnivå(), rubrikattribut)) << f.namn;
        EXPECT_EQ(ram((*objekt)[0]), f.ruta) << f.namn;
        // Each rate's line breaks only after a tab: its spaces do not break.
        EXPECT_EQ(*text((*objekt)[1]),
                  AttributedString("25\u00A0%\t100,00\t25,00\n12\u00A0%\t50,00\t6,00", sammanfattningsattribut))
            << f.namn;
        EXPECT_EQ(ram((*objekt)[1]), f.sammanfattning) << f.namn;
    }
}

TEST(Momsblock, CaptionAboveIsOneTextInTheWholeRectangle) {
    for (bool versal : {false, true}) {
        prov::Stegvy steg;
        steg.faktura.momssammanfattning_ = "Moms 25 %: 25,00 kr\nmoms 12 %: 6,00 kr";
        auto vy = steg.vy();
        auto objekt = vy->momssammanfattningMedRubrikAttribut(
            rubrikattribut, sammanfattningsattribut, {40, 600, 200, 50},
            {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = versal});
        ASSERT_TRUE(objekt);
        ASSERT_EQ(objekt->size(), 1u);
        std::string rubrik = vy->rubrikFörBeloppPerMomsnivå();
        if (versal) rubrik = versaler(rubrik);
        AttributedString väntad(rubrik + "\u2029", rubrikattribut);
        väntad.append("Moms\u00A025\u00A0%:\u00A025,00\u00A0kr\nmoms\u00A012\u00A0%:\u00A06,00\u00A0kr",
                      sammanfattningsattribut);
        EXPECT_EQ(*text(objekt->front()), väntad);
        EXPECT_EQ(ram(objekt->front()), (Rect{40, 600, 200, 50}));
        EXPECT_EQ(objekt->front().data.index(), 1u);
        EXPECT_FALSE(objekt->front().clippingRect || objekt->front().transform);
    }
}

TEST(Momsblock, CapitalsChangeTheCaptionOnly) {
    prov::Stegvy steg;
    steg.faktura.språk_ = "de";
    steg.faktura.momssammanfattning_ = "MwSt. 19 %: 19,00 €";
    auto vy = steg.vy();
    auto objekt = vy->momssammanfattningMedRubrikAttribut(rubrikattribut, sammanfattningsattribut,
                                                          {300, 700, 250, 40}, {.rubrikMedStoraBokstäver = true});
    ASSERT_TRUE(objekt);
    EXPECT_EQ(text((*objekt)[0])->text(), versaler(vy->rubrikFörBeloppPerMomsnivå()));
    EXPECT_EQ(text((*objekt)[1])->text(), "MwSt.\u00A019\u00A0%:\u00A019,00\u00A0€");
}

}  // namespace
