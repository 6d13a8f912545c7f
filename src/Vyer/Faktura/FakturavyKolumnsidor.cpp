// The item rows page by page: a row that would not leave room for a
// continuation line below it starts a new page, whose head says where the
// table came from; the invoice's message goes below the last row.
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/FontRegistry.h"
#include "Plattform/Lokalisering.h"
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Kolumntabell.h"

#include <algorithm>
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
    Sidbyggare(const Radplacering& p, std::string språk)
        : p_(p), språk_(std::move(språk)), radbas_(p.datautrymme.y + radbasensFörskjutning) {}

    double radbas() const { return radbas_; }

    // Ends the page being filled (when it holds anything) with a line
    // naming the next page, and opens the next with a line naming it.
    void sidbrytning() {
        if (!sida.empty()) {
            rad(medSidnummer("\u2026 continued on page %d", sidor.size() + 2, språk_), radbas_ + y,
                radräknare % 2 == 0);
            sidor.push_back(std::move(sida));
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

    const Radplacering& p_;
    std::string språk_;
    double radbas_;
};

struct Meddelande {
    AttributedString text;
    double höjd = 0;
};

// The message centred in the data font, only on a built-in template's
// layout; never taller than the last page's room less a continuation line.
std::optional<Meddelande> förberettMeddelande(const Fakturavy& vy, const Radplacering& p, double sistaSidansRum) {
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
    if (m.höjd > sistaSidansRum - fortsättningsrad) m.höjd = std::max(0.0, sistaSidansRum - fortsättningsrad - 1);
    return m;
}

}  // namespace

std::vector<std::vector<CachatObjekt>> sidorMedRader(const Fakturavy& vy, Kolumntabell&& tabell,
                                                     const Radplacering& p) {
    const double X = p.datautrymme.x, W = p.datautrymme.width, T = p.datautrymme.y;
    const double övrigaSidor = p.höjdPåÖvrigaSidor;
    const double sistaSidan = vy.följesedel ? övrigaSidor : p.datautrymme.height;
    const auto meddelande = förberettMeddelande(vy, p, sistaSidan);
    const size_t antal = tabell.radhöjder.size();

    Sidbyggare s(p, vy.f.språk());
    auto placeraMeddelande = [&] {
        double ledigt = sistaSidan - s.y;
        if (meddelande->höjd > ledigt) {
            s.sidbrytning();
            ledigt = sistaSidan - s.y;
        }
        double överkant = s.radbas() + sistaSidan - meddelande->höjd - ledigt * 0.5 + radbasensFörskjutning;
        s.sida.emplace_back(meddelande->text, Rect{X, överkant, W, meddelande->höjd});
    };

    for (size_t i = 0; i < antal; ++i) {
        const bool sista = i + 1 == antal;
        const double höjd = tabell.radhöjder[i];
        // The last row leaves room for a continuation line too when the
        // last page's content will not fit below it: the page then ends
        // with one like any other.
        auto marginalFör = [&](double y) {
            return sista && y + höjd + sistaRadensMarginal <= sistaSidan ? sistaRadensMarginal : fortsättningsrad;
        };
        double behov = s.y + höjd + marginalFör(s.y);
        if (s.radPlacerad && behov > övrigaSidor) {
            s.sidbrytning();
            behov = s.y + höjd + marginalFör(s.y);
        }
        // A row too tall for any page stays where it is, cut off at the
        // page's room: it would not fit on the next one either.
        const bool klippt = behov > övrigaSidor;
        const Rect klipp{X, T, W, std::max(0.0, sista ? övrigaSidor : övrigaSidor - fortsättningsrad)};

        if (s.radräknare % 2 == 0) s.band(s.radbas() + s.y, höjd);
        double o = 0;
        for (auto& kolumn : tabell.kolumner) {
            if (auto& text = kolumn.celler[i + 1].text)
                s.sida.emplace_back(std::move(*text), Rect{X + o, s.radbas() + s.y, kolumn.bredd, höjd},
                                    std::nullopt, klippt ? std::optional<Rect>(klipp) : std::nullopt);
            o += kolumn.bredd + vy.kolumnavstånd;
        }
        ++s.radräknare;
        s.radPlacerad = true;
        s.y = klippt ? klipp.maxY() - s.radbas() : s.y + höjd;

        if (sista) {
            // The last page also holds the message and the amounts.
            if (behov > sistaSidan) s.sidbrytning();
            if (meddelande) placeraMeddelande();
        }
    }
    // An invoice without items still shows its message.
    if (antal == 0 && meddelande) placeraMeddelande();

    s.sidor.push_back(std::move(s.sida));
    return std::move(s.sidor);
}
