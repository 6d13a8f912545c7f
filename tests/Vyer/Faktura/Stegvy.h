#pragma once
// A view laid out by no template, so that a test can call one shared
// layout step on it and read what that step made.
#include "Vyer/Faktura/Fakturavy.h"

#include "FastMatare.h"
#include "Provfaktura.h"

#include <memory>

namespace prov {

struct Stegvy {
    std::unique_ptr<Bokföring> bok = bokföring();
    Faktura faktura;
    FastMätare mätare;

    // The view of the invoice and ledger as the test has set them.
    std::unique_ptr<Fakturavy> vy(bool följesedel = false) {
        faktura.inbyggdFakturamall_.reset();
        return std::make_unique<Fakturavy>(faktura, *bok, följesedel, mätare);
    }
};

// Text attributes of a font of the given size, with a paragraph style when
// one is given.
inline TextAttributes attribut(double storlek, std::optional<ParagraphStyle> stil = std::nullopt,
                               std::string typsnitt = "Helvetica") {
    TextAttributes a;
    a.font = Font{std::move(typsnitt), storlek};
    a.paragraphStyle = std::move(stil);
    return a;
}

}  // namespace prov
