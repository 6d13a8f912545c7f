// Whole blocks of facts laid out without the template measuring: a band of
// two-line entries with a small drawing before each, and the invoice's
// references, dates and numbers spread over three columns, which share
// their band with the addresses over them.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/MallverktygTabeller.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
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
    double x = val.vänsterTillHöger ? val.ram.minX() : val.ram.maxX();
    for (Post& post : poster) {
        if (val.vänsterTillHöger) {
            band.data.push_back(separatorVid(x));
            x += 6 + separatorbredd;
            band.data.emplace_back(std::move(post.text), Rect{x, y, post.bredd, val.ram.height});
            x += post.bredd + 12;
        } else {
            band.data.emplace_back(std::move(post.text), Rect{x - post.bredd, y, post.bredd, val.ram.height});
            x -= post.bredd + 6;
            band.data.push_back(separatorVid(x));
            x -= 12 + separatorbredd;
        }
    }
    band.utpunkt = x;
    return band;
}

namespace {

// A fact column ends at least this far before the next begins: as near as
// the closest columns stand by their widths (template EB's).
constexpr double faktakolumnernasMellanrum = 2;

// The texts over the fact columns and the columns, set at one percent of
// their size, and where that puts the columns.
struct Faktasättning {
    std::vector<CachatObjekt> ovanför;
    std::vector<AttributedString> tabeller;
    std::vector<double> höjder, y;
    double högst = 0;
};

// The invoice's references, dates and numbers as three tables.
std::vector<AttributedString> faktatabeller(const Fakturavy& vy, const TextAttributes& rubrikattribut,
                                            const TextAttributes& värdeattribut, const Tabellval& val) {
    const Fakturaliknande& f = vy.f;
    Datalista referenser = {
        {vy.rubrikFörErReferens(), f.erReferens()},
        {vy.rubrikFörVårReferens(), f.vårReferens()},
        {vy.rubrikFörKundnummer(), f.kundnummer()},
    };
    for (Datapost& post : mallverktyg::rotOchRutUppgifter(vy)) referenser.push_back(std::move(post));
    const Datalista kolumner[3] = {
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
    // The delivery date joins the first column with room (fewer than three
    // rows), else the last.
    std::optional<Datapost> leveransdatum;
    if (auto datum = f.leveransdatum())
        leveransdatum = Datapost{vy.rubrikFörLeveransdatum(), Fakturavy::datumtext(*datum)};
    std::vector<AttributedString> tabeller;
    for (int i = 0; i < 3; ++i) {
        Fakturavy::Tabell tabell = vy.tabellMedData(kolumner[i], rubrikattribut, värdeattribut, val);
        if (leveransdatum && (tabell.antalRader < 3 || i == 2)) {
            Datalista medDatum = kolumner[i];
            medDatum.push_back(*leveransdatum);
            leveransdatum.reset();
            tabell = vy.tabellMedData(medDatum, rubrikattribut, värdeattribut, val);
        }
        tabeller.push_back(std::move(tabell.tabell));
    }
    return tabeller;
}

// The templates that use the three columns all stand on A4 backgrounds.
constexpr double sidhöjd = 842;
constexpr TextDrawingMode läge = TextDrawingMode::fromTopLeft;

// The three columns as set at full size: each table wrapped where a value
// is too wide for its column, the width it is measured in and the width of
// its frame, and the band they keep to.
struct Faktakolumnerna {
    std::vector<AttributedString> tabeller;
    std::vector<double> bredder, ramar;
    Faktaband band;
    // The top of the tallest column, `högst` high, centred on the line 30
    // points above `vid`.
    std::function<double(double)> centrerad;
};

Faktakolumnerna faktakolumnerna(const Fakturavy& vy, const TextAttributes& rubrikattribut,
                                const TextAttributes& värdeattribut, const Trekolumnsval& val) {
    Faktakolumnerna k;
    k.tabeller = faktatabeller(vy, rubrikattribut, värdeattribut, val.tabell);
    k.tabeller.resize(std::min(k.tabeller.size(), val.platser.size()));
    for (size_t i = 0; i < k.tabeller.size(); ++i) {
        const bool sista = i + 1 == val.platser.size();
        const double kolumnbredd = i < val.kolumnbredder.size() && val.kolumnbredder[i] ? *val.kolumnbredder[i]
                                                                                         : val.kolumnbredd;
        k.bredder.push_back(sista ? kolumnbredd
                                  : std::min(kolumnbredd,
                                             val.platser[i + 1] - val.platser[i] - faktakolumnernasMellanrum));
        // A value too wide for its column wraps under the other values
        // rather than lose its end at the column's edge; a column that
        // fits keeps its frame.
        AttributedString satt = radbrutenOmDenÄrFörBred(vy.mätare, k.tabeller[i], k.bredder[i], läge);
        k.ramar.push_back(satt == k.tabeller[i] ? kolumnbredd : k.bredder[i]);
        k.tabeller[i] = std::move(satt);
    }
    constexpr double oändlig = std::numeric_limits<double>::infinity();
    k.band = val.inom.value_or(Faktaband{.överkant = -oändlig, .nederkant = oändlig});
    k.centrerad = [vid = val.vid](double högst) { return sidhöjd - vid - std::round(30 + högst / 2); };
    return k;
}

}  // namespace

Faktakolumner Fakturavy::läggInKolumndataÖverTreKolumner(const TextAttributes& rubrikattribut,
                                                         const TextAttributes& värdeattribut,
                                                         const Trekolumnsval& val) {
    Faktakolumnerna k = faktakolumnerna(*this, rubrikattribut, värdeattribut, val);
    std::vector<AttributedString>& tabeller = k.tabeller;
    const std::vector<double>& bredder = k.bredder;
    const std::vector<double>& ramar = k.ramar;
    const size_t antal = tabeller.size();
    const Faktaband& band = k.band;
    const double fot = std::max(band.nederkant, band.gräns);
    const auto centrerad = k.centrerad;

    // Each text over the band at a percent of its size, in a frame that
    // holds it; a column keeps below those whose frames span it.
    auto ovanförI = [&](int procent) {
        std::vector<CachatObjekt> ut;
        for (const TextÖverFakta& t : val.ovanför) {
            CachatObjekt o(vidProcent(t.text, procent), t.ram);
            Rect& ram = std::get<cachad::string>(o.data).frame;
            ram.height = std::max(ram.height, mallverktyg::textensSlut(*this, o) - ram.y);
            ut.push_back(std::move(o));
        }
        return ut;
    };
    auto över = [&](const TextÖverFakta& t, size_t kolumn) {
        return t.ram.minX() < val.platser[kolumn] + bredder[kolumn] && val.platser[kolumn] < t.ram.maxX();
    };
    auto sättning = [&](int procent, std::vector<CachatObjekt> ovanför) {
        Faktasättning s;
        s.ovanför = std::move(ovanför);
        for (size_t i = 0; i < antal; ++i) {
            s.tabeller.push_back(vidProcent(tabeller[i], procent));
            s.höjder.push_back(mätare.boundingSize(s.tabeller[i], {bredder[i], 10000}).height);
            s.högst = std::max(s.högst, s.höjder[i]);
        }
        const double y = std::max(band.överkant, std::min(centrerad(s.högst), band.nederkant - s.högst));
        for (size_t i = 0; i < antal; ++i) {
            s.y.push_back(y);
            for (size_t k = 0; k < val.ovanför.size(); ++k)
                if (över(val.ovanför[k], i))
                    s.y[i] = std::max(s.y[i], mallverktyg::textensSlut(*this, s.ovanför[k]) + 2);
        }
        return s;
    };
    // The texts over the band are set smaller with the columns only when
    // they reach into it.
    bool ovanförKrymper = false;
    for (const CachatObjekt& o : ovanförI(100))
        ovanförKrymper = ovanförKrymper || mallverktyg::textensSlut(*this, o) + 2 > band.överkant;
    auto sattI = [&](int procent) { return sättning(procent, ovanförI(ovanförKrymper ? procent : 100)); };
    auto ryms = [&](const Faktasättning& s, bool helaOrd) {
        for (size_t i = 0; i < antal; ++i) {
            if (s.y[i] + s.höjder[i] > fot + 0.5) return false;
            if (helaOrd && mätare.extent(s.tabeller[i], {0, 0, bredder[i], 0}, läge).brokeWord) return false;
        }
        return true;
    };
    Faktasättning satt = sattI(100);
    if (!ryms(satt, true)) {
        // The largest whole percent at which all fit; a word too long for
        // its column even at 70 % is broken there.
        if (const auto störst = störstaProcentMedHelaOrd(
                [&](int procent, bool helaOrd) { return ryms(sattI(procent), helaOrd); })) {
            satt = sattI(*störst);
        } else {
            // Too tall even at 70 %: the texts above end where the columns
            // still have their room, and the columns are cut at the line.
            satt = sattI(minstaProcent);
            for (size_t k = 0; k < satt.ovanför.size(); ++k) {
                auto& [text, ram] = std::get<cachad::string>(satt.ovanför[k].data);
                const double gräns = std::max(val.ovanför[k].ram.maxY(), fot - 2 - satt.högst);
                if (ram.maxY() <= gräns) continue;
                ram.height = gräns - ram.y;
                text = avkortad(mätare, text, {ram.width, ram.height}, läge);
            }
            satt = sättning(minstaProcent, std::move(satt.ovanför));
        }
    }

    Faktakolumner ut{.ovanför = std::move(satt.ovanför), .nederkant = band.nederkant};
    // Each frame holds all of its column, which ends at the line at the
    // latest.
    const double höjd = std::max(sidhöjd - val.vid - centrerad(satt.högst), satt.högst);
    for (size_t i = 0; i < antal; ++i) {
        AttributedString& tabell = satt.tabeller[i];
        Size ram{ramar[i], höjd};
        if (const double rum = fot - satt.y[i]; satt.höjder[i] > rum + 0.5) {
            tabell = avkortad(mätare, tabell, {bredder[i], rum}, läge);
            satt.höjder[i] = rum;
            ram = {bredder[i], rum};
        }
        ut.nederkant = std::max(ut.nederkant, satt.y[i] + satt.höjder[i]);
        innehållFörAllaSidor.emplace_back(std::move(tabell), Rect{val.platser[i], satt.y[i], ram.width, ram.height});
    }
    return ut;
}

void mallverktyg::faktakolumnerIRum(Fakturavy& vy, const std::vector<rumsplan::Rum*>& rummen,
                                    const TextAttributes& rubrikattribut, const TextAttributes& värdeattribut,
                                    const Trekolumnsval& val, double avstånd) {
    Faktakolumnerna k = faktakolumnerna(vy, rubrikattribut, värdeattribut, val);
    double högst = 0;
    for (size_t i = 0; i < k.tabeller.size(); ++i)
        högst = std::max(högst, vy.mätare.boundingSize(k.tabeller[i], {k.bredder[i], 10000}).height);
    const double y = std::max(k.band.överkant, std::min(k.centrerad(högst), k.band.nederkant - högst));
    const double höjd = std::max(sidhöjd - val.vid - k.centrerad(högst), högst);
    for (rumsplan::Rum* rum : rummen) {
        std::vector<rumsplan::Text> texter;
        for (size_t i = 0; i < k.tabeller.size(); ++i)
            if (val.platser[i] >= rum->yta().minX() && val.platser[i] < rum->yta().maxX())
                texter.push_back({k.tabeller[i], {val.platser[i], y, k.ramar[i], höjd}});
        rum->block("facts", std::move(texter), {.avstånd = avstånd, .översta = k.band.överkant});
    }
}
