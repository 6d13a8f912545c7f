#include "Vyer/Faktura/FinskGiroblankett.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Fakturor/FinsktReferensnummer.h"
#include "Modell/Land.h"
#include "Plattform/NumberFormatter.h"
#include "Vyer/Faktura/Betalkodsbilder.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygAdress.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

using mallverktyg::Sträcka;

namespace {

// A fixed text of the slip: English, or Finnish with Swedish beneath. The
// runs of spaces make the words wrap inside the narrow caption frames. A
// frame that reaches over the field below it (the labels over the account
// and the amount, the payer's caption beside the signature's) has a room
// only as high as `rumshöjd`.
struct Fast {
    Rect ram;
    const TextAttributes Giroblankettstilar::*stil;
    const char* engelska;
    const char* finskaOchSvenska;
    double rumshöjd = 0;
};

const Fast fastaTexter[] = {
    {{10, 557, 54.6, 43}, &Giroblankettstilar::rubrik, "Recipient's      account       number",
     "Saajan    tilinumero\nMottagarens kontonummer"},
    {{10, 603, 54.6, 39}, &Giroblankettstilar::rubrik, "Recipient", "Saaja       Mottagare"},
    {{10, 645, 54.6, 81}, &Giroblankettstilar::rubrik, "Payer's name and address",
     "Maksajan        nimi ja         osoite\nBetalarens    namn och     adress", 71},
    {{10, 716, 54.6, 22}, &Giroblankettstilar::rubrik, "Signature", "Allekirjoitus\nUnderskrift"},
    {{326.8, 740, 40.2, 22}, &Giroblankettstilar::rubrik, "Due date", "Eräpäivä\nFörfallodag"},
    {{10, 740, 54.6, 22}, &Giroblankettstilar::rubrik, "From account number", "Tililtä nro\nFrån konto nr"},
    {{466.6, 738, 121.4, 24}, &Giroblankettstilar::etikett, "Euro", "Euro", 9},
    {{397, 768, 155, 74}, &Giroblankettstilar::notis,
     "The payment will be cleared for the recipient in accordance with the General terms for payment "
     "transmission and only on the basis of the account number given by the payer.",
     "Maksu välitetään saajalle maksujenvälityksen ehtojen mukaisesti ja vain maksajan ilmoittaman "
     "tilinumeron perusteella.\nBetalningen förmedlas till mottagaren enligt villkoren för betalningsförmedling "
     "och endast till det kontonummer som betalaren angivit."},
    {{70.6, 552, 259.2, 48}, &Giroblankettstilar::etikett, "IBAN", "IBAN", 12},
    {{329.8, 552, 258.2, 48}, &Giroblankettstilar::etikett, "BIC", "BIC", 12},
};

// The grid: the rows of the form and the dividers between its fields.
const std::vector<Sträcka> rutnät = {
    {{10, 600}, {585, 600}},        // under the account row
    {{10, 642}, {326.8, 642}},      // under the recipient
    {{326.8, 762}, {585, 762}},     // under the due date and amount
    {{10, 738}, {585, 738}},        // over the account-from, due-date and amount row
    {{10, 762}, {585, 762}},        // under that row
    {{463.6, 738}, {463.6, 762}},   // between due date and amount
    {{67.6, 552}, {67.6, 642}},     // between captions and values, upper left
    {{326.8, 552}, {326.8, 762}},   // between the left and right halves
};

std::string förfallodag(Datum datum) {
    char text[64];
    std::snprintf(text, sizeof text, "%lld.%lld.%4lld", static_cast<long long>(datum.d % 100),
                  static_cast<long long>((datum.d / 100) % 100), static_cast<long long>(datum.d / 10000));
    return text;
}

}  // namespace

Giroblankettstilar giroblankettstilar(const Font& normal7, const Font& normal6, const Font& normal9) {
    return {
        {std::nullopt, std::nullopt, normal7},
        {ParagraphStyle{.alignment = TextAlignment::right, .minimumLineHeight = 9, .maximumLineHeight = 9,
                        .paragraphSpacing = 2},
         std::nullopt, normal7},
        {ParagraphStyle{.minimumLineHeight = 7, .maximumLineHeight = 7, .paragraphSpacing = 1}, std::nullopt, normal6},
        {ParagraphStyle{.minimumLineHeight = 11, .maximumLineHeight = 11}, std::nullopt, normal9},
    };
}

std::string girobelopp(const Decimal& belopp) {
    NumberFormatter formatterare(NumberFormatter::Style::decimal, "en_US_POSIX");
    formatterare.setFractionDigits(2, 2);
    formatterare.setGroupingUsed(false);
    std::string text = formatterare.format(belopp).value_or("");
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

void finskGiroblankett(const Fakturavy& vy, const Giroblankettstilar& stilar, rumsplan::Plan& plan) {
    const Color svart = Color::black();
    const bool engelska = vy.f.språk() == "en";

    // Cut here.
    BezierPath klipp;
    klipp.moveTo({10, 552});
    klipp.lineTo({585, 552});
    klipp.lineWidth = 0.369;
    klipp.dashPattern = {0.369, 0.369};
    plan.rita({std::nullopt, std::nullopt, cachad::path{std::move(klipp), std::nullopt, svart}});
    plan.rita(mallverktyg::streck(rutnät, 1.42, svart));
    // The signature line and the divider of the account-from field.
    plan.rita(mallverktyg::streck({{{70.6, 726}, {326.8, 726}}, {{67.6, 738}, {67.6, 762}}}, 1, svart));
    for (const Fast& t : fastaTexter)
        plan.text(t.engelska, AttributedString(engelska ? t.engelska : t.finskaOchSvenska, stilar.*t.stil), t.ram,
                  {.rum = t.rumshöjd ? std::optional<Rect>({t.ram.x, t.ram.y, t.ram.width, t.rumshöjd}) : std::nullopt});

    // What is filled in keeps to its field, set smaller and at last cut
    // there: the recipient's name above the rule under it, the message in
    // the right half above the reference row, and the payer's address,
    // left of the rule between the halves, above the room where one signs.
    // An address the field cannot hold line by line at all runs together,
    // rather than lose its town or country.
    auto fält = [&](std::string namn, const std::optional<std::string>& värde, const Rect& ram) {
        if (värde) plan.text(std::move(namn), AttributedString(*värde, stilar.värde), ram);
    };
    const std::string land(kod(vy.b.land));
    const bool finland = land == "fi";
    if (finland) plan.text("Ref. No.", AttributedString(engelska ? "Ref. No." : "Viitenro\nRef. nr", stilar.rubrik),
                           {326.8, 716, 40.2, 22});
    fält("IBAN value", vy.b.iban, {70.6, 564, 259.2, 36});
    fält("BIC value", vy.b.bic, {329.8, 564, 258.2, 36});
    constexpr double vänsterhalvan = 254.2;  // from x 70.6 to 2 points before the rule
    fält("payee", vy.b.namn, {70.6, 603, vänsterhalvan, 39});
    fält("message", vy.f.meddelande(), {329.8, 603, 258.2, 99});
    if (auto betalare = vy.f.fakturaadressGivetAvsändarland(land)) {
        const Rect ram{70.6, 645, vänsterhalvan, 68};
        mallverktyg::rumMedAdresser(plan, "payer", ram, 1, [&](rumsplan::Rum& rum, int ihop) {
            rum.block("payer", rumsplan::Text{AttributedString(ihop ? mallverktyg::adressIEttStycke(*betalare) : *betalare,
                                                               stilar.värde),
                                              ram});
        });
    }
    fält("due date", förfallodag(vy.f.förfallodatum()), {376, 747, 90.6, 15});
    fält("amount", girobelopp(vy.f.attBetala()), {469.6, 747, 118.4, 15});

    if (!finland) return;
    fält("reference", std::to_string(vy.f.finsktReferensnummer()), {376, 723, 90.6, 15});
    if (!vy.b.iban) return;
    const Rect streckkod{24.4, 768, 302.4, 39};
    try {
        plan.rita({std::nullopt, std::nullopt,
                   cachad::image{Image::fromModules(finskStreckkodsbildMedIban(vy.f, *vy.b.iban)), streckkod}});
    } catch (const FelPåFinsktReferensnummer& fel) {
        fält("barcode", fel.description(), streckkod);
    } catch (const std::exception&) {
        // No barcode and no message for a failure it does not know.
    }
}
