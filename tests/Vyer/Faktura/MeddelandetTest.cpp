// The invoice's message on every built-in template, as invoice and as
// delivery note, after every number of items that ends the rows anywhere
// on page 1 or 2: it stands on the last page in the item table's room,
// below the last row and over no amount row or other text of its page.
// Laid out with the fixed-width measurer; the room is told by the page
// count (as in Dataomrade.h): the tallest lone item page 1 holds ends where
// a last row may end; centred in the free room, the message may end as far
// below that as the rows' base stands below the data area's top. In the
// PDF, the message's words stand clear of the amount rows' words.
#include "Displaylista.h"
#include "FastMatare.h"
#include "Fullfaktura.h"
#include "Provfaktura.h"

#include "Exempel/Exempelbokforing.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/InbyggdFakturamall.h"
#include "Plattform/Ritning/PdfVerktyg.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using displaylista::beskriv;
using displaylista::ram;

// An ordinary thank-you of 84 characters.
const std::string meddelande = "Thank you for your order! Please contact us if you have questions about the invoice.";

// Items are whole points high, so this tells the room's foot to within a
// point.
constexpr double helPunkt = 1;

// The foot of the tallest lone item the last page holds below the rows'
// base: where a last row may end.
double rummetsFot(prov::Faktura faktura, const Bokföring& bok, FastMätare& mätare, bool följesedel) {
    faktura.meddelande_.reset();
    prov::Post hög;
    hög.artikelnamn_ = "Hög";
    faktura.poster = {hög};
    auto vy = [&](int höjd) {
        mätare.fasta["Hög"] = {40, static_cast<double>(höjd)};
        return std::make_unique<Fakturavy>(faktura, bok, följesedel, mätare);
    };
    int ryms = 0, rymsInte = 1000;
    while (rymsInte - ryms > 1) {
        const int mitt = (ryms + rymsInte) / 2;
        (vy(mitt)->antalSidor() == 1 ? ryms : rymsInte) = mitt;
    }
    const auto v = vy(ryms);
    return ram(*displaylista::medText(v->innehållFörVarjeSida.front(), "Hög")).maxY();
}

bool möts(const Rect& a, const Rect& b) {
    return std::min(a.maxX(), b.maxX()) > std::max(a.minX(), b.minX()) &&
           std::min(a.maxY(), b.maxY()) > std::max(a.minY(), b.minY());
}

// What is wrong with where the message stands, if anything.
std::string fel(const Fakturavy& vy, double fot) {
    const auto& sista = vy.innehållFörVarjeSida.back();
    const CachatObjekt* m = displaylista::medText(sista, meddelande);
    if (!m) return "not on the last page";
    const Rect r = ram(*m);
    // Centred in the free room, it may end as far below the room's foot as
    // the rows' base stands below the data area's top.
    if (r.maxY() > fot + Kolumnval::radbasensFörskjutning + helPunkt)
        return beskriv(*m) + " ends below the room's foot at " + std::to_string(fot);
    // The rows, their bands and the continuation lines stand before it.
    for (const CachatObjekt* o = sista.data(); o != m; ++o)
        if (ram(*o).maxY() > r.minY()) return beskriv(*m) + " over " + beskriv(*o);
    // Its lines are centred: the widest one's across, all of its height;
    // another text's, each line across its frame.
    const double bredd = vy.mätare.boundingSize(*displaylista::text(*m), {r.width, 1e9}).width;
    const Rect rutan{r.midX() - bredd / 2, r.y, bredd, r.height};
    auto över = [&](const CachatObjekt& o) {
        const auto t = textIRam(o, vy.annanSträngmetod);
        if (!t || !möts(rutan, displaylista::ramPåSidan(o))) return false;
        if (o.transform) return true;
        for (const TextLine& rad : vy.mätare.lines(*t->text, t->ram.width, t->läge))
            if (möts(rutan, {t->ram.x, t->ram.y + rad.top, t->ram.width, rad.bottom - rad.top})) return true;
        return false;
    };
    for (const CachatObjekt* o = m + 1; o != sista.data() + sista.size(); ++o)
        if (över(*o)) return beskriv(*m) + " over " + beskriv(*o);
    for (const CachatObjekt& o : vy.innehållFörAllaSidor)
        if (över(o)) return beskriv(*m) + " over " + beskriv(o);
    return "";
}

}  // namespace

TEST(Meddelandet, StandsInTheLastPagesRoomBelowTheRowsAndOffTheAmounts) {
    const auto bok = prov::bokföring();
    std::vector<std::string> felen;
    for (InbyggdFakturamall mall : allaInbyggdaFakturamallar())
        for (bool följesedel : {false, true}) {
            prov::Faktura faktura;
            faktura.inbyggdFakturamall_ = mall;
            faktura.språk_ = "en";
            FastMätare mätare;
            const double fot = rummetsFot(faktura, *bok, mätare, följesedel);
            faktura.meddelande_ = meddelande;
            // Rows of one line; a first row taller by half of one puts the
            // last row's foot between theirs.
            for (double första : följesedel ? std::vector{14.0} : std::vector{14.0, 20.0})
                for (size_t n = 0;; ++n) {
                    faktura.poster.assign(n, prov::Post{});
                    if (n > 0) faktura.poster[0].artikelnamn_ = "Första";
                    mätare.fasta["Första"] = {40, första};
                    const Fakturavy vy(faktura, *bok, följesedel, mätare);
                    if (std::string f = fel(vy, fot); !f.empty()) {
                        std::ostringstream s;
                        s << kod(mall) << (följesedel ? " delivery note" : "") << ", " << n << " items (first "
                          << första << " high), " << vy.antalSidor() << " pages: " << f;
                        felen.push_back(s.str());
                    }
                    if (vy.antalSidor() > 2) break;
                }
        }
    std::ostringstream alla;
    for (const std::string& f : felen) alla << f << "\n";
    EXPECT_EQ(alla.str(), "");
}

// The templates of the report, and one of another face, in the fullest
// invoice's language: where the message stands lowest on page 1 and on
// page 2, pdftotext reads no word of that page over another.
TEST(Meddelandet, ItsWordsInThePdfStandClearOfTheAmounts) {
    for (const auto& [mall, språk] : {std::pair{"CT1", "de"}, {"CT2", "en"}, {"D", "sv"}}) {
        SCOPED_TRACE(mall);
        Exempelval val = prov::allaUppgifter(mall, språk);
        val.senasteFaktura.antalPoster = 45;
        const auto bok = byggExempelbokföring(val);
        Faktura& faktura = *bok->skickadeFakturor.back();
        faktura.meddelande_ = meddelande;
        // The invoice laid out with its first n items.
        auto alla = std::move(faktura.poster);
        auto medPoster = [&](size_t n) {
            for (size_t i = 0; i < n; ++i) faktura.poster.push_back(std::move(alla[i]));
            auto vy = std::make_unique<Fakturavy>(faktura, *bok, false);
            for (size_t i = 0; i < n; ++i) alla[i] = std::move(faktura.poster[i]);
            faktura.poster.clear();
            return vy;
        };
        std::map<int, std::pair<double, size_t>> lägst;  // by page count: the foot and the items
        for (size_t n = 1; n <= alla.size(); ++n) {
            const auto vy = medPoster(n);
            const auto* m = displaylista::medText(vy->innehållFörVarjeSida.back(), meddelande);
            if (vy->antalSidor() > 2 || !m) break;
            if (auto& [fot, antal] = lägst[vy->antalSidor()]; ram(*m).maxY() > fot) fot = ram(*m).maxY(), antal = n;
        }
        ASSERT_EQ(lägst.size(), 2u);
        for (const auto& [sida, fotOchAntal] : lägst) {
            const auto ord = testhjalp::PdfFil(medPoster(fotOchAntal.second)->pdf()).words();
            for (const auto& [a, b] : pdfkontroll::överlappandeOrd(ord, sida))
                ADD_FAILURE() << fotOchAntal.second << " items: '" << a.text << "' over '" << b.text << "'";
        }
    }
}
