#pragma once
// What a PDF page shows of its text, read from mupdf's trace of the drawing
// (`mutool draw -F trace`): every glyph drawn, where it stands and how big,
// and whether the reader sees it: inside the clips in force when it was
// drawn, not under an opaque rectangle drawn after it. pdftotext returns a
// clipped text whole; this says which of its letters show.
#include "Plattform/Geometry.h"

#include <filesystem>
#include <string>
#include <vector>

namespace pdfkontroll {

// What hides a glyph.
enum class Dold {
    nej,
    utanförKlipp,  // outside a clip in force (the page's own among them)
    övertäckt,     // under an opaque rectangle filled after it
};

// A word: glyphs drawn one after the other along one baseline, between
// white space or gaps of more than a quarter of the size; a ligature's
// characters after its first, read at its origin, run on in it.
struct RitatOrd {
    int sida = 0;       // from 1
    // Every glyph drawn, shown or not; soft and hard hyphens as '-', a glyph
    // mapped to no character (or to one of private use) as U+FFFD.
    std::string text;
    std::string syns;   // the glyphs that show, in order
    // Across from the first glyph's origin to the last one's advance, up and
    // down by the face's ascent and descent (from the PDF's font
    // descriptor): the box the glyphs take, not the size's em square.
    Rect ruta;
    Rect synligRuta;    // the same for the glyphs that show; empty when none
    // The part that shows as drawn, turned as its baseline is: from
    // `från` to `till` along `riktning` (a unit vector) from `bas`, the
    // first glyph's origin, and up and down by the face's ascent and
    // descent (`upp`, `ned`, in points).
    Point bas, riktning{1, 0};
    double från = 0, till = 0, upp = 0, ned = 0;
    double storlek = 0; // in points, along the baseline's normal
    std::string typsnitt;  // without the subset prefix
    std::string ävenTypsnitt;  // another face some of its glyphs are drawn in; empty when none
    size_t glyfer = 0;
    size_t dolda = 0;   // glyphs that do not show
    Dold varför = Dold::nej;  // what hides the first of them

    bool helt() const { return dolda == 0; }
};

struct RitadSida {
    int nummer = 0;  // from 1
    Size storlek;
    std::vector<RitatOrd> ord;  // in drawing order
};

// Every page of the PDF. A glyph shows when its body (its advance across,
// from the baseline up half the size) lies within the clip with half a
// point to spare and no opaque rectangle drawn after it covers its centre;
// ascenders and descenders may touch a clip that tight frames cut.
std::vector<RitadSida> ritadeSidor(const std::filesystem::path& pdf);

}  // namespace pdfkontroll
