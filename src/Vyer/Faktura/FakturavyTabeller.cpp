// Label and value tables: caption-and-value lists as one tabbed text, or
// as a caption and its value a row in fixed rows.
#include "Vyer/Faktura/Fakturavy.h"

#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <algorithm>
#include <cmath>

namespace {

// Values start this far right of the widest caption.
constexpr double kolumnmellanrum = 5;

TextAttributes medFetStil(TextAttributes attribut) {
    if (attribut.font) attribut.font = fonts::boldFont(*attribut.font);
    return attribut;
}

}  // namespace

Fakturavy::Tabell Fakturavy::tabellMedData(const Datalista& data, const TextAttributes& etikettattribut,
                                           const TextAttributes& värdeattribut, Tabellval val) const {
    const std::string tabb = "\t";
    const bool högerställdaRubriker =
        etikettattribut.paragraphStyle && etikettattribut.paragraphStyle->alignment == TextAlignment::right;

    struct Rad {
        AttributedString rubrik, värde;
    };
    std::vector<Rad> rader;
    for (size_t i = 0; i < data.size(); ++i) {
        const Datapost& post = data[i];
        if (!post.rubrik || !post.värde) continue;
        std::string rubrik = val.storaBokstäverPåRubrik ? versaler(*post.rubrik) : *post.rubrik;
        // Only the data's own first pair is bold: a skipped first pair
        // leaves every row plain.
        bool fet = i == 0 && val.fetStilPåFörstaRaden;
        rader.push_back({AttributedString(rubrik, fet ? medFetStil(etikettattribut) : etikettattribut),
                         AttributedString(*post.värde, fet ? medFetStil(värdeattribut) : värdeattribut)});
    }

    double bredast = 0;
    for (const Rad& rad : rader) bredast = std::max(bredast, mätare.boundingSize(rad.rubrik, {1000, 14}).width);

    ParagraphStyle stil;
    stil.tabStops.clear();
    if (högerställdaRubriker) stil.tabStops.push_back({TextTab::Kind::right, bredast});
    stil.tabStops.push_back({TextTab::Kind::left, bredast + kolumnmellanrum});
    // The line height follows the caption font, never its bold copy, so
    // that a bold first row does not stand taller.
    double standardhöjd = mätare.defaultLineHeight(etikettattribut.font.value_or(fonts::defaultFont()));
    double radhöjd = std::ceil(standardhöjd + 1);
    stil.minimumLineHeight = radhöjd;
    stil.maximumLineHeight = radhöjd;
    stil.lineBreakMode =
        värdeattribut.paragraphStyle ? värdeattribut.paragraphStyle->lineBreakMode : LineBreakMode::clipping;
    stil.firstLineHeadIndent = 0;
    stil.headIndent = bredast + kolumnmellanrum;
    stil.paragraphSpacing = std::round(radhöjd / 3);

    // Tabs and breaks draw nothing; they take the colour of the caption or
    // value they lead into or close, so that the table carries no colour
    // it does not show.
    const TextAttributes rubrikensFärg{std::nullopt, etikettattribut.foregroundColor, std::nullopt};
    const TextAttributes värdetsFärg{std::nullopt, värdeattribut.foregroundColor, std::nullopt};
    AttributedString tabell;
    for (size_t i = 0; i < rader.size(); ++i) {
        if (högerställdaRubriker) tabell.append(tabb, rubrikensFärg);
        tabell.append(rader[i].rubrik);
        tabell.append(tabb, värdetsFärg);
        tabell.append(rader[i].värde);
        if (i + 1 < rader.size()) tabell.append(paragraphSeparator, värdetsFärg);
    }
    tabell.setParagraphStyle(stil);
    return {std::move(tabell), static_cast<int>(rader.size())};
}

void riktaUppTabbarIKolumn(AttributedString& t1, AttributedString& t2) {
    if (t1.empty() || t2.empty()) return;
    const ParagraphStyle* s1 = t1.paragraphStyleAt(0);
    const ParagraphStyle* s2 = t2.paragraphStyleAt(0);
    if (!s1 || !s2 || s1->tabStops.empty() || s2->tabStops.empty()) return;
    // Copied first: setting a style over a text replaces the one pointed at.
    if (s2->tabStops.front().location > s1->tabStops.front().location) {
        ParagraphStyle stil = *s2;
        t1.setParagraphStyle(stil);
    } else {
        ParagraphStyle stil = *s1;
        t2.setParagraphStyle(stil);
    }
}

std::vector<Fakturavy::Faktarad> Fakturavy::faktarader(const Datalista& data, const TextAttributes& etikettattribut,
                                                       const TextAttributes& värdeattribut,
                                                       const Dataradsval& val) const {
    std::vector<Faktarad> rader;
    // A caption stands on one line of its row, cut at the column's edge,
    // so that a long leader ends at the value column instead of wrapping
    // into the rows below.
    const TextAttributes enRad = påEnRad(etikettattribut);
    const double x = val.startposition.x;
    const double värdex = x + val.etikettbredd + kolumnmellanrum;
    double y = val.startposition.y;
    for (const Datapost& post : data) {
        if (!post.rubrik || !post.värde || post.värde->empty()) continue;
        std::string rubrik = *post.rubrik;
        if (val.paddning) rubrik += " " + *val.paddning;
        if (val.storaBokstäverPåEtiketter) rubrik = versaler(rubrik);

        AttributedString värde(*post.värde, värdeattribut);
        const double höjd = std::max(0.0, mätare.boundingSize(värde, {val.värdebredd, 10000}).height);
        // A value of several lines starts on its caption's line and pushes
        // the next row below its last line.
        const bool flerRader = höjd > val.radhöjd;
        rader.push_back({AttributedString(rubrik, enRad), std::move(värde),
                         Rect{x, y, val.etikettbredd, val.radhöjd},
                         Rect{värdex, y - val.offset, val.värdebredd, flerRader ? höjd : val.radhöjd}});
        y += flerRader ? höjd + 2 : val.radhöjd;
    }
    return rader;
}
