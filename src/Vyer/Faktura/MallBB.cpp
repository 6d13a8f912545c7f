// Template BB: a typewriter page in Courier New, black on white, without a
// background; one magenta accent for the reminder. Title and reminder top
// left with the logo at the right; the recipient and the delivery address
// on the left beside two dotted fact lists; the amount to pay across the
// page above the item table; amounts and the VAT summary below it; the
// credit terms, the company name and two sender boxes at the foot.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/MallverktygRum.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::Fakt;
using mallverktyg::text;

namespace {

const Color accent = Color::rgb(0.8, 0, 0.41568627);
const Color vit = Color::white();

}  // namespace

void Fakturavy::konfigureraInnehållFörBB() {
    const auto titel12 = typsnitt("CourierNewPSMT", 12);
    const auto kursiv9 = typsnitt("CourierNewPS-ItalicMT", 9);
    const auto bröd9 = typsnitt("CourierNewPSMT", 9);
    const auto liten7 = typsnitt("CourierNewPSMT", 7);
    const auto avsändare8 = typsnitt("CourierNewPSMT", 8);
    const auto fet10 = typsnitt("CourierNewPS-BoldMT", 10);
    if (!titel12 || !kursiv9 || !bröd9 || !liten7 || !avsändare8 || !fet10) return;

    //                                    paragraph style            colour        font
    const TextAttributes titel           {std::nullopt,              std::nullopt, titel12};
    const TextAttributes påminnelse      {std::nullopt,              accent,       kursiv9};
    const TextAttributes brödtext        {std::nullopt,              std::nullopt, bröd9};
    const TextAttributes ledare          {clippedLeftOnCharacters(), std::nullopt, bröd9};
    const TextAttributes brödtextHöger   {rightAligned(),            std::nullopt, bröd9};
    const TextAttributes liten           {std::nullopt,              std::nullopt, liten7};
    const TextAttributes avsändaretikett {std::nullopt,              std::nullopt, avsändare8};
    const TextAttributes avsändarvärde   {rightAligned(),            std::nullopt, avsändare8};
    const TextAttributes namn            {std::nullopt,              std::nullopt, fet10};

    // The F-tax line runs on to the right: the longest wording is wider than
    // the standard template's frame.
    läggTillInnehållMedRamFörLogotyp({426, 36, 97, 60}, titel, {73, 56, 345, 20}, påminnelse, {73, 77, 156, 20}, liten,
                                     {80, 656, 434, 25}, liten, {28, 816, 200, 11});

    auto& alla = innehållFörAllaSidor;
    alla.push_back(text(b.namn, namn, {73, 705, 238, 15}));

    const Datalista kontakt =
        mallverktyg::fakta(*this, {Fakt::avsändaradress, Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida});
    const Datalista registrering =
        mallverktyg::faktaOchBetalning(*this, {Fakt::organisationsnummer, Fakt::momsregistreringsnummer});
    alla.push_back(mallverktyg::tabelltext(*this, tabellMedData(kontakt, avsändaretikett, avsändarvärde).tabell,
                                           {73, 725, 208, 88}));
    // Every way of payment rises towards the credit terms, then reaches
    // down towards the foot.
    alla.push_back(mallverktyg::växandeTabell(*this, tabellMedData(registrering, avsändaretikett, avsändarvärde).tabell,
                                              {315, 725, 243, 88}, {mallverktyg::Växer::uppåt, 686, 836}));

    // Two dotted lists side by side with the addresses: the dates and terms,
    // then the references; the second starts at y 219 however long the
    // first is. What stands below them starts below where they end.
    const Datalista datum =
        följesedel ? mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::leveransdatum, Fakt::leveranssätt})
                   : mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::fakturadatum, Fakt::betalningsvillkor,
                                                Fakt::förfallodatum, Fakt::leveransdatum, Fakt::leveranssätt});
    const Datalista referenser = mallverktyg::fakta(
        *this, {Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer, Fakt::personnummer, Fakt::personnummer2,
                Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer, Fakt::mottagarensMomsregistreringsnummer,
                Fakt::inköpsordernummer});
    double listornasFot = 0;
    for (const auto& [lista, y] : {std::pair{&datum, 132.0}, std::pair{&referenser, 219.0}}) {
        auto rader = cachadeObjektFörData(*lista, ledare, brödtext,
                                          {.radhöjd = 13, .startposition = {273, y}, .etikettbredd = 158,
                                           .värdebredd = 128, .paddning = mallverktyg::punktledare});
        listornasFot = std::max(listornasFot, mallverktyg::nederkant(*this, rader, 0));
        alla.insert(alla.end(), std::make_move_iterator(rader.begin()), std::make_move_iterator(rader.end()));
    }
    // The amount strip and the item table stand lower by what the lists
    // reach into the strip.
    const double d = std::max(0.0, std::ceil(listornasFot + 4 - 304));

    const std::string avsändarland(kod(b.land));
    if (auto adress = f.fakturaadressGivetAvsändarland(avsändarland)) {
        alla.push_back(text(*adress, brödtext, {73, 143, 186, 75}));
        alla.push_back(text(versaler(rubrikFörMottagare()), brödtext, {73, 129, 186, 13}));
    }
    if (auto adress = f.adressAttLevereraTillGivetAvsändarland(avsändarland)) {
        alla.push_back(text(rubrikFörLeveransadress(), brödtext, {73, 216, 186, 13}));
        alla.push_back(text(*adress, brödtext, {73, 230, 186, 77}));
    }

    // The amount to pay: caption at the left, amount at the right of one
    // frame; a delivery note whites the strip out.
    if (följesedel) {
        alla.emplace_back(Rect{65, 304 + d, 466, 33}, vit);
    } else {
        alla.push_back(text(rubrikFörBeloppAttBetala(), brödtext, {80, 311 + d, 435, 15}));
        alla.push_back(text(belopp(f.attBetala()), brödtextHöger, {80, 311 + d, 435, 15}));
    }

    // Five amount rows or more start six points higher.
    const double y = antalBeloppsrader(true) > 4 ? 573 : 579;
    std::vector<CachatObjekt> sistaSidan =
        beloppfältMedRubrikattribut(brödtext, brödtextHöger, {326, y, 189, 15}, {326, y, 189, 15},
                                    {.taMedTotalen = true})
            .data;
    if (auto moms = momssammanfattningMedRubrikAttribut(brödtext, brödtext, {80, 579, 142, 73},
                                                        {.rubrikOvanförSammanfattning = true}))
        sistaSidan.insert(sistaSidan.end(), moms->begin(), moms->end());

    läggTillKolumnerMedRubrikattribut(brödtext, brödtext, brödtextHöger, brödtextHöger,
                                      {.rubrikutrymme = {80, 354 + d, 434, 17},
                                       .datautrymme = {80, 367 + d, 434, std::max(0.0, 172 - d)},
                                       .höjdPåÖvrigaSidor = 264 - d,
                                       .storaBokstäverPåRubriker = true});
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), Rect{0, 558, 595, 15});
}
