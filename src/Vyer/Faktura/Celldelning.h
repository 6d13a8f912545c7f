#pragma once
// The cells of item rows by their lines. A cell too tall for the room
// left on its page is given out part by part, each part as many of its
// lines as the room holds, so that every line is printed once and none is
// cut through. A part is a text of its own, set again at the cell's
// width: a reader of the PDF finds each word once, on the page that shows
// it.
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Ritning/TextMeasurer.h"
#include "Vyer/Faktura/CachatObjekt.h"

#include <optional>
#include <utility>
#include <vector>

class Fakturavy;

// The size of a row's cell, its text measured in `ruta` as boundingSize
// measures it. A row is cut over pages that each hold at most `sidhöjd`
// of it, or one line taller than that: the lines of a text taller than
// högstaAntalSidor such pages hold are counted only that far, before any
// is kept, and the layout fails (Layoutfel) as it would at the page after
// the last.
Size radcellensStorlek(const Fakturavy& vy, const AttributedString& text, Size ruta, double sidhöjd);

class Celldelning {
public:
    // The cell's text as set from its frame's top, `bredd` wide.
    Celldelning(const TextMeasurer& mätare, AttributedString text, double bredd);

    struct Del {
        AttributedString text;
        double höjd = 0;  // of its lines as set
    };

    // Whether every line has been given out.
    bool slut() const { return början_ >= text_.length(); }

    // The next part: the lines that end within `rum` points below its
    // top. None when not even the first does, unless `minstEnRad`, which
    // gives that line whatever its height. Call only before slut().
    std::optional<Del> nästa(double rum, bool minstEnRad);

private:
    // The part from början_ to byte `slut`, with the height it takes when
    // set alone.
    Del del(size_t slut) const;

    const TextMeasurer& mätare_;
    AttributedString text_;
    double bredd_;
    std::vector<TextLine> rader_;  // of the whole text
    size_t början_ = 0;            // the byte the next part starts at
    size_t rad_ = 0;               // the line of rader_ that holds it
};

// The cells of one row cut at the same breaks: each part of the row holds
// the next part of every cell not yet given out. An empty text has no line
// to give out: a row of nothing else is given out before it starts.
class Raddelning {
public:
    explicit Raddelning(const TextMeasurer& mätare) : mätare_(mätare) {}

    // Cell `cell` of the row, its text set `bredd` wide.
    void läggTill(size_t cell, AttributedString text, double bredd);

    struct Del {
        std::vector<std::pair<size_t, AttributedString>> celler;  // by cell, in the order added
        double höjd = 0;                                          // of the tallest
    };

    bool slut() const;

    // The next part of every cell not yet given out, each cut as
    // Celldelning::nästa cuts it. None when not even a line of any fits.
    std::optional<Del> nästa(double rum, bool minstEnRad);

private:
    const TextMeasurer& mätare_;
    std::vector<std::pair<size_t, Celldelning>> celler_;
};

// A cell's text as one plain string per line, for the view's other string
// mode, which sets a plain string as one line on its frame's foot: each
// line stands on the foot of the band it takes when the text is set from
// the top, the last on the foot of `ram` like the row's one-line cells.
void läggTillRadvis(std::vector<CachatObjekt>& sida, const TextMeasurer& mätare, const AttributedString& text,
                    const Rect& ram);
