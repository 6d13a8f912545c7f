#include "Modell/Fakturor/Fakturafel.h"

#include "Plattform/Lokalisering.h"

#include <string_view>

namespace {
// The looked-up text with each "%X" (X one of d, @) replaced by `värde` in
// turn and "%%" by "%": the two texts with a value have one placeholder.
std::string fyllI(const std::string& format, const std::string& värde) {
    std::string ut;
    bool använt = false;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            char n = format[i + 1];
            if (n == '%') {
                ut += '%';
                ++i;
                continue;
            }
            if ((n == 'd' || n == '@') && !använt) {
                ut += värde;
                använt = true;
                ++i;
                continue;
            }
        }
        ut += format[i];
    }
    return ut;
}
}  // namespace

std::string Fakturafel::meddelande() const {
    switch (fall_) {
        case Fall::ettFörsäljningskontoSaknarMomsnivå:
            return fyllI(lokaliseradSträng("There is no VAT information for account %d. Please select the appropriate "
                                           "VAT level for this account under Settings / Accounts."),
                         std::to_string(kontonummer_));
        case Fall::någonPostSaknarMomskonto: {
            // The rate shows in percent: 0.25 as 25.
            Decimal procent = momsnivå_.multiplying(Decimal::smallInteger(100), DecimalBehavior{RoundingMode::plain, std::nullopt, false, false, false});
            return fyllI(lokaliseradSträng("One of the invoice items is missing a VAT account. You need to configure VAT "
                                           "accounts for the VAT level with rate %@ %%, under Settings / VAT.",
                                           "%@ will be replaced by a percentage rate"),
                         procent.text());
        }
        case Fall::någonPostSaknarFörsäljningskonto:
            return lokaliseradSträng(
                "One of the invoice items is missing a sales account. You need to set the sales account for the "
                "corresponding product, or set the sales account for the default product (if the invoice item "
                "doesn't have a product).");
        case Fall::kontoFörÖresutjämningÄrInteInställt:
            return lokaliseradSträng("You need to select the account for rounding differences under Settings / Invoicing.");
        case Fall::kundfordringskontoSaknas:
            return lokaliseradSträng("You need to set the account for accounts receivable, under Settings / Invoicing.");
        case Fall::verifikationenÄrInteBalanserad:
            return lokaliseradSträng(
                       "The entry created by the application couldn't be balanced. This can be due to an application "
                       "error. Please save your document and email it to") +
                   " " + supportadress + " " +
                   lokaliseradSträng(
                       "indicating the invoice number, the amount you entered and whether the invoice was to be "
                       "considered paid in full or not. All accounting information is treated confidentially and "
                       "removed after the issue is resolved.");
        case Fall::felBeloppBetalt:
            return lokaliseradSträng(
                "If you receive more money that what is due for this invoice, you need to enter just what is due "
                "when marking the payment. Then file the extra money as a separate entry.");
        case Fall::kontonFörValutakursrörelserSaknas:
            return lokaliseradSträng(
                "The customer has paid more or less than estimated when the invoice was sent, due to currency "
                "fluctuations. The difference needs to be filed as such. You need to configure accounts for this "
                "under Settings / Invoicing.");
        case Fall::saknarUppgiftOmTidigareMottagarkonto:
            return lokaliseradSträng(
                       "The invoice you are marking as a loss has been partially paid, but there is no information "
                       "regarding to which account it was paid. This may be an application error. Please contact") +
                   " " + supportadress + lokaliseradSträng(" for assistance.");
        case Fall::saknarKontoFörROT:
            return lokaliseradSträng("You need to configure the 'ROT' or 'RUT' account, under Settings / ROT & RUT.");
        case Fall::interntFel:
            return "Internal error";
        case Fall::momsskillnadUtanMomskonto:
            return lokaliseradSträng(
                "The invoice's VAT total differs from the VAT of its items, and no item carries VAT, so there is "
                "no VAT account to book the difference on.");
    }
    return "Internal error";
}

const char* Fakturafel::what() const noexcept {
    try {
        what_ = meddelande();
    } catch (...) {
        return "Fakturafel";
    }
    return what_.c_str();
}
