// The items of a user template, in one of two ways: rows under the line
// fields, each field a column, flowing down the line area and over pages
// (a row taller than the area cut between its lines); or the shared item
// table, between a heading field and a contents field.
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/Celldelning.h"
#include "Vyer/Faktura/Egenmall.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>
#include <vector>

namespace egenmall {

namespace {

using Id = Fakturafält::Id;

constexpr size_t antalRadfält = size_t(Id::LineUnit) - size_t(Id::LineNumber) + 1;

// The height of the line that opens a continuation page of the item table:
// a page no taller than it has no room for a row.
constexpr double fortsättningsrad = 15;

// One cell of a row: its field, its text and how tall it sets. In the
// newer string handling a plain string is one line on its frame's foot,
// which would run a text of several lines past its field and off the
// page: such a text is laid down line by line instead.
struct Radcell {
    const Fält* fält;
    AttributedString text;
    bool radvis = false;
    double höjd = 0;
};

// A cell of a row cut over pages `sidhöjd` high.
Radcell radcell(const Fakturavy& vy, const Fält& f, AttributedString text, double sidhöjd) {
    Radcell cell{&f, std::move(text)};
    cell.höjd = radcellensStorlek(vy, cell.text, f.ram.size(), sidhöjd).height;
    cell.radvis =
        vy.annanSträngmetod && vy.radmätare.lines(cell.text, f.ram.width, TextDrawingMode::fromTopLeft).size() > 1;
    return cell;
}

}  // namespace

void läggUtRader(Körning& k, const std::vector<Fält>& fält) {
    std::vector<const Fält*> kolumner;
    for (const Fält& f : fält)
        if (f.id && ärRadfält(*f.id)) kolumner.push_back(&f);
    if (kolumner.empty()) return;

    // The rows start level with the lowest top edge of the line fields and
    // fill as much as the lowest of them is high.
    double områdetsHöjd = std::numeric_limits<double>::infinity();
    double överkant = -std::numeric_limits<double>::infinity();
    for (const Fält* f : kolumner) {
        områdetsHöjd = std::min(områdetsHöjd, f->ram.height);
        överkant = std::max(överkant, f->ram.y);
    }

    Fakturavy& vy = k.vy;
    const auto poster = vy.f.fakturaposter();
    std::vector<CachatObjekt> sida;
    double förskjutning = 0;
    auto nySida = [&] {
        vy.innehållFörVarjeSida.push_back(std::move(sida));
        vy.kontrolleraSidantal(vy.innehållFörVarjeSida.size() + 1);
        sida.clear();
        förskjutning = 0;
    };
    // Each cell spans its own row only: text set on a frame's foot then
    // stands on the row's foot, not a whole line area lower.
    auto placera = [&](const Fält& f, AttributedString text, bool radvis, double höjd) {
        const Rect ram{f.ram.x, överkant + förskjutning, f.ram.width, höjd};
        if (radvis)
            läggTillRadvis(sida, vy.radmätare, text, ram);
        else
            sida.emplace_back(std::move(text), ram);
    };
    int n = 1;
    for (const Fakturapostliknande* post : poster) {
        // Each kind of value once an item, however many fields show it.
        std::array<std::optional<std::optional<std::string>>, antalRadfält> värden;
        std::vector<Radcell> celler;
        double höjd = 0;
        for (const Fält* f : kolumner) {
            auto& värde = värden[size_t(*f->id) - size_t(Id::LineNumber)];
            if (!värde) värde = radvärde(k, *f->id, *post, n);
            if (!*värde) continue;
            Radcell cell = radcell(vy, *f, AttributedString(**värde, attribut(*f->stil)), områdetsHöjd);
            höjd = std::max(höjd, cell.höjd);
            celler.push_back(std::move(cell));
        }
        // A row that an empty area holds moves to the next page whole.
        if (förskjutning > 0 && förskjutning + höjd > områdetsHöjd && höjd <= områdetsHöjd) nySida();
        if (förskjutning + höjd <= områdetsHöjd) {
            for (Radcell& cell : celler) placera(*cell.fält, std::move(cell.text), cell.radvis, höjd);
            förskjutning += höjd;
        } else {
            // A taller one starts where the rows reached and goes on over
            // as many pages as it needs, each taking as many lines of each
            // cell as the area has room for; an empty area takes a line of
            // each cell even when that line is taller than the area.
            Raddelning delning(vy.radmätare);
            for (size_t c = 0; c < celler.size(); ++c)
                delning.läggTill(c, std::move(celler[c].text), celler[c].fält->ram.width);
            while (!delning.slut()) {
                if (auto del = delning.nästa(områdetsHöjd - förskjutning, förskjutning == 0)) {
                    for (auto& [c, text] : del->celler)
                        placera(*celler[c].fält, std::move(text), celler[c].radvis, del->höjd);
                    förskjutning += del->höjd;
                    if (delning.slut()) break;
                }
                nySida();
            }
        }
        ++n;
    }
    if (!sida.empty() || poster.empty()) vy.innehållFörVarjeSida.push_back(std::move(sida));
}

Rect radernasRum(const Fakturavy& vy, const Fält& rubriker, const Fält& innehåll) {
    const double bredd = std::min(rubriker.ram.width, innehåll.ram.width);
    return {std::min(rubriker.ram.x, innehåll.ram.x), innehåll.ram.y + Kolumnval::radbasensFörskjutning, bredd,
            innehåll.ram.height + vy.underFortsättningsraden(attribut(*innehåll.stil, TextAlignment::right), bredd)};
}

void läggUtTabell(rumsplan::Plan& plan, const Fält& rubriker, const Fält& innehåll, const Rect& rader) {
    // Rows that no later page has room for stay on the first, whole,
    // instead of being cut away to nothing page after page.
    double höjdPåÖvrigaSidor = innehåll.ram.height;
    if (höjdPåÖvrigaSidor <= fortsättningsrad) höjdPåÖvrigaSidor = std::numeric_limits<double>::infinity();
    plan.artikeltabell({attribut(*rubriker.stil), attribut(*innehåll.stil),
                        attribut(*rubriker.stil, TextAlignment::right), attribut(*innehåll.stil, TextAlignment::right),
                        {.rubrikutrymme = Rect{rader.x, rubriker.ram.y, rader.width, rubriker.ram.height},
                         .datautrymme = Rect{rader.x, innehåll.ram.y, rader.width, innehåll.ram.height},
                         .höjdPåÖvrigaSidor = höjdPåÖvrigaSidor}});
}

}  // namespace egenmall
