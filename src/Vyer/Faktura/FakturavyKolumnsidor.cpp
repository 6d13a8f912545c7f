// The item rows page by page: a row that would not leave room for a
// continuation line below it starts a new page, whose head says where the
// table came from; a row no page has room for starts where it is and
// goes on over as many pages as it needs, cut between its lines. The
// invoice's message goes below the last row.
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Lokalisering.h"
#include "Vyer/Faktura/Celldelning.h"
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Kolumntabell.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

namespace {

// The height of a continuation line, and the room every row but the last
// leaves below it for one.
constexpr double fortsättningsrad = 15;
// The last row only needs this much below it.
constexpr double sistaRadensMarginal = 3;
constexpr double radbasensFörskjutning = Kolumnval::radbasensFörskjutning;

// A continuation line in the invoice's language.
std::string medSidnummer(const char* nyckel, size_t sida, const std::string& språk) {
    std::string text = sträng(nyckel, "", språk);
    if (auto pos = text.find("%d"); pos != std::string::npos) text.replace(pos, 2, std::to_string(sida));
    return text;
}

class Sidbyggare {
public:
    Sidbyggare(const Fakturavy& vy, const Radplacering& p)
        : vy_(vy), p_(p), språk_(vy.f.språk()), radbas_(p.datautrymme.y + radbasensFörskjutning) {}

    double radbas() const { return radbas_; }

    // Ends the page being filled (when it holds anything) with a line
    // naming the next page, and opens the next with a line naming it.
    void sidbrytning() {
        if (!sida.empty()) {
            rad(medSidnummer("\u2026 continued on page %d", sidor.size() + 2, språk_), radbas_ + y,
                radräknare % 2 == 0);
            // A page ended for the last page's content (the last row or
            // the message) has its line where the last page's room allows.
            if (p_.övrigaSidornasNederkant)
                *p_.övrigaSidornasNederkant = std::max(*p_.övrigaSidornasNederkant, radbas_ + y + fortsättningsrad);
            sidor.push_back(std::move(sida));
            vy_.kontrolleraSidantal(sidor.size() + 1);
        }
        sida.clear();
        y = 0, radräknare = 0, radPlacerad = false;
        if (!sidor.empty()) {
            rad(medSidnummer("\u2026 continued from page %d", sidor.size(), språk_), radbas_, true);
            y = fortsättningsrad, radräknare = 1;
        }
    }

    void band(double överkant, double höjd) {
        if (p_.alternerandeRadfärg)
            sida.emplace_back(Rect{p_.datautrymme.x, överkant, p_.datautrymme.width, höjd}, p_.alternerandeRadfärg);
    }

    std::vector<CachatObjekt> sida;
    std::vector<std::vector<CachatObjekt>> sidor;
    double y = 0;  // below the row base
    int radräknare = 0;
    bool radPlacerad = false;

private:
    void rad(std::string text, double överkant, bool medBand) {
        if (medBand) band(överkant, fortsättningsrad);
        sida.emplace_back(AttributedString(text, p_.högerställdaDataattribut),
                          Rect{p_.datautrymme.x, överkant, p_.datautrymme.width, fortsättningsrad});
    }

    const Fakturavy& vy_;
    const Radplacering& p_;
    std::string språk_;
    double radbas_;
};

struct Meddelande {
    AttributedString text;
    double höjd = 0;
};

// The message centred in the data font, only on a built-in template's
// layout. One taller than a new last page holds between its continuation
// line and `fot` (the message's foot, from the row base) is cut to that
// height, its last line ending in an ellipsis.
std::optional<Meddelande> förberettMeddelande(const Fakturavy& vy, const Radplacering& p, double fot) {
    if (vy.mallOchSpråk) return std::nullopt;
    auto meddelande = vy.f.meddelande();
    if (!meddelande || meddelande->empty()) return std::nullopt;
    ParagraphStyle centrerat;
    centrerat.alignment = TextAlignment::center;
    TextAttributes attribut;
    attribut.paragraphStyle = centrerat;
    attribut.font = p.dataattribut.font.value_or(fonts::systemFont(12));
    Meddelande m{AttributedString(*meddelande, attribut), 0};
    m.höjd = vy.mätare.boundingSize(m.text, p.datautrymme.size()).height;
    if (const double rum = std::max(0.0, fot - fortsättningsrad); m.höjd > rum) {
        m.text = avkortad(vy.mätare, m.text, {p.datautrymme.width, rum}, TextDrawingMode::fromTopLeft);
        m.höjd = rum;
    }
    return m;
}

// A cell's text in its frame, as one string or line by line.
void läggTillCell(std::vector<CachatObjekt>& sida, const TextMeasurer& mätare, AttributedString text, const Rect& ram,
                  bool radvis) {
    if (radvis)
        läggTillRadvis(sida, mätare, text, ram);
    else
        sida.emplace_back(std::move(text), ram);
}

}  // namespace

std::vector<std::vector<CachatObjekt>> sidorMedRader(const Fakturavy& vy, Kolumntabell&& tabell,
                                                     const Radplacering& p) {
    const double X = p.datautrymme.x, W = p.datautrymme.width;
    const double övrigaSidor = p.höjdPåÖvrigaSidor;
    const double sistaSidan = vy.följesedel ? övrigaSidor : p.datautrymme.height;
    // Where the message must end, below the row base: above what the last
    // page sets below the rows. One too tall for a page of its own is cut
    // where a last row would end, or, where the template leaves the page
    // free below the rows, where that ends.
    constexpr double oändlig = std::numeric_limits<double>::infinity();
    const double gräns =
        p.meddelandetsFot ? *p.meddelandetsFot - p.datautrymme.y - radbasensFörskjutning : oändlig;
    const double radernasFot = sistaSidan - sistaRadensMarginal;
    const double meddelandetsYttersta =
        p.meddelandetUnderRaderna ? std::max(radernasFot, gräns) : std::min(radernasFot, gräns);
    const auto meddelande = förberettMeddelande(vy, p, meddelandetsYttersta);
    const size_t antal = tabell.radhöjder.size();
    std::vector<double> kolumnensX;
    for (double o = 0; const auto& kolumn : tabell.kolumner) {
        kolumnensX.push_back(X + o);
        o += kolumn.bredd + vy.kolumnavstånd;
    }

    Sidbyggare s(vy, p);
    // Centred in the free room below the rows where that keeps it above
    // what stands below them, else as low as that lets it; on a new last
    // page where the free room is too small for it.
    auto placeraMeddelande = [&] {
        const double h = meddelande->höjd;
        if (s.radPlacerad && (h > sistaSidan - s.y || s.y + h > gräns)) s.sidbrytning();
        const double ledigt = sistaSidan - s.y;
        const double mitt = s.radbas() + sistaSidan - h - ledigt * 0.5 + radbasensFörskjutning;
        const double överkant = std::max(s.radbas() + s.y, std::min(mitt, s.radbas() + gräns - h));
        s.sida.emplace_back(meddelande->text, Rect{X, överkant, W, h});
        if (p.meddelandetsNederkant) *p.meddelandetsNederkant = överkant + h;
    };
    // One row, or one part of a row, `höjd` high at the page's y.
    auto placeraRad = [&](double höjd, auto&& cellerna) {
        if (s.radräknare % 2 == 0) s.band(s.radbas() + s.y, höjd);
        cellerna(s.radbas() + s.y);
        ++s.radräknare;
        s.radPlacerad = true;
        s.y += höjd;
    };
    // A row taller than any page's room: from the room left on this page
    // on, each page takes as many lines of each cell as it has room for
    // above a continuation line; a cell that fits stays whole on the first
    // part. A page with nothing on it yet takes a line of each cell even
    // when that line is taller than its room.
    auto placeraDelad = [&](size_t rad) {
        Raddelning delning(vy.radmätare);
        for (size_t k = 0; k < tabell.kolumner.size(); ++k)
            if (auto& cell = tabell.kolumner[k].celler[rad + 1]; cell.text)
                delning.läggTill(k, std::move(*cell.text), tabell.kolumner[k].bredd);
        // Its line spacing alone, with no text to cut.
        if (delning.slut()) return placeraRad(tabell.radhöjder[rad], [](double) {});
        for (;;) {
            const double rum = övrigaSidor - s.y - fortsättningsrad - tabell.radavstånd;
            auto del = delning.nästa(rum, !s.radPlacerad);
            if (!del) {
                // Not even a line fits below what the page holds already.
                s.sidbrytning();
                continue;
            }
            const double höjd = del->höjd + tabell.radavstånd;
            placeraRad(höjd, [&](double överkant) {
                for (auto& [k, text] : del->celler)
                    läggTillCell(s.sida, vy.radmätare, std::move(text),
                                 Rect{kolumnensX[k], överkant, tabell.kolumner[k].bredd, höjd},
                                 tabell.kolumner[k].celler[rad + 1].radvis);
            });
            if (delning.slut()) return;
            s.sidbrytning();
        }
    };

    for (size_t i = 0; i < antal; ++i) {
        const bool sista = i + 1 == antal;
        const double höjd = tabell.radhöjder[i];
        // The last row leaves room for a continuation line too when the
        // last page's content will not fit below it: the page then ends
        // with one like any other.
        auto ryms = [&](double y) {
            const double marginal =
                sista && y + höjd + sistaRadensMarginal <= sistaSidan ? sistaRadensMarginal : fortsättningsrad;
            return y + höjd + marginal <= övrigaSidor;
        };
        // A row that a page of its own holds moves there whole.
        if (s.radPlacerad && !ryms(s.y) && ryms(fortsättningsrad)) s.sidbrytning();
        if (ryms(s.y)) {
            placeraRad(höjd, [&](double överkant) {
                for (size_t k = 0; k < tabell.kolumner.size(); ++k)
                    if (auto& cell = tabell.kolumner[k].celler[i + 1]; cell.text)
                        läggTillCell(s.sida, vy.radmätare, std::move(*cell.text),
                                     Rect{kolumnensX[k], överkant, tabell.kolumner[k].bredd, höjd}, cell.radvis);
            });
        } else {
            placeraDelad(i);
        }

        // The last page also holds the message and the amounts.
        if (sista) {
            if (s.y + sistaRadensMarginal > sistaSidan) s.sidbrytning();
            if (meddelande) placeraMeddelande();
        }
    }
    // An invoice without items still shows its message.
    if (antal == 0 && meddelande) placeraMeddelande();

    s.sidor.push_back(std::move(s.sida));
    return std::move(s.sidor);
}
