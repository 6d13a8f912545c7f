#pragma once
// The item table between its two passes: the columns with their measured
// cells and final widths, and the height of each row
// (FakturavyKolumner.cpp), which the second pass places page by page
// (FakturavyKolumnsidor.cpp).
#include "Modell/Fakturor/Fakturakolumn.h"
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Font.h"
#include "Plattform/Geometry.h"
#include "Vyer/Faktura/CachatObjekt.h"

#include <optional>
#include <vector>

class Fakturavy;

// A text with its size, or an empty cell with neither.
struct Tabellcell {
    std::optional<AttributedString> text;
    std::optional<Size> storlek;
    // Laid down line by line (a text of several lines in the view's other
    // string mode, where a plain string is one line on its frame's foot).
    bool radvis = false;
};

struct Tabellkolumn {
    Fakturakolumn kolumn;
    // The heading first, then one cell per item in item order.
    std::vector<Tabellcell> celler;
    double bredd = 0;
};

struct Kolumntabell {
    std::vector<Tabellkolumn> kolumner;  // left to right
    std::vector<double> radhöjder;       // one per item, line spacing included
    double radavstånd = 0;               // the line spacing in each
};

// The item table after its first pass: measured, its headings placed on
// the plan, the rows' room known (Fakturavy::mätArtikeltabell).
struct MättArtikeltabell {
    Kolumntabell tabell;
    TextAttributes data, högerData;  // as set, smaller where the table had to be
    Rect datautrymme;                // below headings that wrapped
    double höjdPåÖvrigaSidor = 0;
    std::optional<Color> alternerandeRadfärg;
    bool meddelandetUnderRaderna = false;
};

// What the rows are placed with.
struct Radplacering {
    const TextAttributes& dataattribut;            // its font sets the message
    const TextAttributes& högerställdaDataattribut; // also the continuation lines
    Rect datautrymme;
    double höjdPåÖvrigaSidor = 0;
    std::optional<Color> alternerandeRadfärg;
    std::optional<double> meddelandetsFot;  // Kolumnval::meddelandetsFot
    bool meddelandetUnderRaderna = false;   // Kolumnval::meddelandetUnderRaderna
    // Where the message ends on the last page, told back when it stands
    // there.
    double* meddelandetsNederkant = nullptr;
    // Where the lowest continuation line of the pages before the last
    // ends, told back.
    double* övrigaSidornasNederkant = nullptr;
};

// The pages of the item rows, at least one, with the continuation lines,
// the row bands and the invoice's message. Takes the cell texts over.
// Throws Layoutfel when the rows would take more pages than an invoice
// may have.
std::vector<std::vector<CachatObjekt>> sidorMedRader(const Fakturavy& vy, Kolumntabell&& tabell,
                                                     const Radplacering& placering);
