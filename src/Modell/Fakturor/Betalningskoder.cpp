// The payment codes every invoice offers, unsent or sent alike: the
// Finnish creditor reference and bank barcode, and the Swedish payment QR
// code. They read the invoice only through its interface. Their images are
// made by the drawing side (Vyer/Faktura/Betalkodsbilder.cpp).
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

QRkodsuppgifter qrkodsuppgifterFör(const Fakturaliknande& f, const Bokföring& bokföring) {
    QRkodsuppgifter u;
    u.fakturadatum = f.fakturadatum();
    u.förfallodatum = f.förfallodatum();
    u.valuta = f.valuta();
    u.nummer = f.nummer();
    u.attBetala = f.attBetala();
    u.momsbelopp = f.momsbelopp();
    u.beloppPerMomssats = beloppPerMomssatsFörFaktura(f);
    // A sent invoice gives its stored recipient address, an unsent one its
    // recipient's current address, or none without a recipient.
    if (auto adress = f.mottagaradress()) u.mottagarland = adress->land;

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
    return u;
}
