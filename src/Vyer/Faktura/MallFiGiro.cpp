// Templates FiGiro1 and FiGiro2: an invoice over a Finnish bank giro slip.
// Logo and title at the top left, the addresses in a middle column, the
// facts with dotted leaders at the top right, the item table under a rule
// with the amount to pay, the amount rows and the VAT summary below it,
// the sender's tables above the slip, and the slip itself on the lower
// part of every page of an invoice. FiGiro1 sets the body on a light-blue
// band between black bars and boxes the amount to pay in white; FiGiro2
// has no band, puts the amount on light blue and writes its headings in
// capitals.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/FinskGiroblankett.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygFakta.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

using mallverktyg::streck;
using mallverktyg::tabelltext;
using mallverktyg::text;

void Fakturavy::konfigureraInnehållFörFiGiroAvTyp(FiGirotyp typ) {
    const auto normal7 = typsnitt("HelveticaNeue", 7);
    const auto smalFet14 = typsnitt("HelveticaNeue-CondensedBold", 14);
    const auto kursiv6 = typsnitt("HelveticaNeue-Italic", 6);
    const auto normal6 = typsnitt("HelveticaNeue", 6);
    const auto fet6 = typsnitt("HelveticaNeue-Bold", 6);
    const auto smalFet8 = typsnitt("HelveticaNeue-CondensedBold", 8);
    const auto normal9 = typsnitt("HelveticaNeue", 9);
    if (!normal7 || !smalFet14 || !kursiv6 || !normal6 || !fet6 || !smalFet8 || !normal9) return;

    const Color magenta = Color::rgb(0.801, 0, 0.417);
    const Color ljusblå = Color::rgb(0.89, 0.953, 0.97);
    const Color svart = Color::black();

    //                                    paragraph style             colour        font
    const TextAttributes titel          {std::nullopt,               std::nullopt, smalFet14};
    const TextAttributes påminnelse     {std::nullopt,               magenta,      normal7};
    const TextAttributes villkor        {std::nullopt,               std::nullopt, kursiv6};
    const TextAttributes fskatt         {rightAligned(),             std::nullopt, kursiv6};
    const TextAttributes brödtext       {std::nullopt,               std::nullopt, normal7};
    const TextAttributes brödtextHöger  {rightAligned(),             std::nullopt, normal7};
    const TextAttributes rubrik         {std::nullopt,               std::nullopt, smalFet8};
    const TextAttributes rubrikHöger    {rightAligned(),             std::nullopt, smalFet8};
    const TextAttributes tabellvärde    {truncatedTail(),            std::nullopt, normal6};
    const TextAttributes tabelletikett  {rightAligned(),             std::nullopt, fet6};
    const TextAttributes faktaetikett   {clippedLeftOnCharacters(),  std::nullopt, normal7};

    läggTillInnehållMedRamFörLogotyp({40, 38, 98, 79}, titel, {46, 161, 203, 20}, påminnelse, {46, 144, 202, 20},
                                     villkor, {57, 431, 504, 27}, fskatt, {411, 535, 161, 13});

    auto& alla = innehållFörAllaSidor;
    using enum mallverktyg::Fakt;
    if (!följesedel) {
        for (auto [lista, start] :
             {std::pair{mallverktyg::fakta(*this, {fakturanummer, fakturadatum, betalningsvillkor, förfallodatum}),
                        Point{381, 47}},
              std::pair{mallverktyg::fakta(*this, {erReferens, vårReferens, kundnummer, inköpsordernummer,
                                                    mottagarensMomsregistreringsnummer, leveranssätt, leveransdatum}),
                        Point{381, 109}}}) {
            auto rader = mallverktyg::faktaMedPunktledare(*this, lista, faktaetikett, brödtext, start);
            alla.insert(alla.end(), std::make_move_iterator(rader.begin()), std::make_move_iterator(rader.end()));
        }
    }

    // Each caption stands 11 points above its address; both end at one y.
    const std::string avsändarland(kod(b.land));
    if (auto adress = f.fakturaadressGivetAvsändarland(avsändarland)) {
        alla.push_back(text(*adress, brödtext, {257, 57, 115, 54}));
        alla.push_back(text(versaler(rubrikFörMottagare()), brödtext, {257, 46, 115, 65}));
    }
    if (auto adress = f.adressAttLevereraTillGivetAvsändarland(avsändarland)) {
        alla.push_back(text(*adress, brödtext, {257, 123, 115, 61}));
        alla.push_back(text(versaler(rubrikFörLeveransadress()), brödtext, {257, 112, 115, 72}));
    }

    // FiGiro1's band: its height, and the top of the black bar at its foot.
    const bool typ2 = typ == FiGirotyp::typ2;
    const double bandhöjd = följesedel ? 595 : 270;
    const double nedreStapel = bandhöjd + 187;

    // Above the slip; a delivery note has no slip and sets them lower.
    const double avsändarY = följesedel ? 695 : 470;
    const std::pair<Datalista, double> avsändartabeller[] = {
        {mallverktyg::fakta(*this, {avsändare, telefon, fax, email, hemsida}), 53},
        {mallverktyg::faktaOchBetalning(*this, {organisationsnummer, momsregistreringsnummer}), 315},
    };
    for (const auto& [lista, x] : avsändartabeller) {
        AttributedString tabell = tabellMedData(lista, tabelletikett, tabellvärde, false, false).tabell;
        Rect ram{x, avsändarY, 189, 77};
        // Every way of payment fills more rows than the frame holds: the
        // table then rises so that the slip below stays clear, up to the
        // foot of the credit terms; on the band, further, until the bar
        // falls between two of its rows.
        const double höjd = mallverktyg::uppmätt(*this, tabell, {ram.width, 10000}).height;
        if (!följesedel) ram.y = std::clamp(549 - höjd, 440.0, ram.y);
        const ParagraphStyle* stil = tabell.paragraphStyleAt(0);
        if (!typ2 && !följesedel && stil && ram.y < nedreStapel + 2 && ram.y + höjd > nedreStapel) {
            const double rad = stil->minimumLineHeight, steg = rad + stil->paragraphSpacing;
            ram.y = nedreStapel - rad - std::ceil((nedreStapel - rad - ram.y) / steg) * steg;
        }
        alla.push_back(tabelltext(std::move(tabell), ram));
    }

    if (!följesedel) {
        std::vector<CachatObjekt> blankett =
            finskGiroblankett(*this, giroblankettstilar(*normal7, *normal6, *normal9));
        alla.insert(alla.end(), std::make_move_iterator(blankett.begin()), std::make_move_iterator(blankett.end()));
    }

    // Amount rows past four lift the amounts and the VAT summary and shorten
    // the item table's room on the last page.
    const int n = antalBeloppsrader(true);
    const double e = n > 4 ? (n - 4) * 12 : 0;

    std::vector<CachatObjekt> sistaSidan;
    const std::string attBetalaRubrik = typ2 ? versaler(rubrikFörBeloppAttBetala()) : rubrikFörBeloppAttBetala();
    double rubriklinje = 1;
    if (typ2) {
        sistaSidan.emplace_back(Rect{316, 399, 241, 19}, ljusblå);
    } else {
        // The band goes under everything laid out so far: the credit terms
        // stand inside it and would be hidden.
        const CachatObjekt band[] = {{Rect{0, 188, 595, bandhöjd}, ljusblå},
                                     {Rect{0, nedreStapel, 595, 2}, svart},
                                     {Rect{0, 187, 595, 2}, svart}};
        alla.insert(alla.begin(), std::begin(band), std::end(band));
        rubriklinje = 0.25;
        if (!följesedel) sistaSidan.emplace_back(Rect{316, 399, 241, 19}, Color::white(), svart);
    }
    alla.push_back(streck({{{54, 216}, {541, 216}}}, rubriklinje, svart));

    if (!följesedel) {
        // The rule over the amounts rises with them, and the VAT summary starts
        // a little below it: at the given 347 the rule struck through its caption.
        sistaSidan.push_back(streck({{{54, 351 - e}, {541, 351 - e}}}, 0.25, svart));
        sistaSidan.push_back(text(attBetalaRubrik, rubrik, {328, 400, 195, 15}));
        sistaSidan.push_back(text(belopp(f.attBetala()), rubrikHöger, {328, 400, 195, 15}));
    }
    if (auto moms = momssammanfattningMedRubrikAttribut(brödtext, brödtext, {72, 353 - e, 201, 70}, true, false))
        sistaSidan.insert(sistaSidan.end(), moms->begin(), moms->end());
    auto beloppsrader = beloppfältMedRubrikattribut(brödtext, brödtextHöger, {330, 356 - e, 193, 13},
                                                    {330, 356 - e, 193, 13}, 12, false, false);
    sistaSidan.insert(sistaSidan.end(), beloppsrader.data.begin(), beloppsrader.data.end());

    // The item table's room on the last page always ends at y 330.
    läggTillKolumnerMedRubrikattribut(rubrik, brödtext, rubrikHöger, brödtextHöger, {74, 201, 448, 15},
                                      Rect{74, 211 + e, 448, 119 - e}.integral(), följesedel ? 545 : 169, typ2);
    läggTillInnehållPåSistaSidan(std::move(sistaSidan), std::nullopt);
}
