// The items of a user template, in one of two ways: rows under the line
// fields, each field a column, flowing down the line area and over pages;
// or the shared item table, between a heading field and a contents field.
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/Egenmall.h"

#include <algorithm>
#include <array>
#include <limits>

namespace egenmall {

namespace {

using Id = Fakturafält::Id;

constexpr size_t antalRadfält = size_t(Id::LineUnit) - size_t(Id::LineNumber) + 1;

// The height of the line that opens a continuation page of the item table:
// a page no taller than it has no room for a row.
constexpr double fortsättningsrad = 15;

// One item's values, worked out once per kind of line field.
class Radvärden {
public:
    Radvärden(const Körning& k, const Fakturapostliknande& post, int n) : k_(k), post_(post), n_(n) {}

    const std::optional<std::string>& operator[](Id id) {
        const size_t i = size_t(id) - size_t(Id::LineNumber);
        if (!klara_[i]) {
            värden_[i] = radvärde(k_, id, post_, n_);
            klara_[i] = true;
        }
        return värden_[i];
    }

private:
    const Körning& k_;
    const Fakturapostliknande& post_;
    int n_;
    std::array<std::optional<std::string>, antalRadfält> värden_;
    std::array<bool, antalRadfält> klara_{};
};

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
    int n = 1;
    for (const Fakturapostliknande* post : poster) {
        Radvärden värden(k, *post, n);
        std::vector<std::pair<const Fält*, AttributedString>> celler;
        double höjd = 0;
        for (const Fält* f : kolumner) {
            const auto& värde = värden[*f->id];
            if (!värde) continue;
            AttributedString text(*värde, attribut(*f->stil));
            höjd = std::max(höjd, vy.mätare.boundingSize(text, f->ram.size()).height);
            celler.emplace_back(f, std::move(text));
        }
        // A row taller than the whole area goes on the page it reached
        // rather than leaving an empty page behind it.
        if (förskjutning > 0 && förskjutning + höjd > områdetsHöjd) {
            vy.innehållFörVarjeSida.push_back(std::move(sida));
            sida.clear();
            förskjutning = 0;
        }
        // Each cell spans its own row only: text set on a frame's foot then
        // stands on the row's foot, not a whole line area lower.
        const double y = överkant + förskjutning;
        for (auto& [f, text] : celler) sida.emplace_back(std::move(text), Rect{f->ram.x, y, f->ram.width, höjd});
        ++n;
        förskjutning += höjd;
    }
    if (!sida.empty() || poster.empty()) vy.innehållFörVarjeSida.push_back(std::move(sida));
}

void läggUtTabell(Körning& k, const Fält& rubriker, const Fält& innehåll) {
    const double x = std::min(rubriker.ram.x, innehåll.ram.x);
    const double bredd = std::min(rubriker.ram.width, innehåll.ram.width);
    // Rows that no later page has room for stay on the first, whole,
    // instead of being cut away to nothing page after page.
    double höjdPåÖvrigaSidor = innehåll.ram.height;
    if (höjdPåÖvrigaSidor <= fortsättningsrad) höjdPåÖvrigaSidor = std::numeric_limits<double>::infinity();
    k.vy.läggTillKolumnerMedRubrikattribut(attribut(*rubriker.stil), attribut(*innehåll.stil),
                                           attribut(*rubriker.stil, TextAlignment::right),
                                           attribut(*innehåll.stil, TextAlignment::right),
                                           {.rubrikutrymme = Rect{x, rubriker.ram.y, bredd, rubriker.ram.height},
                                            .datautrymme = Rect{x, innehåll.ram.y, bredd, innehåll.ram.height},
                                            .höjdPåÖvrigaSidor = höjdPåÖvrigaSidor});
}

}  // namespace egenmall
