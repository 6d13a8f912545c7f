// Whole blocks of facts laid out without the template measuring: a band of
// two-line entries with a small drawing before each, and the invoice's
// references, dates and numbers spread over three columns.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>

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

void Fakturavy::läggInKolumndataÖverTreKolumner(const TextAttributes& rubrikattribut,
                                                const TextAttributes& värdeattribut, const Trekolumnsval& val) {
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
        Tabell tabell = tabellMedData(kolumner[i], rubrikattribut, värdeattribut, val.tabell);
        if (leveransdatum && (tabell.antalRader < 3 || i == 2)) {
            Datalista medDatum = kolumner[i];
            medDatum.push_back(*leveransdatum);
            leveransdatum.reset();
            tabell = tabellMedData(medDatum, rubrikattribut, värdeattribut, val.tabell);
        }
        tabeller.push_back(std::move(tabell.tabell));
    }

    auto högstAv = [&](const std::vector<AttributedString>& t) {
        double högst = 0;
        for (const auto& tabell : t)
            högst = std::max(högst, mätare.boundingSize(tabell, {val.kolumnbredd, 10000}).height);
        return högst;
    };
    double högst = högstAv(tabeller);
    // The tallest column is centred on the line 30 points above `vid`; its
    // frame holds all of it.
    const double höjd = std::round(30 + högst / 2);
    double y = sidhöjd - val.vid - höjd;
    if (val.inom) {
        const double rum = val.inom->nederkant - val.inom->överkant;
        if (högst > rum) {
            // One factor for all three, so that their rows stay in line.
            double skala = 1;
            for (const auto& tabell : tabeller)
                skala = std::min(
                    skala, passadText(mätare, tabell, {val.kolumnbredd, rum}, TextDrawingMode::fromTopLeft).skala);
            for (auto& tabell : tabeller) tabell = tabell.scaled(skala);
            högst = högstAv(tabeller);
        }
        y = std::max(val.inom->överkant, std::min(y, val.inom->nederkant - högst));
    }
    for (size_t i = 0; i < tabeller.size() && i < val.platser.size(); ++i)
        innehållFörAllaSidor.emplace_back(std::move(tabeller[i]),
                                          Rect{val.platser[i], y, val.kolumnbredd, std::max(höjd, högst)});
}
