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
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"
#include "Vyer/Faktura/Textpassning.h"

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
    const Rect villkorsram{80, 656, 434, 25};
    läggTillInnehållMedRamFörLogotyp({426, 36, 97, 60}, titel, {73, 56, 345, 20}, påminnelse, {73, 77, 156, 20}, liten,
                                     villkorsram, liten, {28, 816, 200, 11});

    auto& alla = innehållFörAllaSidor;
    const Datalista kontakt =
        mallverktyg::fakta(*this, {Fakt::avsändaradress, Fakt::telefon, Fakt::fax, Fakt::email, Fakt::hemsida});
    const Datalista registrering =
        mallverktyg::faktaOchBetalning(*this, {Fakt::organisationsnummer, Fakt::momsregistreringsnummer});
    // The company name on y 720 over the contact table: from under the
    // credit terms down to the F-tax line, or the page's foot without it.
    // A long name grows upward; a long table pushes the name up.
    {
        rumsplan::Plan plan(*this);
        const double topp = std::min(681.0, mallverktyg::underKreditvillkoren(*this, liten, villkorsram)) + 3;
        const double fot = b.godkändFörFSkatt ? 813 : 836;
        plan.rum("sender", {73, topp, 238, fot - topp})
            .block("name", {AttributedString(b.namn, namn), {73, 705, 238, 15}},
                   {.förankring = rumsplan::Förankring::påFoten(720)})
            .block("contact", {tabellMedData(kontakt, avsändaretikett, avsändarvärde).tabell, {73, 725, 208, 88},
                               rumsplan::Sättning::tabell},
                   {.avstånd = 5});
        for (CachatObjekt& o : std::move(plan).placera()) alla.push_back(std::move(o));
    }
    // Every way of payment rises towards the credit terms, then reaches
    // down towards the foot.
    alla.push_back(mallverktyg::växandeTabell(*this, tabellMedData(registrering, avsändaretikett, avsändarvärde).tabell,
                                              {315, 725, 243, 88}, {mallverktyg::Växer::uppåt, 686, 836}));

    // The head of the page: on the left the recipient's address and below
    // it the delivery address, at y 216 unless the first runs past its
    // frame; on the right two dotted lists, the dates and terms, then the
    // references from y 219 or below the first. Values wrap in their
    // columns. What stands below starts below where the head ends, no
    // lower than y 400: a longer head is set smaller, its texts and rows by
    // one factor down to 70 %, and at last cut there.
    const Datalista datum =
        följesedel ? mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::leveransdatum, Fakt::leveranssätt})
                   : mallverktyg::fakta(*this, {Fakt::fakturanummer, Fakt::fakturadatum, Fakt::betalningsvillkor,
                                                Fakt::förfallodatum, Fakt::leveransdatum, Fakt::leveranssätt});
    const Datalista referenser = mallverktyg::fakta(
        *this, {Fakt::erReferens, Fakt::vårReferens, Fakt::kundnummer, Fakt::personnummer, Fakt::personnummer2,
                Fakt::fastighetsbeteckning, Fakt::lägenhetsnummer, Fakt::mottagarensMomsregistreringsnummer,
                Fakt::inköpsordernummer});
    const std::string avsändarland(kod(b.land));
    const auto fakturaadress = f.fakturaadressGivetAvsändarland(avsändarland);
    const auto leveransadress = f.adressAttLevereraTillGivetAvsändarland(avsändarland);
    constexpr double huvudetsFot = 400;
    struct Huvud {
        std::vector<CachatObjekt> objekt;
        double fot = 0;  // where its lowest line ends
    };
    auto huvud = [&](int procent) {
        const double skala = procent / 100.0;
        const TextAttributes värde = brödtext.scaled(skala);
        Huvud h;
        auto lägg = [&](std::vector<CachatObjekt> objekt) {
            h.fot = std::max(h.fot, mallverktyg::nederkant(*this, objekt, 0));
            h.objekt.insert(h.objekt.end(), std::make_move_iterator(objekt.begin()), std::make_move_iterator(objekt.end()));
        };
        double y = 132;
        for (const Datalista* lista : {&datum, &referenser}) {
            auto rader = cachadeObjektFörData(*lista, ledare.scaled(skala), värde,
                                              {.radhöjd = 13 * skala, .startposition = {273, y}, .etikettbredd = 158,
                                               .värdebredd = 128, .paddning = mallverktyg::punktledare});
            for (const CachatObjekt& o : rader) y = std::max(y, std::get<cachad::string>(o.data).frame.maxY() + 9 * skala);
            y = std::max(y, 219.0);
            lägg(std::move(rader));
        }
        double leveransrubrik = 216;
        if (fakturaadress) {
            AttributedString adress(*fakturaadress, värde);
            const double höjd = mallverktyg::uppmätt(*this, adress, {186, 10000}).height;
            if (höjd > 75) leveransrubrik = 143 + höjd + 8;
            lägg({CachatObjekt(std::move(adress), Rect{73, 143, 186, std::max(75.0, höjd)})});
            h.objekt.push_back(text(versaler(rubrikFörMottagare()), brödtext, {73, 129, 186, 13}));
        }
        if (leveransadress) {
            h.objekt.push_back(text(rubrikFörLeveransadress(), brödtext, {73, leveransrubrik, 186, 13}));
            AttributedString adress(*leveransadress, värde);
            const double höjd = mallverktyg::uppmätt(*this, adress, {186, 10000}).height;
            lägg({CachatObjekt(std::move(adress), Rect{73, leveransrubrik + 14, 186, std::max(77.0, höjd)})});
        }
        return h;
    };
    Huvud h = huvud(
        störstaProcent([&](int procent) { return huvud(procent).fot <= huvudetsFot; }).value_or(minstaProcent));
    // Past the foot even at 70 %, the texts that start above it are cut
    // there, those below left out.
    mallverktyg::läggTillVidFoten(*this, alla, std::move(h.objekt), h.fot, huvudetsFot);
    // The amount strip and the item table stand lower by what the head
    // reaches into the strip.
    const double d = std::max(0.0, std::ceil(std::min(h.fot, huvudetsFot) + 4 - 304));

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
