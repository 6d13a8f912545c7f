// The payment codes every invoice offers, unsent or sent alike: the
// Finnish creditor reference and bank barcode, and the Swedish payment QR
// code. They read the invoice only through its interface.
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

Bild Fakturaliknande::qrkodMedBokföring(const Bokföring& bokföring) const {
    QRkodsuppgifter u;
    u.fakturadatum = fakturadatum();
    u.förfallodatum = förfallodatum();
    u.valuta = valuta();
    u.nummer = nummer();
    u.attBetala = attBetala();
    u.momsbelopp = momsbelopp();
    u.beloppPerMomssats = beloppPerMomssatsFörFaktura(*this);
    // A sent invoice gives its stored recipient address, an unsent one its
    // recipient's current address, or none without a recipient.
    if (auto adress = mottagaradress()) u.mottagarland = adress->land;

    u.organisationsnummer = bokföring.organisationsnummer;
    u.land = std::string(kod(bokföring.land));
    u.namn = bokföring.namn;
    u.plusgiro = bokföring.plusgiro;
    u.bankgiro = bokföring.bankgiro;
    u.bankkonto = bokföring.bankkonto;
    u.iban = bokföring.iban;
    u.bic = bokföring.bic;
    for (const auto& nivå : bokföring.momsnivåer) u.momsnivåer.push_back({nivå->nivå, nivå->index});
    u.avsändaradress = bokföring.adress.formatteradFörAvsändarland(u.mottagarland.value_or(u.land), true);
    return qrkodFörFaktura(u);
}
