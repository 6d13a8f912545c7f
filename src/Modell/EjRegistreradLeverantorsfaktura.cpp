#include "Modell/EjRegistreradLeverantorsfaktura.h"

#include "Modell/Affarskontakt.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"

bool operator==(const EjRegistreradLeverantörsfaktura::Betalningsinformation& a,
                const EjRegistreradLeverantörsfaktura::Betalningsinformation& b) {
    if (const auto* fa = a.somFaktura()) {
        const auto* fb = b.somFaktura();
        return fb && fa->fakturadatum == fb->fakturadatum && fa->betalningsfrist == fb->betalningsfrist;
    }
    const auto* ka = a.somKontant();
    const auto* kb = b.somKontant();
    if (!ka || !kb || ka->betalningsdatum != kb->betalningsdatum) return false;
    if (!ka->källkonto || !kb->källkonto) return !ka->källkonto && !kb->källkonto;
    return ka->källkonto->nummer == kb->källkonto->nummer;
}

EjRegistreradLeverantörsfaktura::EjRegistreradLeverantörsfaktura(Inström& ström, const Referenser& ref) {
    valuta = ström.string();
    if (auto nummer = ström.optionalString()) avsändare = ref.kontaktMedNummer(*nummer);
    externtNummer = ström.string();
    kostnadsställen = Kostnadsställe::läsInReferenserTillKostnadsställen(ref, ström);
    bool kontant = ström.u8() == 1;
    int64_t datum = ström.int64();
    int64_t andra = ström.int64();
    betalningsinfo = kontant ? Betalningsinformation::kontant(Datum(datum), ref.konto(andra))
                             : Betalningsinformation::faktura(Datum(datum), andra);
    läsInLista(ström, poster, ref);
    kommentar = ström.optionalString();
    ström.int64();  // closing word
    NumreratObjekt::operator=(NumreratObjekt(ström, ref));
}

void EjRegistreradLeverantörsfaktura::spara(Utström& ström) const {
    ström.writeString(valuta);
    ström.writeString(avsändare ? std::optional<std::string>(avsändare->nummer) : std::nullopt);
    ström.writeString(externtNummer);
    Kostnadsställe::sparaReferenserTillKostnadsställen(kostnadsställen, ström);
    if (const auto* k = betalningsinfo.somKontant()) {
        ström.u8(1);
        ström.writeInt64(k->betalningsdatum.d);
        ström.writeInt64(k->källkonto ? k->källkonto->nummer : -1);
    } else {
        const auto* f = betalningsinfo.somFaktura();
        ström.u8(0);
        ström.writeInt64(f->fakturadatum.d);
        ström.writeInt64(f->betalningsfrist);
    }
    skrivListaMedSparbaraObjekt(ström, poster);
    ström.writeString(kommentar);
    ström.writeInt64(0);
    NumreratObjekt::spara(ström);
}
