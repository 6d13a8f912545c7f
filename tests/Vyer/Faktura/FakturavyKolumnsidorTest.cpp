// The item rows page by page. One description column whose texts "r1",
// "r2", ... are pinned to the row heights a case needs; the item region
// starts at y 300, so rows start at the row base 312. Expected positions
// are worked out by hand from the page-break rules.
#include "Artikeltabell.h"

#include "Displaylista.h"
#include "Plattform/FontRegistry.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Sidor = std::vector<std::vector<std::string>>;

const Color bandfärg = Color::grey(0.9);

// "band y h", "text y h" or "text y h clip h"; every object spans the
// item region's x (30) and width (535), which is checked as well.
std::string kort(const CachatObjekt& o) {
    Rect r = displaylista::ram(o);
    char ut[200];
    if (auto* t = displaylista::text(o))
        std::snprintf(ut, sizeof ut, "%s %g %g", t->text().c_str(), r.y, r.height);
    else
        std::snprintf(ut, sizeof ut, "band %g %g", r.y, r.height);
    std::string s = ut;
    if (o.clippingRect) {
        std::snprintf(ut, sizeof ut, " clip %g", o.clippingRect->height);
        s += ut;
    }
    return s;
}

class Radsidor : public Artikeltabell {
protected:
    void rader(const std::vector<double>& höjder) {
        faktura.språk_ = "en";  // as the cases spell the continuation lines
        faktura.kolumner_ = {Fakturakolumn::artikelnamn};
        faktura.poster.clear();
        for (size_t i = 0; i < höjder.size(); ++i) {
            std::string namn = "r" + std::to_string(i + 1);
            faktura.poster.push_back(post(namn));
            mätare.fasta[namn] = {30, höjder[i]};
        }
        fästRubriker({10, 12});
    }

    Sidor sidor() {
        Sidor ut;
        for (const auto& sida : vy().innehållFörVarjeSida) {
            ut.emplace_back();
            for (const auto& o : sida) {
                ut.back().push_back(kort(o));
                if (!o.clippingRect) {
                    Rect r = displaylista::ram(o);
                    EXPECT_EQ(r.x, 30) << kort(o);
                    EXPECT_EQ(r.width, 535) << kort(o);
                }
            }
        }
        return ut;
    }
};

struct Sidfall {
    const char* namn;
    std::vector<double> höjder;
    double övrigaSidor;
    double sistaSidan;  // height of the item region
    bool följesedel;
    double radavstånd;
    Sidor väntade;
};

TEST_F(Radsidor, BreakWhereARowWouldLeaveNoRoomForTheContinuationLine) {
    const std::string på2 = "\u2026 continued on page 2", på3 = "\u2026 continued on page 3";
    const std::string från1 = "\u2026 continued from page 1", från2 = "\u2026 continued from page 2";
    const std::vector<Sidfall> fall = {
        {"all fit: bands on rows 1, 3, 5",
         {12, 12, 12, 12, 12}, 100, 200, false, 0,
         {{"band 312 12", "r1 312 12", "r2 324 12", "band 336 12", "r3 336 12", "r4 348 12", "band 360 12",
           "r5 360 12"}}},
        // Row 5 would end at 100 and leave no 15 below: it opens page 2.
        // Page 1 has placed four lines, so its closing line is banded; the
        // head of page 2 always is, and the row after it is not.
        {"first break",
         {20, 20, 20, 20, 20, 20}, 100, 200, false, 0,
         {{"band 312 20", "r1 312 20", "r2 332 20", "band 352 20", "r3 352 20", "r4 372 20", "band 392 15",
           på2 + " 392 15"},
          {"band 312 15", från1 + " 312 15", "r5 327 20", "band 347 20", "r6 347 20"}}},
        {"the last row needs only 3 below it",
         {20, 20, 20, 20, 17}, 100, 200, false, 0,
         {{"band 312 20", "r1 312 20", "r2 332 20", "band 352 20", "r3 352 20", "r4 372 20", "band 392 17",
           "r5 392 17"}}},
        // ... unless the last page's content would not fit below it: the
        // page then ends with a continuation line, which must fit too.
        {"the last row leaves room for a continuation line before the amounts' own page",
         {20, 20, 20, 20, 17}, 100, 60, false, 0,
         {{"band 312 20", "r1 312 20", "r2 332 20", "band 352 20", "r3 352 20", "r4 372 20", "band 392 15",
           på2 + " 392 15"},
          {"band 312 15", från1 + " 312 15", "r5 327 17"}}},
        {"a last row 3 points too tall moves on",
         {20, 20, 20, 20, 18}, 100, 200, false, 0,
         {{"band 312 20", "r1 312 20", "r2 332 20", "band 352 20", "r3 352 20", "r4 372 20", "band 392 15",
           på2 + " 392 15"},
          {"band 312 15", från1 + " 312 15", "r5 327 18"}}},
        // The last row ends 60 below the row base, past the last page's
        // room less 3: the amounts get a page of their own.
        {"last row past the last page's room",
         {20, 20, 20}, 100, 60, false, 0,
         {{"band 312 20", "r1 312 20", "r2 332 20", "band 352 20", "r3 352 20", på2 + " 372 15"},
          {"band 312 15", från1 + " 312 15"}}},
        {"a delivery note's last page has the room of the others",
         {20, 20, 20}, 100, 60, true, 0,
         {{"band 312 20", "r1 312 20", "r2 332 20", "band 352 20", "r3 352 20"}}},
        // Taller than any page: placed once, cut at the page's room, and the
        // amounts follow on a page of their own.
        {"one oversized row",
         {150}, 100, 120, false, 0,
         {{"band 312 150", "r1 312 150 clip 100", på2 + " 400 15"}, {"band 312 15", från1 + " 312 15"}}},
        // Not the last row: cut 15 higher; the next row starts below the cut.
        {"an oversized row before another",
         {150, 30}, 100, 200, false, 0,
         {{"band 312 150", "r1 312 150 clip 85", på2 + " 385 15"},
          {"band 312 15", från1 + " 312 15", "r2 327 30"}}},
        {"three pages",
         {20, 20, 20, 20, 20, 20, 20, 20, 20, 20}, 100, 200, false, 0,
         {{"band 312 20", "r1 312 20", "r2 332 20", "band 352 20", "r3 352 20", "r4 372 20", "band 392 15",
           på2 + " 392 15"},
          {"band 312 15", från1 + " 312 15", "r5 327 20", "band 347 20", "r6 347 20", "r7 367 20", "band 387 15",
           på3 + " 387 15"},
          {"band 312 15", från2 + " 312 15", "r8 327 20", "band 347 20", "r9 347 20", "r10 367 20"}}},
        {"line spacing 2",
         {12, 12, 12}, 100, 200, false, 2,
         {{"band 312 14", "r1 312 14", "r2 326 14", "band 340 14", "r3 340 14"}}},
    };
    for (const auto& c : fall) {
        SCOPED_TRACE(c.namn);
        börjaOm();
        vy(c.följesedel).radavstånd = c.radavstånd;
        rader(c.höjder);
        lägg({30, 300, 535, c.sistaSidan}, c.övrigaSidor, bandfärg);
        EXPECT_EQ(sidor(), c.väntade);
    }
}

TEST_F(Radsidor, BandsAndCutsAreTheRegionsOwn) {
    rader({150, 30});
    lägg({30, 300, 535, 200}, 100, bandfärg);
    const auto& sida1 = sida(1);
    auto* band = std::get_if<cachad::path>(&sida1[0].data);
    ASSERT_TRUE(band);
    EXPECT_EQ(band->fill, bandfärg);
    EXPECT_FALSE(band->stroke);
    EXPECT_FALSE(sida1[0].clippingRect);
    // The cut starts at the top of the region, above the row base.
    EXPECT_EQ(sida1[1].clippingRect, (Rect{30, 300, 535, 85}));
    const auto* fortsättning = displaylista::text(sida1.back());
    EXPECT_EQ(*fortsättning->attributesAt(0), högerställdaDataattribut);
}

TEST_F(Radsidor, NoBandsWithoutAColour) {
    rader({20, 20, 20, 20, 20, 20});
    lägg({30, 300, 535, 200}, 100);
    EXPECT_EQ(sidor(), (Sidor{{"r1 312 20", "r2 332 20", "r3 352 20", "r4 372 20", "\u2026 continued on page 2 392 15"},
                              {"\u2026 continued from page 1 312 15", "r5 327 20", "r6 347 20"}}));
}

// The lines that join the pages say where the table goes on and where it
// came from in the invoice's own language, each with its page number.
TEST_F(Radsidor, ContinuationLinesAreInTheInvoicesLanguage) {
    auto ersatt = [](std::string text, const std::string& sida) {
        auto pos = text.find(sida);
        return pos == std::string::npos ? text : text.replace(pos, sida.size(), "#");
    };
    using Par = std::pair<std::string, std::string>;  // "on page #", "from page #"
    std::map<std::string, Par> texter;
    for (const char* språk : {"da", "de", "en", "es", "fi", "fr", "it", "nl", "no", "nb", "sv"}) {
        SCOPED_TRACE(språk);
        börjaOm();
        rader(std::vector<double>(10, 20));
        faktura.språk_ = språk;
        lägg({30, 300, 535, 200}, 100);
        ASSERT_EQ(vy().innehållFörVarjeSida.size(), 3u);
        auto text = [&](size_t s, bool sista) {
            const auto& objekt = sida(s);
            return displaylista::text(sista ? objekt.back() : objekt.front())->text();
        };
        const std::string på2 = text(1, true), från1 = text(2, false), på3 = text(2, true), från2 = text(3, false);
        for (const std::string& t : {på2, från1, på3, från2}) EXPECT_TRUE(t.starts_with("\u2026 ")) << t;
        // The same wording on every page, with the page's own number.
        EXPECT_NE(på2.find('2'), std::string::npos);
        EXPECT_NE(från1.find('1'), std::string::npos);
        EXPECT_EQ(ersatt(på2, "2"), ersatt(på3, "3"));
        EXPECT_EQ(ersatt(från1, "1"), ersatt(från2, "2"));
        EXPECT_NE(ersatt(på2, "2"), ersatt(från1, "1"));
        texter[språk] = {ersatt(på2, "2"), ersatt(från1, "1")};
    }
    EXPECT_EQ(texter["en"], Par("\u2026 continued on page #", "\u2026 continued from page #"));
    EXPECT_EQ(texter["sv"], Par("\u2026 fortsätter på sida #", "\u2026 fortsättning från sida #"));
    // Both Norwegian codes read alike; every other language has its own.
    EXPECT_EQ(texter["no"], texter["nb"]);
    texter.erase("nb");
    std::set<std::string> olika;
    for (const auto& [språk, par] : texter) olika.insert(par.first), olika.insert(par.second);
    EXPECT_EQ(olika.size(), 2 * texter.size());
}

struct Meddelandefall {
    const char* namn;
    std::vector<double> höjder;
    double sistaSidan;
    std::optional<Size> fäst;  // the message's measured size, when pinned
    Sidor väntade;
};

TEST_F(Radsidor, TheMessageStandsInTheRoomBelowTheLastRow) {
    const std::string m = "Thank you";  // 45 x 12 in the data font
    const std::vector<Meddelandefall> fall = {
        // 160 free below the rows: 312 + 200 - 12 - 80 + 12.
        {"below the rows", {20, 20}, 200, std::nullopt,
         {{"r1 312 20", "r2 332 20", m + " 432 12"}}},
        // 70 high with 60 free: on a page of its own, 85 free there.
        {"too tall for the room left", {20, 20}, 100, Size{100, 70},
         {{"r1 312 20", "r2 332 20", "\u2026 continued on page 2 352 15"},
          {"\u2026 continued from page 1 312 15", m + " 311.5 70"}}},
        // Never taller than the room less a continuation line and a point.
        {"taller than the last page", {20}, 100, Size{100, 500},
         {{"r1 312 20", "\u2026 continued on page 2 332 15"},
          {"\u2026 continued from page 1 312 15", m + " 297.5 84"}}},
        {"an invoice without items", {}, 200, std::nullopt, {{m + " 412 12"}}},
    };
    for (const auto& c : fall) {
        SCOPED_TRACE(c.namn);
        börjaOm();
        rader(c.höjder);
        faktura.meddelande_ = m;
        if (c.fäst) mätare.fasta[m] = *c.fäst;
        lägg({30, 300, 535, c.sistaSidan}, 100);
        EXPECT_EQ(sidor(), c.väntade);
    }
}

TEST_F(Radsidor, TheMessageIsCentredInTheDataFontOnly) {
    rader({20});
    faktura.meddelande_ = "Thank you";
    dataattribut.foregroundColor = Color::rgb(1, 0, 0);
    lägg({30, 300, 535, 200}, 100);
    const auto* text = displaylista::text(*displaylista::medText(sida(1), "Thank you"));
    ParagraphStyle centrerat;
    centrerat.alignment = TextAlignment::center;
    TextAttributes väntade;
    väntade.font = dataattribut.font;
    väntade.paragraphStyle = centrerat;
    EXPECT_EQ(*text->attributesAt(0), väntade);
}

TEST_F(Radsidor, NoMessageOnAUserTemplateOrWhenEmpty) {
    for (bool mall : {true, false}) {
        börjaOm();
        rader({20});
        faktura.meddelande_ = mall ? "Thank you" : "";
        if (mall) vy().mallOchSpråk = "__Mall_sv";
        lägg({30, 300, 535, 200}, 100);
        EXPECT_EQ(sidor(), (Sidor{{"r1 312 20"}})) << mall;
    }
}

// Rooms smaller than a continuation line: every row gets a page of its
// own, and no cut has a negative height.
TEST_F(Radsidor, ARoomSmallerThanAContinuationLineCutsToNothing) {
    rader({20, 20});
    lägg({30, 300, 535, 200}, 10);
    EXPECT_EQ(sidor(), (Sidor{{"r1 312 20 clip 0", "\u2026 continued on page 2 300 15"},
                              {"\u2026 continued from page 1 312 15", "r2 327 20 clip 10"}}));
}

}  // namespace
