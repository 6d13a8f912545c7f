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

EjSkickadFaktura::EjSkickadFaktura(Bokföring& b, const std::vector<const Fakturaliknande*>& skickadeFakturor,
                                   const std::vector<const NumreratObjekt*>& skickadeSomNumrerade) {
    if (skickadeFakturor.size() != skickadeSomNumrerade.size())
        throw std::invalid_argument("the sent invoices must be given once in each form");
    const Fakturaliknande* senaste = nullptr;
    for (const Fakturaliknande* f : skickadeFakturor)
        if (!senaste || f->fakturadatum() > senaste->fakturadatum()) senaste = f;
    if (!senaste) {
        valuta_ = b.valuta;
        omvändSkattskyldighet_ = false;
        öresutjämna_ = b.kontoFörÖresutjämning != nullptr;
    } else {
        valuta_ = senaste->valuta();
        vårReferens_ = senaste->vårReferens();
        omvändSkattskyldighet_ = senaste->omvändSkattskyldighetFörMoms();
        öresutjämna_ = senaste->öresutjämna();
        sättEgenFakturamall(senaste->egenFakturamall());
        inbyggdFakturamall_ = senaste->inbyggdFakturamall();
    }
    fakturadatum_ = Datum::idag();
    betalningsfrist_ = b.betalningsfrist;
    tillåtnaKolumner = b.tillåtnaKolumner;
    bokföring = &b;
    språk_ = språkFörLand(b.land);

    std::vector<const NumreratObjekt*> tidigare = skickadeSomNumrerade;
    for (const auto& f : b.ejSkickadeFakturor) tidigare.push_back(f.get());
    static_cast<NumreratObjekt&>(*this) = NumreratObjekt(tidigare);
}
