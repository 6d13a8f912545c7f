// Whole blocks of facts laid out without the template measuring: a band of
// two-line entries with a small drawing after each, each as wide as it
// measures and placed as it is (not fitted: decisions.md, Text fitted
// outside the plan), and the invoice's references, dates and numbers
// spread over three columns, placed by the plan with the addresses over
// them.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygRum.h"
#include "Vyer/Faktura/MallverktygTabeller.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>

Fakturavy::Datalistband Fakturavy::datalistMedKolumndata(const Datalista& data, const TextAttributes& rubrikattribut,
                                                         const TextAttributes& dataattribut,
                                                         const BezierPath& separator, const Color& färg,
                                                         const Datalistval& val) const {
    struct Post {
        AttributedString text;
        double bredd;
    };
    std::vector<Post> poster;
    for (const Datapost& post : data) {
        if (!post.rubrik || !post.värde) continue;
        AttributedString text(*post.rubrik + std::string(lineSeparator), rubrikattribut);
        text.append(*post.värde, dataattribut);
        double bredd = std::max(0.0, mätare.boundingSize(text, {10000, 1000}).width);
        poster.push_back({std::move(text), bredd});
    }

    // The band is given upward from the page foot; the view runs downward.
    const double sidhöjd = ramFörEnSida().maxY();
    const double y = sidhöjd - val.ram.maxY();
    const double separatorbredd = separator.bounds().width * val.skala;
    auto separatorVid = [&](double x) {
        return CachatObjekt(std::nullopt,
                            AffineTransform::translation(x, sidhöjd - val.ram.midY()).scaled(val.skala, val.skala),
                            cachad::path{separator, std::nullopt, färg});
    };

    Datalistband band;
    double x = val.ram.maxX();
    for (Post& post : poster) {
        band.data.emplace_back(std::move(post.text), Rect{x - post.bredd, y, post.bredd, val.ram.height});
        x -= post.bredd + 6;
        band.data.push_back(separatorVid(x));
        x -= 12 + separatorbredd;
    }
    band.utpunkt = x;
    return band;
}

namespace {

// A fact column ends at least this far before the next begins: as near as
// the closest columns stand by their widths (template EB's).
constexpr double faktakolumnernasMellanrum = 2;

// The rows of the three columns, each shown (a caption with its value).
using Faktakolumner = std::array<Datalista, 3>;

// The invoice's references, dates and numbers in three columns.
Faktakolumner faktakolumner(const Fakturavy& vy) {
    const Fakturaliknande& f = vy.f;
    Datalista referenser = {
        {vy.rubrikFörErReferens(), f.erReferens()},
        {vy.rubrikFörVårReferens(), f.vårReferens()},
        {vy.rubrikFörKundnummer(), f.kundnummer()},
    };
    for (Datapost& post : mallverktyg::rotOchRutUppgifter(vy)) referenser.push_back(std::move(post));
    Faktakolumner kolumner = {
        referenser,
        {
            {vy.rubrikFörInköpsordernummer(), f.inköpsordernummer()},
            {vy.rubrikFörLeveranssätt(), f.leveranssätt()},
            {vy.rubrikFörBetalningsvillkor(), vy.rubrikFörDagar()},
            {vy.rubrikFörFörfallodatum(), Fakturavy::datumtext(f.förfallodatum())},
        },
        {
            {vy.rubrikFörFakturanummer(), f.nummer()},
            {vy.rubrikFörFakturadatum(), Fakturavy::datumtext(f.fakturadatum())},
            {vy.rubrikFörMottagarensMomsregistreringsnummer(), f.momsregistreringsnummer()},
        },
    };
    for (Datalista& kolumn : kolumner)
        std::erase_if(kolumn, [](const Datapost& post) { return !post.rubrik || !post.värde; });
    // The delivery date joins the first column with room (fewer than three
    // rows), else the last.
    if (auto datum = f.leveransdatum()) {
        Datalista& med = *std::find_if(kolumner.begin(), kolumner.end() - 1,
                                       [](const Datalista& kolumn) { return kolumn.size() < 3; });
        med.push_back({vy.rubrikFörLeveransdatum(), Fakturavy::datumtext(*datum)});
    }
    return kolumner;
}

// The columns as tables.
std::vector<AttributedString> faktatabeller(const Fakturavy& vy, const Faktakolumner& kolumner,
                                            const TextAttributes& rubrikattribut,
                                            const TextAttributes& värdeattribut, const Tabellval& val) {
    std::vector<AttributedString> tabeller;
    for (const Datalista& kolumn : kolumner)
        tabeller.push_back(vy.tabellMedData(kolumn, rubrikattribut, värdeattribut, val).tabell);
    return tabeller;
}

// The columns' rows read as one list, flowing between neighbouring
// columns: where the rooms cannot hold the columns even at 70 %, the
// fewest rows moved at which each holds its own (the rooms are set smaller
// together); none: no way.
std::optional<Faktakolumner> flödade(const Faktakolumner& kolumner,
                                     const std::function<bool(const Faktakolumner&)>& ryms) {
    Datalista alla;
    for (const Datalista& kolumn : kolumner) alla.insert(alla.end(), kolumn.begin(), kolumn.end());
    const size_t n = alla.size(), a0 = kolumner[0].size(), b0 = a0 + kolumner[1].size();
    auto delade = [&](size_t a, size_t b) {
        const auto i = alla.begin(), ia = i + std::ptrdiff_t(a), ib = i + std::ptrdiff_t(b);
        return Faktakolumner{Datalista(i, ia), Datalista(ia, ib), Datalista(ib, alla.end())};
    };
    auto avstånd = [](size_t x, size_t y) { return x > y ? x - y : y - x; };
    for (size_t flyttade = 1; flyttade <= 2 * n; ++flyttade)
        for (size_t a = 0; a <= n; ++a)
            for (size_t b = a; b <= n; ++b)
                if (avstånd(a, a0) + avstånd(b, b0) == flyttade)
                    if (Faktakolumner k = delade(a, b); ryms(k)) return k;
    return std::nullopt;
}

// The columns (faktakolumnerIRum) in `rummen`.
void kolumnerIRum(Fakturavy& vy, const rumsplan::Plan& plan, const std::vector<rumsplan::Rum*>& rummen,
                  const Faktakolumner& kolumner, const TextAttributes& rubrikattribut,
                  const TextAttributes& värdeattribut, const Trekolumnsval& val, double avstånd) {
    // A value too wide for its column, or for the room before the next
    // one, wraps there under the other values rather than lose its end at
    // the column's edge; a column that fits keeps its frame.
    TextAttributes värdeSomBryts = värdeattribut;
    värdeSomBryts.paragraphStyle = värdeSomBryts.paragraphStyle.value_or(ParagraphStyle{});
    värdeSomBryts.paragraphStyle->lineBreakMode = LineBreakMode::wordWrapping;
    std::vector<AttributedString> tabeller = faktatabeller(vy, kolumner, rubrikattribut, värdeattribut, val.tabell);
    std::vector<AttributedString> brutna = faktatabeller(vy, kolumner, rubrikattribut, värdeSomBryts, val.tabell);
    std::vector<rumsplan::Text> texter;
    for (size_t i = 0; i < std::min(tabeller.size(), val.platser.size()); ++i) {
        const double kolumnbredd = i < val.kolumnbredder.size() && val.kolumnbredder[i] ? *val.kolumnbredder[i]
                                                                                         : val.kolumnbredd;
        const double bredd =
            i + 1 == val.platser.size()
                ? kolumnbredd
                : std::min(kolumnbredd, val.platser[i + 1] - val.platser[i] - faktakolumnernasMellanrum);
        // As the plan sets it at full size that wide: whether it fits, and
        // how high it is, where the plan would wrap it only past 70 %.
        auto satt = [&](double b) {
            rumsplan::Rum prov("facts", {val.platser[i], 0, b, vy.ramFörEnSida().height});
            prov.block("facts", {tabeller[i], {val.platser[i], 0, b, 0}});
            return std::pair{plan.rymmer(prov, 100), plan.höjd(prov)};
        };
        if (const auto [ryms, höjd] = satt(bredd); ryms && höjd == satt(10000).second)
            texter.push_back({std::move(tabeller[i]), {val.platser[i], 0, kolumnbredd, 0}});
        else
            texter.push_back({std::move(brutna[i]), {val.platser[i], 0, bredd, 0}});
    }
    // The tallest centred on the line 30 points above `vid` at the size the
    // room sets them, within the band, whose lower line is the room's foot;
    // in rooms of their own, where they stand at full size.
    constexpr double oändlig = std::numeric_limits<double>::infinity();
    const Faktaband band = val.inom.value_or(Faktaband{.överkant = -oändlig, .nederkant = oändlig});
    const double linje = vy.ramFörEnSida().maxY() - val.vid - 30;
    double y = linje;
    if (rummen.size() > 1) {
        rumsplan::Rum alla("facts", {0, 0, 0, 0});
        const double högst = plan.höjd(alla.block("facts", texter));
        y = std::max(band.överkant, std::min(linje - std::round(högst / 2), band.nederkant - högst));
    }
    for (rumsplan::Rum* rum : rummen) {
        std::vector<rumsplan::Text> iRummet;
        for (rumsplan::Text t : texter)
            if (t.ram.x >= rum->yta().minX() && t.ram.x < rum->yta().maxX()) {
                t.ram.y = y;
                iRummet.push_back(std::move(t));
            }
        rumsplan::Blockval blockval{.avstånd = avstånd, .översta = band.överkant};
        if (rummen.size() == 1)
            blockval.förankring = rumsplan::Förankring::kring(linje, 0.5, rumsplan::Avrundning::avståndetNärmast);
        rum->block("facts", std::move(iRummet), blockval);
    }
}

}  // namespace

void mallverktyg::faktakolumnerIRum(Fakturavy& vy, const rumsplan::Plan& plan,
                                    const std::vector<rumsplan::Rum*>& rummen, const TextAttributes& rubrikattribut,
                                    const TextAttributes& värdeattribut, const Trekolumnsval& val, double avstånd) {
    kolumnerIRum(vy, plan, rummen, faktakolumner(vy), rubrikattribut, värdeattribut, val, avstånd);
}

void mallverktyg::faktakolumnerIBandet(Fakturavy& vy, rumsplan::Plan& plan, const TextAttributes& rubrikattribut,
                                       const TextAttributes& värdeattribut, const Trekolumnsval& val) {
    const Faktaband band = val.inom.value_or(Faktaband{});
    const double vänster = val.platser.front(), höger = val.platser.back() + val.kolumnbredd;
    auto& rum = plan.rum("facts", {vänster, band.överkant, höger - vänster, band.nederkant - band.överkant});
    faktakolumnerIRum(vy, plan, {&rum}, rubrikattribut, värdeattribut, val, 0);
}

double mallverktyg::faktakolumnerUnderAdresser(Fakturavy& vy, rumsplan::Plan& plan, AdresserÖverFakta a,
                                               const TextAttributes& rubrikattribut,
                                               const TextAttributes& värdeattribut, const Trekolumnsval& val) {
    constexpr double avstånd = 2;
    const Faktaband band = val.inom.value_or(Faktaband{});
    rumsplan::Rum adresserna("addresses", {a.vänster, a.överkant, a.höger - a.vänster, 0});
    adresserna.block("addresses", a.adresser);
    const bool iBandet = a.överkant + plan.höjd(adresserna) + avstånd > band.överkant;
    const Faktakolumner givna = faktakolumner(vy);
    // The rooms with their blocks, reaching down to `fot`.
    auto rummen = [&](double fot, const Faktakolumner& kolumner) {
        std::vector<rumsplan::Rum> ut;
        if (!iBandet) {
            ut.emplace_back("addresses", Rect{a.vänster, a.överkant, a.höger - a.vänster, band.överkant - a.överkant});
            ut.back().block("addresses", a.adresser);
            ut.emplace_back("facts", Rect{a.vänster, band.överkant, a.höger - a.vänster, fot - band.överkant});
            kolumnerIRum(vy, plan, {&ut.back()}, kolumner, rubrikattribut, värdeattribut, val, 0);
            return ut;
        }
        std::vector<double> kanter = a.delning;
        kanter.insert(kanter.begin(), a.vänster);
        kanter.push_back(a.höger);
        std::vector<rumsplan::Rum*> medFakta;
        for (size_t i = 0; i + 1 < kanter.size(); ++i)
            ut.emplace_back("addresses and facts",
                            Rect{kanter[i], a.överkant, kanter[i + 1] - kanter[i], fot - a.överkant});
        for (rumsplan::Rum& rum : ut) {
            std::vector<rumsplan::Text> över;
            for (const rumsplan::Text& t : a.adresser)
                if (t.ram.x >= rum.yta().minX() && t.ram.x < rum.yta().maxX()) över.push_back(t);
            rum.block("addresses", std::move(över));
            medFakta.push_back(&rum);
        }
        kolumnerIRum(vy, plan, medFakta, kolumner, rubrikattribut, värdeattribut, val, avstånd);
        return ut;
    };
    double nederst = band.nederkant;
    for (const rumsplan::Rum& rum : rummen(band.nederkant, givna))
        for (const auto& plats : plan.blockensPlatser(rum)) nederst = std::max(nederst, plats.topp + plats.höjd);
    const double fot = band.nederkant + std::clamp(std::ceil(nederst - band.nederkant), 0.0,
                                                   std::max(0.0, a.gräns - band.nederkant));
    auto rymsAlla = [&](const std::vector<rumsplan::Rum>& rum) {
        return std::all_of(rum.begin(), rum.end(), [&](const rumsplan::Rum& r) { return rymsAlls(plan, r); });
    };
    std::vector<rumsplan::Rum> rum = rummen(fot, givna);
    // Rows may flow only where every room holds its addresses alone.
    if (iBandet && !rymsAlla(rum) && rymsAlla(rummen(fot, {})))
        if (auto k = flödade(givna, [&](const Faktakolumner& försök) { return rymsAlla(rummen(fot, försök)); }))
            rum = rummen(fot, *k);
    const rumsplan::Rum* föregående = nullptr;
    for (rumsplan::Rum& r : rum) {
        rumsplan::Rum& iPlanen = plan.rum(std::move(r));
        // The captions stand in the first room, where the addresses begin.
        if (!föregående) iPlanen.färdiga(std::move(a.färdiga));
        if (iBandet && föregående) plan.krymperMed(*föregående, iPlanen);
        föregående = &iPlanen;
    }
    return fot;
}
