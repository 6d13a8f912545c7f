// The payment codes every invoice offers through the invoice interface:
// the Finnish reference and bank barcode and the Swedish payment QR code,
// made from what the interface and the ledger give.
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Fakturor/FinsktReferensnummer.h"
#include "Modell/Fakturor/Momssammanfattning.h"
#include "Modell/Fakturor/QRkod.h"
#include "Modell/Momsniva.h"

int64_t Fakturaliknande::finsktReferensnummer() const { return finsktReferensnummerBaseratPåNummer(nummer()); }

std::string Fakturaliknande::finskStreckkodssträngMedIBAN(const std::string& iban) const {
    return streckkodssträngMedIBAN(iban, attBetala(), nummer(), förfallodatum());
}

Bild Fakturaliknande::finskStreckkodsbildMedIban(const std::string& iban) const {
    return streckkodsbildMedIban(iban, attBetala(), nummer(), förfallodatum());
}

Bild Fakturaliknande::qrkodMedBokföring(const Bokföring& b) const {
    QRkodsuppgifter u;
    u.fakturadatum = fakturadatum();
    u.förfallodatum = förfallodatum();
    u.valuta = valuta();
    u.nummer = nummer();
    u.attBetala = attBetala();
    u.momsbelopp = momsbelopp();
    u.beloppPerMomssats = beloppPerMomssatsFörFaktura(*this);
    if (auto adress = mottagaradress()) u.mottagarland = adress->land;

    u.organisationsnummer = b.organisationsnummer;
    u.land = std::string(kod(b.land));
    u.namn = b.namn;
    u.plusgiro = b.plusgiro;
    u.bankgiro = b.bankgiro;
    u.bankkonto = b.bankkonto;
    u.iban = b.iban;
    u.bic = b.bic;
    for (const auto& nivå : b.momsnivåer) u.momsnivåer.push_back({nivå->nivå, nivå->index});
    u.avsändaradress = b.adress.formatteradFörAvsändarland(u.mottagarland.value_or(u.land), true);
    return qrkodFörFaktura(u);
}
