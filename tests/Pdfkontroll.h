#pragma once
// Reading a PDF back with poppler's and qpdf's own tools, so that tests
// check what a reader of the file sees: the document's information, its
// fonts, its words with their boxes, and qpdf's structural check.
#include "Plattform/Geometry.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pdfkontroll {

// pdfinfo: each "Key: value" line (Title, Author, Creator, Pages, Page size, ...).
std::map<std::string, std::string> information(const std::filesystem::path& pdf);

struct Typsnitt {
    std::string namn;  // without the subset prefix ("ABCDEF+")
    bool inbäddat = false;
    bool delmängd = false;  // only the glyphs used (a subset)
};
// pdffonts: every font of the document.
std::vector<Typsnitt> typsnitt(const std::filesystem::path& pdf);
// pdffonts' rows as "name | type | encoding | emb | sub | uni", the name
// without its subset prefix, in the order listed.
std::vector<std::string> typsnittsrader(const std::filesystem::path& pdf);

// qpdf --check: whether it passed without a warning, and what it said.
bool qpdfGodkänner(const std::filesystem::path& pdf, std::string& utskrift);

struct Ord {
    int sida;  // from 1
    Rect ruta;
    std::string text;
};
// pdftotext -bbox-layout: every word of every page in reading order.
std::vector<Ord> ord(const std::filesystem::path& pdf);

// The box around the first run of consecutive words of page `sida` that
// spell `text` (its words separated by single spaces).
std::optional<Rect> rutaFörText(const std::vector<Ord>& ord, int sida, std::string_view text);
// The boxes of every such run, in reading order.
std::vector<Rect> rutorFörText(const std::vector<Ord>& ord, int sida, std::string_view text);

// Pairs of words of page `sida` set over one another: boxes that share more
// than a sixth of the smaller one. Leaders of dots are left out: their
// frame clips them where the value starts, but their box runs on.
std::vector<std::pair<Ord, Ord>> överlappandeOrd(const std::vector<Ord>& ord, int sida);

// A grey-level raster of one page, 0 black to 1 white.
struct Raster {
    int bredd = 0, höjd = 0;
    double dpi = 0;
    std::vector<double> ljus;  // row by row

    // The pixel under a point of the page.
    double vid(double x, double y) const;
    // The pixels wholly inside a rectangle of points, one pixel in from its
    // edges, where smoothing blends inside and out.
    std::vector<double> inom(const Rect& r) const;
};
// pdftoppm: page `sida` (from 1) at `dpi`.
Raster rastrera(const std::filesystem::path& pdf, int sida, int dpi);

// Whether `ruta` lies in `ram` grown by `marginal` on every side.
bool inom(const Rect& ruta, const Rect& ram, double marginal);

}  // namespace pdfkontroll
