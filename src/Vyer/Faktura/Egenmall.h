#pragma once
// The user-template layout between its files: the fields with their frames
// turned into page coordinates, what each field shows, and the two ways of
// laying the items out (FakturavyMallar.cpp, EgenmallVarden.cpp,
// EgenmallPoster.cpp).
#include "Modell/Fakturor/Fakturafalt.h"
#include "Plattform/Ritning/Image.h"
#include "Plattform/NumberFormatter.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class Fakturamall;
class Fakturapostliknande;
class Stil;

namespace egenmall {

// A field as the layout places it: its stored frame measured from the
// foot of the background page, turned into page coordinates.
struct Fält {
    std::optional<Fakturafält::Id> id;
    const Stil* stil;
    Rect ram;
};

// The template's shared fields, then the language version's, in stored
// order. A field whose frame has a negative or non-finite size, or lands
// outside the finite plane when turned, is left out.
std::vector<Fält> fältPåSidan(const std::vector<Fakturafält>& gemensamma, const std::vector<Fakturafält>& egna,
                              double mediaboxhöjd);

// What a field's text is drawn with: the style's attributes, its archived
// font mapped to a face we have; the alignment replaced when one is given.
TextAttributes attribut(const Stil& stil, std::optional<TextAlignment> justering = std::nullopt);

// One run of the layout: the view, the template, and what every field
// reads more than once.
struct Körning {
    Körning(Fakturavy& vy, const Fakturamall& mall);

    Fakturavy& vy;
    const Fakturamall& mall;
    NumberFormatter procent;
    NumberFormatter antal;
    // The recipient address carries its attention line unless that names
    // the recipient's company already.
    bool mottagareMedAttention;
};

using Värde = std::variant<std::string, std::shared_ptr<const Image>>;

// What a field of this kind shows on every page in a frame of size `ram`;
// none for the kinds that go with the items or the page numbers, and for
// what the invoice or the ledger does not have.
std::optional<Värde> sidvärde(const Körning& k, Fakturafält::Id id, Size ram);

bool ärRadfält(Fakturafält::Id id);
// What a line field shows for the item numbered `n` from 1.
std::optional<std::string> radvärde(const Körning& k, Fakturafält::Id id, const Fakturapostliknande& post, int n);

// The items one row per item, the line fields as columns, flowing over as
// many pages as they need. Fills the view's page list.
void läggUtRader(Körning& k, const std::vector<Fält>& fält);
// Where the item table's rows stand on the last page: from its row base,
// below the contents field's top, down by the field's height and what a
// continuation line's descenders take below it.
Rect radernasRum(const Fakturavy& vy, const Fält& rubriker, const Fält& innehåll);
// The items in the shared item table between the heading field and the
// contents field, on the plan.
void läggUtTabell(rumsplan::Plan& plan, const Fält& rubriker, const Fält& innehåll, const Rect& rader);

}  // namespace egenmall
