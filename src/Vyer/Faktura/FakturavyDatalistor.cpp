// Whole blocks of facts laid out without the template measuring: a band of
// two-line entries with a small drawing before each, and the invoice's
// references, dates and numbers spread over three columns.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/Mallverktyg.h"

#include <algorithm>
#include <cmath>

Fakturavy::Datalistband Fakturavy::datalistMedKolumndata(const Datalista& data, const TextAttributes& rubrikattribut,
                                                         const TextAttributes& dataattribut,
                                                         const BezierPath& separator, const Color& färg, double skala,
                                                         const Rect& ram, bool vänsterTillHöger) const {
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
    const double y = sidhöjd - ram.maxY();
    const double separatorbredd = separator.bounds().width * skala;
    auto separatorVid = [&](double x) {
        return CachatObjekt(std::nullopt,
                            AffineTransform::translation(x, sidhöjd - ram.midY()).scaled(skala, skala),
                            cachad::path{separator, std::nullopt, färg});
    };

    Datalistband band;
    double x = vänsterTillHöger ? ram.minX() : ram.maxX();
    for (Post& post : poster) {
        if (vänsterTillHöger) {
            band.data.push_back(separatorVid(x));
            x += 6 + separatorbredd;
            band.data.emplace_back(std::move(post.text), Rect{x, y, post.bredd, ram.height});
            x += post.bredd + 12;
        } else {
            band.data.emplace_back(std::move(post.text), Rect{x - post.bredd, y, post.bredd, ram.height});
            x -= post.bredd + 6;
            band.data.push_back(separatorVid(x));
            x -= 12 + separatorbredd;
        }
    }
    band.utpunkt = x;
    return band;
}

void Fakturavy::läggInKolumndataÖverTreKolumner(const TextAttributes& rubrikattribut,
                                                const TextAttributes& värdeattribut, bool storaBokstäverPåRubrik,
                                                bool fetStilPåFörstaRaden, double vid,
                                                const std::vector<double>& platser, double kolumnbredd) {
    // The templates that use this all stand on A4 backgrounds.
    constexpr double sidhöjd = 842;
    Datalista referenser = {
        {rubrikFörErReferens(), f.erReferens()},
        {rubrikFörVårReferens(), f.vårReferens()},
        {rubrikFörKundnummer(), f.kundnummer()},
    };
    for (Datapost& post : mallverktyg::rotOchRutUppgifter(*this)) referenser.push_back(std::move(post));
    const Datalista kolumner[3] = {
        referenser,
        {
            {rubrikFörInköpsordernummer(), f.inköpsordernummer()},
            {rubrikFörLeveranssätt(), f.leveranssätt()},
            {rubrikFörBetalningsvillkor(), rubrikFörDagar()},
            {rubrikFörFörfallodatum(), datumtext(f.förfallodatum())},
        },
        {
            {rubrikFörFakturanummer(), f.nummer()},
            {rubrikFörFakturadatum(), datumtext(f.fakturadatum())},
            {rubrikFörMottagarensMomsregistreringsnummer(), f.momsregistreringsnummer()},
        },
    };

    // The delivery date joins the first column with room (fewer than three
    // rows), else the last.
    std::optional<Datapost> leveransdatum;
    if (auto datum = f.leveransdatum()) leveransdatum = Datapost{rubrikFörLeveransdatum(), datumtext(*datum)};
    std::vector<AttributedString> tabeller;
    for (int i = 0; i < 3; ++i) {
        Tabell tabell = tabellMedData(kolumner[i], rubrikattribut, värdeattribut, storaBokstäverPåRubrik,
                                      fetStilPåFörstaRaden);
        if (leveransdatum && (tabell.antalRader < 3 || i == 2)) {
            Datalista medDatum = kolumner[i];
            medDatum.push_back(*leveransdatum);
            leveransdatum.reset();
            tabell = tabellMedData(medDatum, rubrikattribut, värdeattribut, storaBokstäverPåRubrik,
                                   fetStilPåFörstaRaden);
        }
        tabeller.push_back(std::move(tabell.tabell));
    }

    double högst = 0;
    for (const auto& tabell : tabeller) högst = std::max(högst, mätare.boundingSize(tabell, {kolumnbredd, 10000}).height);
    // The tallest column is centred on the line 30 points above `vid`.
    const double höjd = std::round(30 + högst / 2);
    for (size_t i = 0; i < tabeller.size() && i < platser.size(); ++i)
        innehållFörAllaSidor.emplace_back(std::move(tabeller[i]),
                                          Rect{platser[i], sidhöjd - vid - höjd, kolumnbredd, höjd});
}
