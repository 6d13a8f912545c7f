#include "Modell/Dokumentlistor.h"

#include "Modell/Artikel.h"
#include "Modell/Bokforing.h"
#include "Modell/EjRegistreradLeverantorsfaktura.h"
#include "Modell/KontantLeverantorsfaktura.h"
#include "Modell/Loneutbetalning.h"
#include "Modell/SmartMapp.h"
#include "Modell/VanligLeverantorsfaktura.h"

void läsArtiklar(Inström& ström, const Referenser& ref, Bokföringsbas& bok) { läsInLista(ström, bok.artiklar, ref); }
void skrivArtiklar(Utström& ström, const Bokföringsbas& bok) { skrivListaMedSparbaraObjekt(ström, bok.artiklar); }

void läsLeverantörsfakturor(Inström& ström, const Referenser& ref, Bokföringsbas& bok) {
    läsInLista(ström, bok.ejRegistreradeLeverantörsfakturor, ref);
    std::vector<std::unique_ptr<VanligLeverantörsfaktura>> vanliga;
    std::vector<std::unique_ptr<KontantLeverantörsfaktura>> kontanta;
    läsInLista(ström, vanliga, ref);
    läsInLista(ström, kontanta, ref);
    for (auto& f : vanliga) bok.leverantörsfakturor.push_back(std::move(f));
    for (auto& f : kontanta) bok.leverantörsfakturor.push_back(std::move(f));
}

// The registered supplier invoices are stored by kind: the regular ones,
// then the cash ones, each in list order.
void skrivLeverantörsfakturor(Utström& ström, const Bokföringsbas& bok) {
    skrivListaMedSparbaraObjekt(ström, bok.ejRegistreradeLeverantörsfakturor);
    std::vector<const Leverantörsfaktura*> vanliga, kontanta;
    for (const auto& f : bok.leverantörsfakturor) {
        if (dynamic_cast<const VanligLeverantörsfaktura*>(f.get())) vanliga.push_back(f.get());
        else if (dynamic_cast<const KontantLeverantörsfaktura*>(f.get())) kontanta.push_back(f.get());
    }
    for (const auto* lista : {&vanliga, &kontanta}) {
        ström.writeInt64(static_cast<int64_t>(lista->size()));
        for (const auto* f : *lista) f->spara(ström);
    }
}

void läsSmartaMappar(Inström& ström, const Referenser& ref, Bokföringsbas& bok) {
    läsInLista(ström, bok.smartaMappar, ref);
}
void skrivSmartaMappar(Utström& ström, const Bokföringsbas& bok) { skrivListaMedSparbaraObjekt(ström, bok.smartaMappar); }

void läsLöneutbetalningar(Inström& ström, const Referenser& ref, Bokföring& bok) {
    läsInLista(ström, bok.löneutbetalningar, ref);
}
void skrivLöneutbetalningar(Utström& ström, const Bokföring& bok) {
    skrivListaMedSparbaraObjekt(ström, bok.löneutbetalningar);
}
