// Template SL: Futura over waves at the head and foot of the page. A row
// of up to five facts across the head, each a caption in capitals over its
// value, spread by their measured widths from x 42 to x 552; the
// recipient's address at the right; the reminder and the title at the
// left; the item table; the payment term and due date centred in the
// background's badge beside the VAT summary and amount rows; the credit
// terms; a footer with the company name, two sender tables and the logo.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygBelopp.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRubrikOchVarde.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>
#include <numeric>

using mallverktyg::Fakt;

namespace {

const Color röd = Color::rgb(0.693, 0.156, 0.178);

// The row of facts at y 30, above the recipient's address: the first at
// x 42, the gaps equal and at least 7 points, so that the last ends at
// x 552 when they fit. Facts too wide together are narrowed, the widest
// first, and wrap. Each stands in a column of its own; the columns are set
// smaller together.
void faktarad(rumsplan::Plan& plan, const TextMeasurer& mätare, std::vector<AttributedString> fakta) {
    constexpr double vänster = 42, höger = 552, minstaMellanrum = 7, överkant = 30, fot = 88;
    std::vector<double> önskade;
    for (const AttributedString& t : fakta)
        önskade.push_back(std::ceil(std::max(0.0, mätare.boundingSize(t, {10000, 10000}).width)));
    const std::vector<double> bredder = mallverktyg::kolumnbredder(önskade, höger - vänster, minstaMellanrum);
    const double summa = std::accumulate(bredder.begin(), bredder.end(), 0.0);
    const double k = static_cast<double>(fakta.size());
    const double mellanrum = std::floor(std::max((höger - vänster - summa) / (std::max(k, 2.0) - 1), minstaMellanrum));
    double x = vänster;
    const rumsplan::Rum* föregående = nullptr;
    for (size_t i = 0; i < fakta.size(); ++i) {
        auto& rum = plan.rum("fact", {x, överkant, bredder[i], fot - överkant});
        rum.block("fact", {std::move(fakta[i]), {x, överkant, bredder[i], 40}});
        if (föregående) plan.krymperMed(*föregående, rum);
        föregående = &rum;
        x += bredder[i] + mellanrum;
    }
}

}  // namespace

void Fakturavy::konfigureraInnehållFörSL() {
    const auto kursiv7 = typsnitt("Futura-MediumItalic", 7);
    const auto medium9 = typsnitt("Futura-Medium", 9);
    const auto medium7 = typsnitt("Futura-Medium", 7);
    const auto extrafet28 = typsnitt("Futura-CondensedExtraBold", 28);
    const auto extrafet12 = typsnitt("Futura-CondensedExtraBold", 12);
    const auto medium11 = typsnitt("Futura-Medium", 11);
    const auto kursiv6 = typsnitt("Futura-MediumItalic", 6);
    if (!kursiv7 || !medium9 || !medium7 || !extrafet28 || !extrafet12 || !medium11 || !kursiv6) return;

    //                                    paragraph style  colour        font
    const TextAttributes titel           {std::nullopt,    std::nullopt, extrafet28};
    const TextAttributes påminnelse      {std::nullopt,    röd,          kursiv7};
    const TextAttributes fskatt          {std::nullopt,    std::nullopt, kursiv6};
    const TextAttributes liten           {std::nullopt,    std::nullopt, medium7};
    const TextAttributes litenCentrerad  {centerAligned(), std::nullopt, medium7};
    const TextAttributes kolumnrubrik    {std::nullopt,    std::nullopt, extrafet12};
    const TextAttributes kolumnrubrikHöger{rightAligned(), std::nullopt, extrafet12};
    const TextAttributes litenHöger      {rightAligned(),  std::nullopt, medium7};
    const TextAttributes adresstext      {std::nullopt,    std::nullopt, medium11};
    const TextAttributes företagsnamn    {std::nullopt,    std::nullopt, medium9};
    const TextAttributes fakta           {std::nullopt,    std::nullopt, medium9};  // wraps in its column

    using enum Fakt;
    rumsplan::Plan plan(*this);
    läggTillInnehållMedRamFörLogotyp(plan, {429, 739, 123, 70}, titel, {42, 140, 319, 34}, påminnelse,
                                     {42, 124, 319, 16}, liten, {232, 617, 310, 42}, fskatt, {34, 801, 154, 15});

    // The recipient's address reaches down to just above the item headings.
    const Rect rubrikutrymme{56, 323, 483, 20};
    if (auto adress = f.fakturaadressGivetAvsändarland(std::string(kod(b.land))))
        plan.rum("invoice address", {366, 90, 183, rubrikutrymme.y - 3 - 90})
            .block("invoice address", {AttributedString(*adress, adresstext), {366, 90, 183, 85}});

    // At most five facts, a delivery note's the references and the delivery
    // date only; before the invoice number or date would be left out, the
    // other facts give way, the last first.
    std::vector<Fakt> rad = {erReferens, vårReferens, kundnummer, leveransdatum};
    if (!följesedel)
        rad.insert(rad.end(), {fakturanummer, fakturadatum, personnummer, personnummer2, fastighetsbeteckning,
                               lägenhetsnummer});
    faktarad(plan, mätare,
             mallverktyg::rubrikerÖverVärden(mallverktyg::faktaSomFårPlats(*this, rad, 5), fakta, fakta));

    // The footer: the company's name over both sender tables, standing on
    // its line and growing upward over the wave; the tables under it, the
    // registration beside the contact and payment details.
    plan.rum("sender name", {34, 684, 387, 35})
        .block("sender name", {AttributedString(b.namn, företagsnamn), {34, 703, 387, 15}},
               {.förankring = rumsplan::Förankring::påFoten(718)});
    const Datalista kontakt = mallverktyg::faktaOchBetalning(*this, {telefon, fax, email, hemsida});
    const Datalista registrering =
        mallverktyg::fakta(*this, {avsändaradress, organisationsnummer, momsregistreringsnummer});
    const Rect registreringsram{34, 721, 180, 79}, kontaktram{218, 721, 203, 107};
    plan.rum("sender", registreringsram)
        .block("sender", {tabellMedData(registrering, litenHöger, liten, {.storaBokstäverPåRubrik = true}).tabell,
                          {34, 721, 161, 75}, rumsplan::Sättning::tabell});
    plan.rum("sender contact", kontaktram)
        .block("sender contact", {tabellMedData(kontakt, litenHöger, liten, {.storaBokstäverPåRubrik = true}).tabell,
                                  kontaktram, rumsplan::Sättning::tabell});

    // The payment term and the due date, centred in the background's badge,
    // each on its line; a delivery note whites the badge out.
    if (följesedel) {
        plan.rita({Rect{32, 499, 125, 123}, Color::white()});
    } else {
        const std::string märke[] = {rubrikFörBetalningsvillkor(), rubrikFörDagar(), rubrikFörFörfallodatum(),
                                     datumtext(f.förfallodatum())};
        for (double y = 534; const std::string& t : märke) {
            plan.text("badge", AttributedString(t, litenCentrerad), {51, y, 88, 88}, {.rum = Rect{51, y, 88, 14}});
            y += 14;
        }
    }

    plan.artikeltabell({kolumnrubrik, liten, kolumnrubrikHöger, litenHöger,
                        {.rubrikutrymme = rubrikutrymme,
                         .datautrymme = Rect{56, 336, 483, 159}.integral(),
                         .höjdPåÖvrigaSidor = 173}});
    mallverktyg::beloppOchMoms(plan, *this, {liten, litenHöger, {424, 511, 116, 15}, {.taMedTotalen = true}},
                               {liten, liten, {233, 512, 168, 68},
                                {.rubrikOvanförSammanfattning = true, .rubrikMedStoraBokstäver = true}});
    std::move(plan).placera();
}
