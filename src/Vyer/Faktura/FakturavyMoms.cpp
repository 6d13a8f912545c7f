// The VAT summary under the amounts: the invoice's ready-made lines per
// VAT rate with a caption above or to their left.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Strangar.h"

#include <algorithm>

namespace {

// Each rate's line breaks only after its tab: an amount is never parted at
// its digit groups or from its currency where the summary's frame is
// narrow (a long caption to its left).
std::string utanBrytningarIBeloppen(std::string text) {
    std::string ut;
    ut.reserve(text.size());
    for (char c : text) {
        if (c == ' ') ut += "\u00A0";
        else ut += c;
    }
    return ut;
}

}  // namespace

std::optional<std::vector<CachatObjekt>> Fakturavy::momssammanfattningMedRubrikAttribut(
    const TextAttributes& rubrikattribut, const TextAttributes& sammanfattningsattribut, const Rect& tillgängligRuta,
    Momsval val) const {
    if (följesedel || f.omvändSkattskyldighetFörMoms()) return std::nullopt;

    std::string rubrik = rubrikFörBeloppPerMomsnivå();
    if (val.rubrikMedStoraBokstäver) rubrik = versaler(rubrik);
    AttributedString sammanfattning(utanBrytningarIBeloppen(f.momssammanfattning()), sammanfattningsattribut);

    if (val.rubrikOvanförSammanfattning) {
        AttributedString text(rubrik + std::string(paragraphSeparator), rubrikattribut);
        text.append(sammanfattning);
        return std::vector<CachatObjekt>{{std::move(text), tillgängligRuta}};
    }

    AttributedString rubriktext(rubrik, rubrikattribut);
    double rubrikbredd = std::max(0.0, mätare.boundingSize(rubriktext, tillgängligRuta.size()).width);
    const Rect& r = tillgängligRuta;
    Rect sammanfattningsram{r.x + rubrikbredd + 5, r.y, std::max(0.0, r.width - rubrikbredd - 5), r.height};
    std::vector<CachatObjekt> objekt;
    objekt.emplace_back(std::move(rubriktext), tillgängligRuta);
    objekt.emplace_back(std::move(sammanfattning), sammanfattningsram);
    return objekt;
}
