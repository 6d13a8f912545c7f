// The parts of an unsent invoice that read its document.
#include "Modell/Artikel.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"

#include <stdexcept>

const Artikel* EjSkickadFaktura::förvaldArtikel() const { return bokföring ? bokföring->förvaldArtikel : nullptr; }

namespace {

std::string språkFörLand(Land land) {
    switch (land) {
        case Land::Sverige: return "sv";
        case Land::Danmark: return "da";
        case Land::Norge: return "no";
        case Land::Finland: return "fi";
        default: return "en";
    }
}

}  // namespace

const Fakturaliknande* EjSkickadFaktura::senasteEfterFakturadatum(const std::vector<const Fakturaliknande*>& fakturor) {
    const Fakturaliknande* senaste = nullptr;
    for (const Fakturaliknande* f : fakturor)
        if (!senaste || f->fakturadatum() > senaste->fakturadatum()) senaste = f;
    return senaste;
}

EjSkickadFaktura::EjSkickadFaktura(Bokföring& b, const Fakturaliknande* förlaga) {
    if (!förlaga) {
        valuta_ = b.valuta;
        omvändSkattskyldighet_ = false;
        öresutjämna_ = b.kontoFörÖresutjämning != nullptr;
    } else {
        valuta_ = förlaga->valuta();
        vårReferens_ = förlaga->vårReferens();
        omvändSkattskyldighet_ = förlaga->omvändSkattskyldighetFörMoms();
        öresutjämna_ = förlaga->öresutjämna();
        sättEgenFakturamall(förlaga->egenFakturamall());
        inbyggdFakturamall_ = förlaga->inbyggdFakturamall();
    }
    fakturadatum_ = Datum::idag();
    betalningsfrist_ = b.betalningsfrist;
    tillåtnaKolumner = b.tillåtnaKolumner;
    bokföring = &b;
    språk_ = språkFörLand(b.land);
}

EjSkickadFaktura::EjSkickadFaktura(Bokföring& b, const std::vector<const Fakturaliknande*>& skickadeFakturor,
                                   const std::vector<const NumreratObjekt*>& skickadeSomNumrerade)
    : EjSkickadFaktura(b, senasteEfterFakturadatum(skickadeFakturor)) {
    if (skickadeFakturor.size() != skickadeSomNumrerade.size())
        throw std::invalid_argument("the sent invoices must be given once in each form");
    std::vector<const NumreratObjekt*> tidigare = skickadeSomNumrerade;
    for (const auto& f : b.ejSkickadeFakturor) tidigare.push_back(f.get());
    static_cast<NumreratObjekt&>(*this) = NumreratObjekt(tidigare);
}
