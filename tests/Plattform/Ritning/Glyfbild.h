#pragma once
// A glyph's ink as FreeType draws it, and what the made letters' check
// measures of it: its pieces, the ink one glyph has beyond another's, the
// bounds and strokes of a part of it, and how much of it touches a
// neighbour's. Plain loops over bytes: the check runs under
// AddressSanitizer too, unoptimised.
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace glyfbild {

// Ink, in pixels from the glyph's origin, y upwards; row by row from the top.
struct Bild {
    int vänster = 0, topp = 0, bredd = 0, höjd = 0;
    std::vector<uint8_t> bläck;
    int botten() const { return topp - höjd + 1; }
    int höger() const { return vänster + bredd - 1; }
    bool vid(int x, int y) const {
        const int k = x - vänster, r = topp - y;
        return k >= 0 && k < bredd && r >= 0 && r < höjd && bläck[size_t(r * bredd + k)];
    }
    uint8_t& at(int x, int y) { return bläck[size_t((topp - y) * bredd + x - vänster)]; }
};

// The glyph drawn unhinted at the face's size, ink where it is half covered.
Bild rita(FT_Face face, FT_UInt glyf);

// Blank, in that frame.
Bild tom(int vänster, int topp, int bredd, int höjd);

// Its ink a pixel wider all round: what comes within a pixel of it.
Bild vidgad(const Bild& b);

// a's ink where b has none.
Bild utan(const Bild& a, const Bild& b);

// The image's ink in the rows from `botten` up to `topp`.
Bild rader(const Bild& b, int botten, int topp);

// Its points of ink, row by row from the top, each row from the left.
std::vector<std::pair<int, int>> punkter(const Bild& b);

// The bounds of an image's ink, inclusive; none where it has none.
struct Ram {
    int vänster, höger, botten, topp;
    double mittX() const { return (vänster + höger) / 2.0; }
    double mittY() const { return (botten + topp) / 2.0; }
    int höjd() const { return topp - botten + 1; }
};
std::optional<Ram> ram(const Bild& b);

// Where the ink in the rows from `botten` up to `topp` reaches left and
// right, leant back upright by `lutning` pixels for each pixel up: its
// middle and its width.
std::pair<double, double> upprätt(const Bild& b, double lutning, int botten, int topp);

// A row's run of ink, from x0 to x1.
struct Lopp {
    int y, x0, x1;
};
// Its pieces of ink, touching at a corner counting as one, each its runs;
// specks of fewer than 6 pixels, which anti-aliasing leaves at thin joins,
// left out.
std::vector<std::vector<Lopp>> delar(const Bild& b);
inline int bitar(const Bild& b) { return int(delar(b).size()); }

// How thick its strokes are: four times the mean distance of its ink from
// the nearest bare point, which is a bar's width whatever way it runs.
double streck(const Bild& b);

// How many points of a's ink from `botten` up to `topp`, drawn `dx` pixels
// right of a glyph whose ink grown by a pixel is `b`, touch that glyph.
int rör(const Bild& a, const Bild& b, int dx, int botten, int topp);

}  // namespace glyfbild
