#pragma once
// PDFs to judge by drawing them: artwork as users make it, which must go
// into an invoice, and drawings small in bytes that cost whoever draws them
// seconds or gigabytes, which must not. The tests and the benchmarks
// share them (the benchmarks put each into an invoice and draw it with
// pdftoppm). Files made by other programs are in tests/data/artwork/.
#include <cstdint>
#include <string>
#include <vector>

namespace testhjalp {

struct Artwork {
    std::string name;
    std::vector<uint8_t> pdf;
};

// Gradient meshes of 32 x 32 and 64 x 64 Coons patches, a photograph, a
// page of transparency groups and a soft mask, text in embedded fonts and
// an A4 page filled with small hatch patterns (by cairo through
// rsvg-convert), and the mesh and the page again as ghostscript writes
// them. Logos of 300 x 100 pt but for the A4 pages.
std::vector<Artwork> ordinaryArtwork();

// A chart as plotting programs export it, on a logo of 600 x 300 pt:
// gridlines, eight series of `points` points each, as many dots at half
// opacity, and bars: ordinary artwork that keeps each renderer busy for a
// while (about a tenth of a second at a logo's size for 4 000 points).
Artwork chart(int points);

// Each kind of drawing that costs its reader more than the limits allow,
// on a page of `width` x `height` pt: one stroke dashed [0.0001]; three
// segments dashed [0.001] stroked 100 times; one fill of 200 000 segments
// zigzagging the full height; 200 000 fills of the page; 20 000 fills each
// under a luminosity soft mask; one fill of 600 000 segments crossing one
// another within 1 pt (cheap for Splash, ruinous for cairo). Given a
// `share`, each is a `share`th of that work: as many fills, segments or
// dashes (longer ones, on the same strokes) over that. The whole costs at
// least `share` times as much: no part of the work gets cheaper with more
// of it.
std::vector<Artwork> costlyDrawings(double width, double height, int share = 1);

}  // namespace testhjalp
