// The item table: which columns, what each cell says, how wide each column
// is and where the headings go. The rows are then placed page by page in
// FakturavyKolumnsidor.cpp.
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Lokal.h"
#include "Plattform/NumberFormatter.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Celldelning.h"
#include "Vyer/Faktura/Fakturavy.h"
#include "Vyer/Faktura/Kolumntabell.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

using K = Fakturakolumn;

bool högerställd(K k) {
    return k == K::belopp || k == K::beloppInklMoms || k == K::momsbelopp || k == K::momssats || k == K::pris ||
           k == K::prisInklMoms;
}

// Stretch columns take what room is left over.
bool töjbar(K k) { return k == K::kommentar || k == K::rabatt || k == K::artikelnamn; }

bool visasPåFöljesedel(K k) { return !högerställd(k) && k != K::rabatt; }

std::string rubrik(const Fakturavy& vy, K k) {
    switch (k) {
        case K::radnummer: return vy.rubrikFörNummer();
        case K::artikelnummer: return vy.rubrikFörArticleNumber();
        case K::artikelnamn: return vy.rubrikFörBeskrivning();
        case K::rabatt: return vy.rubrikFörRabattkolumn();
        case K::kommentar: return vy.rubrikFörKommentar();
        case K::antal: return vy.rubrikFörAntal();
        case K::pris:
        case K::prisInklMoms: return vy.rubrikFörStyckpris();
        case K::momssats:
        case K::momsbelopp: return vy.rubrikFörMoms();
        case K::belopp: return vy.rubrikFörRadensBelopp();
        case K::beloppInklMoms: return vy.rubrikFörRadensBeloppInklMoms();
        case K::enhet: break;  // only adds the unit to the quantity
    }
    throw std::logic_error("Rubrik saknas");
}

// The columns shown, left to right: the invoice's own, without the unit
// (and on a delivery note without prices and discounts), in flag order.
std::vector<K> kolumnlista(const Fakturavy& vy) {
    std::vector<K> kolumner;
    for (K k : vy.f.kolumner())
        if (k != K::enhet && (!vy.följesedel || visasPåFöljesedel(k))) kolumner.push_back(k);
    std::stable_sort(kolumner.begin(), kolumner.end(),
                     [](K a, K b) { return static_cast<int64_t>(a) < static_cast<int64_t>(b); });
    return kolumner;
}

class Cellbyggare {
public:
    Cellbyggare(const Fakturavy& vy, const TextAttributes& dataattribut, const TextAttributes& högerställdaDataattribut,
                Size mätruta, double sidhöjd)
        : vy_(vy),
          dataattribut_(dataattribut),
          högerställdaDataattribut_(högerställdaDataattribut),
          mätruta_(mätruta),
          sidhöjd_(sidhöjd),
          antalsformatterare_(NumberFormatter::Style::decimal, lokal::aktuell()),
          procentformatterare_(NumberFormatter::Style::percent, lokal::aktuell()) {
        for (K k : vy.f.kolumner())
            if (k == K::enhet) medEnhet_ = true;
    }

    // A text measured at the item region's size, rounded up to whole points.
    Tabellcell mätt(std::string text, const TextAttributes& attribut) const {
        AttributedString s(text, attribut);
        Size mått = radcellensStorlek(vy_, s, mätruta_, sidhöjd_);
        return {std::move(s), Size{std::max(0.0, std::ceil(mått.width)), std::max(0.0, std::ceil(mått.height))}};
    }

    Tabellcell cell(K k, const Fakturapostliknande& post, size_t index) const {
        std::optional<std::string> text = celltext(k, post, index);
        if (!text) return {};
        return mätt(std::move(*text), högerställd(k) ? högerställdaDataattribut_ : dataattribut_);
    }

private:
    std::optional<std::string> celltext(K k, const Fakturapostliknande& post, size_t index) const {
        switch (k) {
            case K::radnummer: return std::to_string(index + 1);
            case K::artikelnummer: return post.artikelnummer();
            case K::artikelnamn: return post.artikelnamn();
            case K::rabatt: return post.rabattbeskrivning();
            case K::kommentar: return post.kommentar();
            case K::antal: {
                auto antal = antalsformatterare_.format(post.antal());
                if (!antal) return std::nullopt;
                if (auto enhet = post.enhet(); enhet && medEnhet_) *antal += " " + *enhet;
                return antal;
            }
            case K::pris: return vy_.belopp(post.pris());
            case K::prisInklMoms: return vy_.belopp(post.prisInklMoms());
            case K::momssats: return procentformatterare_.format(post.momssats());
            case K::momsbelopp: return vy_.belopp(post.momsbelopp());
            case K::belopp: return vy_.belopp(post.beloppExklMoms());
            case K::beloppInklMoms: return vy_.belopp(post.belopp());
            case K::enhet: break;
        }
        return std::nullopt;
    }

    const Fakturavy& vy_;
    const TextAttributes& dataattribut_;
    const TextAttributes& högerställdaDataattribut_;
    Size mätruta_;
    double sidhöjd_;  // a row's room on a page
    NumberFormatter antalsformatterare_;
    NumberFormatter procentformatterare_;
    bool medEnhet_ = false;
};

// The widest cell; cells without a size do not count.
double naturligBredd(const Tabellkolumn& kolumn) {
    double bredd = 0;
    for (const auto& cell : kolumn.celler)
        if (cell.storlek && cell.storlek->width > bredd) bredd = cell.storlek->width;
    return bredd;
}

// A single stretch column's cells at its new width, sized as measured.
void mätOmOavrundat(const Fakturavy& vy, Tabellkolumn& kolumn, double sidhöjd) {
    for (auto& cell : kolumn.celler) {
        if (cell.text && cell.storlek)
            cell.storlek = radcellensStorlek(vy, *cell.text, {kolumn.bredd, 1000}, sidhöjd);
        else
            cell = {};
    }
}

// Several stretch columns' cells: each as wide as its column, as tall as
// its text wraps there, rounded up.
void mätOmIKolumnbredd(const Fakturavy& vy, Tabellkolumn& kolumn, double sidhöjd) {
    for (auto& cell : kolumn.celler) {
        if (cell.text)
            cell.storlek =
                Size{kolumn.bredd,
                     std::max(0.0, std::ceil(radcellensStorlek(vy, *cell.text, {kolumn.bredd, 1000}, sidhöjd).height))};
        else
            cell = {};
    }
}

// Shrinking every stretch column by one factor can leave one narrower than
// its standard heading, which then wraps down over the first rows (headings
// a template draws itself stand on one line and are left alone). Such a
// column keeps its heading's width, taken from what the others have above
// theirs and then from `ledigtMellanrum`, the spacing the table can give up;
// when all of that is too little, the widths stay as the factor made them.
void lämnaRumFörRubrikerna(const std::vector<Tabellkolumn*>& töjbara, double ledigtMellanrum) {
    auto rubrikbredd = [](const Tabellkolumn& k) { return k.celler.front().storlek->width; };
    double underskott = 0, överskott = 0;
    for (const Tabellkolumn* s : töjbara) {
        const double skillnad = s->bredd - rubrikbredd(*s);
        (skillnad < 0 ? underskott : överskott) += std::abs(skillnad);
    }
    if (underskott <= 0 || överskott + ledigtMellanrum < underskott) return;
    const double andel = överskott > 0 ? std::min(underskott, överskott) / överskott : 0;
    for (Tabellkolumn* s : töjbara) {
        const double minst = rubrikbredd(*s);
        s->bredd = s->bredd < minst ? minst : std::floor(s->bredd - (s->bredd - minst) * andel);
    }
}


// The attribute sets of the item table, all set by one factor.
struct Kolumnattribut {
    TextAttributes rubrik, data, högerRubrik, högerData;

    Kolumnattribut skalade(double skala) const {
        return {rubrik.scaled(skala), data.scaled(skala), högerRubrik.scaled(skala), högerData.scaled(skala)};
    }
};

// The columns with their headings and cells measured in `attribut`, each
// as wide as its widest cell.
Kolumntabell mättaKolumner(const Fakturavy& vy, const Kolumnattribut& attribut, const Kolumnval& val,
                           double rubrikpaddning) {
    const Cellbyggare byggare(vy, attribut.data, attribut.högerData, val.datautrymme.size(), val.höjdPåÖvrigaSidor);
    const auto poster = vy.f.fakturaposter();
    Kolumntabell tabell;
    for (K k : kolumnlista(vy)) {
        Tabellkolumn kolumn{k, {}, 0};
        kolumn.celler.reserve(poster.size() + 1);
        std::string text = rubrik(vy, k);
        if (val.storaBokstäverPåRubriker) text = versaler(text);
        Tabellcell rubrikcell = byggare.mätt(std::move(text), högerställd(k) ? attribut.högerRubrik : attribut.rubrik);
        rubrikcell.storlek->width += rubrikpaddning;
        kolumn.celler.push_back(std::move(rubrikcell));
        for (size_t i = 0; i < poster.size(); ++i) kolumn.celler.push_back(byggare.cell(k, *poster[i], i));
        kolumn.bredd = naturligBredd(kolumn);
        tabell.kolumner.push_back(std::move(kolumn));
    }
    return tabell;
}

// The least width the columns need side by side: fixed columns as wide as
// their content, stretch columns as their headings, the spacing at half
// its width.
double minstaBredd(const Kolumntabell& tabell, double mellanrum) {
    double bredd = mellanrum * std::max(0.0, static_cast<double>(tabell.kolumner.size()) - 1);
    for (const auto& k : tabell.kolumner) bredd += töjbar(k.kolumn) ? k.celler.front().storlek->width : k.bredd;
    return bredd;
}

// In the view's other string mode a plain string is one line on its
// frame's foot, which would run a cell of several lines past its column
// and off the page: such a cell is laid down line by line instead.
void cellerAvFleraRaderRadvis(const TextMeasurer& mätare, Kolumntabell& tabell) {
    for (auto& kolumn : tabell.kolumner)
        for (size_t i = 1; i < kolumn.celler.size(); ++i)
            if (Tabellcell& cell = kolumn.celler[i]; cell.text)
                cell.radvis = mätare.lines(*cell.text, kolumn.bredd, TextDrawingMode::fromTopLeft).size() > 1;
}

}  // namespace

void Fakturavy::planeraTabellensRum(const Rect& datautrymme, double höjdPåÖvrigaSidor, const Radernasfötter& fötter,
                                    double underRamen) {
    // The rows' room from the row base down by what each page gives them,
    // or lower where the rows reach: the message on the last page, a
    // continuation line ending a page for the last page's content.
    const double radbas = datautrymme.y + Kolumnval::radbasensFörskjutning;
    const double sista = std::max(följesedel ? höjdPåÖvrigaSidor : datautrymme.height, fötter.sista - radbas);
    const double övriga = std::max(höjdPåÖvrigaSidor, fötter.övriga - radbas);
    planeradeRum.push_back(
        {"items", {datautrymme.x, radbas, datautrymme.width, sista + underRamen}, Sidslag::sista, {}});
    planeradeRum.push_back(
        {"items", {datautrymme.x, radbas, datautrymme.width, övriga + underRamen}, Sidslag::övriga, {}});
}

double Fakturavy::underFortsättningsraden(const TextAttributes& attribut, double bredd) const {
    // Where strings stand on their frame's foot, a continuation line's
    // descenders hang below its line.
    if (!annanSträngmetod) return 0;
    constexpr double höjd = 15;
    double under = 0;
    const AttributedString rad("\u2026 continued on page 2", attribut);
    for (const Rect& r : mätare.extent(rad, {0, 0, bredd, höjd}, TextDrawingMode::baselineAtFoot).lines)
        under = std::max(under, r.maxY() - höjd);
    return under;
}

std::shared_ptr<MättArtikeltabell> Fakturavy::mätArtikeltabell(const TextAttributes& rubrikattribut,
                                                              const TextAttributes& dataattribut,
                                                              const TextAttributes& högerställdaRubrikattribut,
                                                              const TextAttributes& högerställdaDataattribut,
                                                              const Kolumnval& val, rumsplan::Plan& plan) {
    const auto poster = f.fakturaposter();
    const double rubrikpaddning = val.egnaRubriker ? 2 * rubrikutfyllnad : 0;
    const double W = val.datautrymme.width;
    const double g = kolumnavstånd;

    // A table whose columns cannot share its width is set smaller, headings
    // and rows by one factor, until they can: no column passes the right
    // edge.
    const Kolumnattribut attribut{rubrikattribut, dataattribut, högerställdaRubrikattribut, högerställdaDataattribut};
    Kolumnattribut skalade = attribut;
    Kolumntabell tabell = mättaKolumner(*this, attribut, val, rubrikpaddning);
    double skala = 1;
    const double mellanrum = g / 2 * std::max(0.0, static_cast<double>(tabell.kolumner.size()) - 1);
    for (int försök = 0; försök < 8 && W > mellanrum; ++försök) {
        const double behov = minstaBredd(tabell, g / 2);
        if (behov <= W) break;
        // Widths follow the text's size; the spacing stays.
        skala *= std::min(0.99, (W - mellanrum) / std::max(1.0, behov - mellanrum));
        skalade = attribut.skalade(skala);
        tabell = mättaKolumner(*this, skalade, val, rubrikpaddning);
    }
    const size_t n = tabell.kolumner.size();

    // Fitting the width: stretch columns take the room the others leave,
    // then the spacing is widened so that the table ends at the right edge.
    std::vector<Tabellkolumn*> fasta, töjbara;
    double fastBredd = 0, töjbarBredd = 0;
    for (auto& kolumn : tabell.kolumner) {
        if (töjbar(kolumn.kolumn)) {
            töjbara.push_back(&kolumn);
            töjbarBredd += kolumn.bredd;
        } else {
            fasta.push_back(&kolumn);
            fastBredd += kolumn.bredd;
        }
    }
    auto allaBredder = [&] {
        double summa = 0;
        for (const auto& kolumn : tabell.kolumner) summa += kolumn.bredd;
        return summa;
    };
    double rest = W - fastBredd - g * (static_cast<double>(fasta.size()) - 1);
    if (rest > 0) {
        if (töjbara.size() == 1) {
            Tabellkolumn& s = *töjbara.front();
            rest -= g;
            double bredd = n >= 2 && rest > 1.5 * s.bredd ? 1.5 * s.bredd : rest;
            // The spacing alone can eat what was left: no negative width.
            s.bredd = std::max(0.0, bredd);
            mätOmOavrundat(*this, s, val.höjdPåÖvrigaSidor);
        } else if (töjbara.size() >= 2) {
            // Without any width or spacing to scale, the cap is all there is.
            double underlag = töjbarBredd + static_cast<double>(töjbara.size()) * g;
            double faktor = underlag > 0 ? std::clamp(rest / underlag, 0.0, 1.5) : 1.5;
            for (Tabellkolumn* s : töjbara) s->bredd = std::floor(s->bredd * faktor) + rubrikpaddning;
            // The spacing may shrink to half its width, no further.
            const double minstaMellanrum = std::max(0.0, g) / 2 * static_cast<double>(n - 1);
            if (!val.egnaRubriker) {
                // It makes room for headings that would wrap.
                lämnaRumFörRubrikerna(töjbara, std::max(0.0, W - allaBredder() - minstaMellanrum));
            } else if (const double för = allaBredder() + minstaMellanrum - W; för > 0 && töjbarBredd > 0) {
                // The padding each gets for its heading's box takes it
                // from the stretch columns, not from the spacing: cells of
                // neighbouring columns would touch.
                double töjbaraNu = 0;
                for (const Tabellkolumn* s : töjbara) töjbaraNu += s->bredd;
                for (Tabellkolumn* s : töjbara) s->bredd = std::floor(s->bredd * std::max(0.0, 1 - för / töjbaraNu));
            }
            for (Tabellkolumn* s : töjbara) mätOmIKolumnbredd(*this, *s, val.höjdPåÖvrigaSidor);
        }
        if (n > 1) kolumnavstånd = (W - allaBredder()) / static_cast<double>(n - 1);
    }

    if (annanSträngmetod) cellerAvFleraRaderRadvis(radmätare, tabell);
    tabell.radavstånd = radavstånd * skala;
    tabell.radhöjder.assign(poster.size(), tabell.radavstånd);
    for (size_t i = 0; i < poster.size(); ++i) {
        double högst = 0;
        for (const auto& kolumn : tabell.kolumner)
            if (const auto& storlek = kolumn.celler[i + 1].storlek) högst = std::max(högst, storlek->height);
        tabell.radhöjder[i] += högst;
    }

    // Headings, repeated on every page.
    double nedåt = 0;
    if (val.egnaRubriker) {
        std::vector<AttributedString> rubriker;
        std::vector<double> positioner;
        double o = 0;
        for (const auto& kolumn : tabell.kolumner) {
            double summa = 0;
            for (const auto& cell : kolumn.celler)
                if (cell.storlek) summa += cell.storlek->width;
            double s = 0.3 * summa / static_cast<double>(kolumn.celler.size());
            double förskjutning = högerställd(kolumn.kolumn) ? kolumn.bredd - s : s;
            rubriker.push_back(*kolumn.celler.front().text);
            positioner.push_back(std::round(val.rubrikutrymme.x + o + förskjutning));
            o += kolumn.bredd + kolumnavstånd;
        }
        val.egnaRubriker(plan, rubriker, positioner);
    } else {
        std::vector<CachatObjekt> rubriker;
        double o = 0;
        for (const auto& kolumn : tabell.kolumner) {
            const AttributedString& text = *kolumn.celler.front().text;
            // A heading that wraps pushes the rows down instead of running
            // into them.
            const double höjd = mätare.boundingSize(text, {kolumn.bredd, 1000}).height;
            nedåt = std::max(nedåt, std::ceil(höjd - val.rubrikutrymme.height));
            rubriker.emplace_back(text, Rect{val.rubrikutrymme.x + o, val.rubrikutrymme.y, kolumn.bredd,
                                             std::max(val.rubrikutrymme.height, höjd)});
            o += kolumn.bredd + kolumnavstånd;
        }
        plan.placerade("item headings", std::move(rubriker));
    }
    auto mätt = std::make_shared<MättArtikeltabell>();
    mätt->datautrymme = {val.datautrymme.x, val.datautrymme.y + nedåt, val.datautrymme.width,
                         std::max(0.0, val.datautrymme.height - nedåt)};
    mätt->höjdPåÖvrigaSidor = std::max(0.0, val.höjdPåÖvrigaSidor - nedåt);
    mätt->tabell = std::move(tabell);
    mätt->data = skalade.data;
    mätt->högerData = skalade.högerData;
    mätt->alternerandeRadfärg = val.alternerandeRadfärg;
    mätt->meddelandetUnderRaderna = val.meddelandetUnderRaderna;
    return mätt;
}

void Fakturavy::läggUtArtikeltabell(MättArtikeltabell& t, std::optional<double> meddelandetsFot) {
    Radernasfötter fötter;
    innehållFörVarjeSida =
        sidorMedRader(*this, std::move(t.tabell),
                      {t.data, t.högerData, t.datautrymme, t.höjdPåÖvrigaSidor, t.alternerandeRadfärg, meddelandetsFot,
                       t.meddelandetUnderRaderna, &fötter.sista, &fötter.övriga});
    planeraTabellensRum(t.datautrymme, t.höjdPåÖvrigaSidor, fötter,
                        underFortsättningsraden(t.högerData, t.datautrymme.width));
}
