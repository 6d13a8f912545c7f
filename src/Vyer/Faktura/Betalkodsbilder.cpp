// The invoice's payment codes drawn, on the drawing side, so the ledger
// never links the code generators.
#include "Vyer/Faktura/Betalkodsbilder.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Fakturor/FinsktReferensnummer.h"
#include "Plattform/Ritning/Code128Generator.h"
#include "Plattform/Ritning/QRGenerator.h"

namespace {
constexpr int modulstorlek = 5;
}  // namespace

Bild qrkodFörFaktura(const QRkodsuppgifter& uppgifter) {
    std::optional<std::string> innehåll = qrkodsinnehåll(uppgifter);
    if (!innehåll) return Bild::varningsikon();
    std::optional<Bild> bild = qrkodsbild(*innehåll, modulstorlek);
    return bild ? std::move(*bild) : Bild::varningsikon();
}

Bild streckkodsbildMedIban(std::string_view iban, const Decimal& attBetala, std::string_view nummer,
                           Datum förfallodatum) {
    std::optional<Bild> bild = code128Bild(streckkodssträngMedIBAN(iban, attBetala, nummer, förfallodatum));
    if (!bild) throw FelPåFinsktReferensnummer(FelPåFinsktReferensnummer::Fall::streckkodsgeneratorn);
    return std::move(*bild);
}

Bild finskStreckkodsbildMedIban(const Fakturaliknande& faktura, const std::string& iban) {
    return streckkodsbildMedIban(iban, faktura.attBetala(), faktura.nummer(), faktura.förfallodatum());
}

Bild qrkodMedBokföring(const Fakturaliknande& faktura, const Bokföring& bokföring) {
    return qrkodFörFaktura(qrkodsuppgifterFör(faktura, bokföring));
}
