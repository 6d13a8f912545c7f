#pragma once
// Addresses in rooms: under their captions, and, where a field cannot
// hold one line by line at all, run together as one paragraph that wraps
// at the field's width and leaves no line half empty, so that a long one
// keeps its town and country rather than lose them where the field is cut.
#include "Vyer/Faktura/MallverktygRum.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mallverktyg {

// The address's lines run together, each after a comma (a line ending in
// punctuation of its own keeps that).
std::string adressIEttStycke(std::string_view adress);

// The room `namn` on the plan, given its blocks by `fyll(rum, ihop)` with
// the last `ihop` of its `antal` addresses run together: as few as let the
// room hold its blocks at all, all of them where nothing is enough.
template <class Fyll>
rumsplan::Rum& rumMedAdresser(rumsplan::Plan& plan, std::string namn, const Rect& yta, int antal, const Fyll& fyll) {
    for (int ihop = 0;; ++ihop) {
        rumsplan::Rum prov(namn, yta);
        fyll(prov, ihop);
        if (ihop == antal || rymsAlls(plan, prov)) return plan.rum(std::move(prov));
    }
}

// An address under its caption: the caption in a frame `rubrikhöjd` high
// from the top of `ram`, the address in `ram` 11 points lower.
struct RubriceradAdress {
    const char* namn;
    AttributedString rubrik;
    std::string adress;
    TextAttributes attribut;
    Rect ram;
    double rubrikhöjd = 0;
};
// Such addresses as blocks of the room `namn`, each at least 2 points under
// the one above it; as few of the last as let the room hold them at all
// run together, all where nothing is enough (rumMedAdresser).
rumsplan::Rum& adresskolumn(rumsplan::Plan& plan, std::string namn, const Rect& yta,
                            const std::vector<RubriceradAdress>& adresser);

}  // namespace mallverktyg
