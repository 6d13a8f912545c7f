#pragma once
// Where the words of a text the invoice was given stand among the words a
// PDF page shows, and what became of each: drawn whole, cut by a clip,
// hidden, cut short with an ellipsis, or missing. A word may be drawn in
// pieces over lines (broken at its hyphens, hyphenated, or a long one
// broken anywhere); case and the punctuation around a word are not
// compared, so a template may set a text in capitals or after a colon.
// What shows of a word cut with an ellipsis begins it in the text's own
// case or in capitals, the ellipsis drawn right after it.
#include "Ritadtext.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fältfynd {

enum class Brist {
    klippt,   // some of its letters outside a clip or covered
    dold,     // drawn, none of it showing
    ellips,   // cut short with an ellipsis
    saknas,   // not drawn
};
const char* namn(Brist brist);

struct Ordfynd {
    std::string ord;                   // as the text has it
    std::optional<Brist> brist;        // none: drawn whole and showing
    std::string visas;                 // what shows of it
    std::vector<size_t> ritade;        // the page's words it was drawn as
};

// One place where the text is drawn: its words in drawing order, each
// right after the one before it or with no more than two separators
// between them.
struct Förekomst {
    std::vector<Ordfynd> ord;  // every word of the text

    bool hel() const;
    size_t funna() const;  // words drawn, whole or not
};

// A page's words with their keys, to look for texts in.
struct Sida {
    explicit Sida(const pdfkontroll::RitadSida& sida);  // which must outlive it
    explicit Sida(pdfkontroll::RitadSida&&) = delete;

    // Every place where the text is drawn on the page, starting with its
    // first word or holding two of its words at least.
    std::vector<Förekomst> förekomster(std::string_view text) const;

    const pdfkontroll::RitadSida& ritad;
    std::vector<std::string> nycklar;  // of its words, in order
};

// A word as compared: in capitals, hyphens as '-', without the
// punctuation around it.
std::string nyckel(std::string_view ord);

// Words of a text, split at white space (line separators included).
std::vector<std::string> ordI(std::string_view text);

}  // namespace fältfynd
