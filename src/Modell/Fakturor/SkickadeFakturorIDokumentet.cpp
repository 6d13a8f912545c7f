// What the document does with its list of sent invoices: reading and
// writing it, linking the invoices to the user templates, the receivable
// changes, the preview's greatest ordinal and the masking of contacts.
#include "Modell/Affarskontakt.h"
#include "Modell/Bokforingsbas.h"
#include "Modell/Dokumentlistor.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturamall.h"

#include <algorithm>

void läsSkickadeFakturor(Inström& ström, const Referenser& ref, Bokföringsbas& bok) {
    läsInLista(ström, bok.skickadeFakturor, ref);
}

void skrivSkickadeFakturor(Utström& ström, const Bokföringsbas& bok) {
    skrivListaMedSparbaraObjekt(ström, bok.skickadeFakturor);
}

void länkaSkickadeFakturorTillMallar(Bokföringsbas& bok) {
    for (auto& faktura : bok.skickadeFakturor)
        if (faktura->_namnPåEgenFakturamall) faktura->ställInFakturamallBlandMallar(bok.fakturamallar);
}

void tillämpaKundfordringsändringar(Bokföringsbas& bok, const std::vector<Verifikation*>& kandidater) {
    for (auto& faktura : bok.skickadeFakturor)
        if (!faktura->ingårInteIKundfordringar)
            faktura->kundfordringsändringar = bok.kundfordringsändringarFörFaktura(faktura->nummer(), kandidater);
}

int64_t störstaFakturaordningstal(const Bokföringsbas& bok) {
    const Faktura* senaste = senasteSkickadeFaktura(bok.skickadeFakturor);
    return senaste ? senaste->ordningstal : 0;
}

void maskeraFakturorTill(Bokföringsbas& bok, const Affärskontakt& kontakt, bool företagMaskerat, const std::string& mask) {
    for (auto& faktura : bok.skickadeFakturor) {
        if (faktura->mottagare != &kontakt) continue;
        if (faktura->erReferens_) faktura->erReferens_ = mask;
        if (företagMaskerat) faktura->_företag = mask;
    }
}
