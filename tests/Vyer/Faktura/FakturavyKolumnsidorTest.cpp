// The item rows page by page. One description column whose texts "r1",
// "r2", ... are pinned to the row heights a case needs, and rows no page
// holds made of lines "l01", "l02", ... of the data font, 12 points each;
// the item region starts at y 300, so rows start at the row base 312.
// Expected positions are worked out by hand from the page-break rules.
#include "Artikeltabell.h"

#include "Displaylista.h"
#include "Plattform/Ritning/FontRegistry.h"

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using Sidor = std::vector<std::vector<std::string>>;

const Color bandfärg = Color::grey(0.9);

// "band y h" or "text y h"; every object spans the item region's x (30)
// and width (535), which is checked as well.
std::string kort(const CachatObjekt& o) {
    Rect r = displaylista::ram(o);
    char ut[200];
    if (auto* t = displaylista::text(o))
        std::snprintf(ut, sizeof ut, "%s %g %g", t->text().c_str(), r.y, r.height);
    else
        std::snprintf(ut, sizeof ut, "band %g %g", r.y, r.height);
    return ut;
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
                EXPECT_FALSE(o.clippingRect) << kort(o);
                Rect r = displaylista::ram(o);
                EXPECT_EQ(r.x, 30) << kort(o);
                EXPECT_EQ(r.width, 535) << kort(o);
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
        // One line taller than any page cannot be cut: it stands whole where
        // it starts, and the next row goes on the next page.
        {"a line taller than any page",
         {150, 30}, 100, 200, false, 0,
         {{"band 312 150", "r1 312 150", på2 + " 462 15"},
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

TEST_F(Radsidor, BandsAreTheRegionsOwn) {
    rader({20, 30, 50});
    lägg({30, 300, 535, 200}, 100, bandfärg);
    ASSERT_EQ(vy().innehållFörVarjeSida.size(), 2u);
    const auto& sida1 = sida(1);
    auto* band = std::get_if<cachad::path>(&sida1[0].data);
    ASSERT_TRUE(band);
    EXPECT_EQ(band->fill, bandfärg);
    EXPECT_FALSE(band->stroke);
    for (const auto& o : sida1) EXPECT_FALSE(o.clippingRect) << kort(o);
    // The continuation lines are set right-aligned in the data font.
    ASSERT_NE(dataattribut, högerställdaDataattribut);
    for (const CachatObjekt* o : {&sida1.back(), &sida(2)[1]}) {
        const auto* fortsättning = displaylista::text(*o);
        ASSERT_TRUE(fortsättning);
        EXPECT_TRUE(fortsättning->text().starts_with("\u2026 continued")) << fortsättning->text();
        EXPECT_EQ(*fortsättning->attributesAt(0), högerställdaDataattribut);
    }
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

// "l01\nl02\n..." up to line `till`: one line each of the data font.
std::string radtext(const char* förled, int från, int till) {
    std::string ut;
    for (int i = från; i <= till; ++i) {
        char rad[16];
        std::snprintf(rad, sizeof rad, "%s%02d", förled, i);
        ut += rad + std::string(i < till ? "\n" : "");
    }
    return ut;
}

// "text y h" of a page's cells and lines, a text of several lines read as
// its first and last ("l01..l05").
std::vector<std::string> kortaRader(const std::vector<CachatObjekt>& sida) {
    std::vector<std::string> ut;
    for (const auto& o : sida) {
        std::string s = kort(o);
        if (const auto* t = displaylista::text(o); t && t->text().find('\n') != std::string::npos) {
            const std::string& text = t->text();
            const size_t slut = text.find_last_not_of('\n');
            const std::string rest = s.substr(s.rfind(' ', s.rfind(' ') - 1));
            s = text.substr(0, text.find('\n')) + ".." + text.substr(text.rfind('\n', slut) + 1, 3) + rest;
        }
        ut.push_back(s);
    }
    return ut;
}

// A row no page holds starts in the room left where the rows reached and
// goes on over as many pages as it needs, each taking the lines that leave
// room for a continuation line; the bands go on alternating, and the row
// after it follows its last part.
TEST_F(Radsidor, ARowNoPageHoldsGoesOnBetweenItsLines) {
    const std::string på2 = "\u2026 continued on page 2", på3 = "\u2026 continued on page 3",
                      på4 = "\u2026 continued on page 4";
    const std::string från1 = "\u2026 continued from page 1", från2 = "\u2026 continued from page 2",
                      från3 = "\u2026 continued from page 3";
    faktura.språk_ = "en";
    faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    const std::string lång = radtext("l", 1, 20);
    faktura.poster = {post("r1"), post(lång), post("r3")};
    mätare.fasta["r1"] = mätare.fasta["r3"] = {30, 20};
    fästRubriker({10, 12});
    lägg({30, 300, 535, 200}, 100, bandfärg);
    const auto& sidor = vy().innehållFörVarjeSida;
    ASSERT_EQ(sidor.size(), 4u);
    // 65 points below r1 hold five lines, 70 below a continuation line too.
    EXPECT_EQ(kortaRader(sidor[0]), (std::vector<std::string>{"band 312 20", "r1 312 20", "l01..l05 332 60",
                                                              "band 392 15", på2 + " 392 15"}));
    EXPECT_EQ(kortaRader(sidor[1]), (std::vector<std::string>{"band 312 15", från1 + " 312 15", "l06..l10 327 60",
                                                              "band 387 15", på3 + " 387 15"}));
    EXPECT_EQ(kortaRader(sidor[2]), (std::vector<std::string>{"band 312 15", från2 + " 312 15", "l11..l15 327 60",
                                                              "band 387 15", på4 + " 387 15"}));
    EXPECT_EQ(kortaRader(sidor[3]), (std::vector<std::string>{"band 312 15", från3 + " 312 15", "l16..l20 327 60",
                                                              "band 387 20", "r3 387 20"}));
    // Every line once, in order.
    std::string ihop;
    for (const auto& sida : sidor)
        for (const auto& o : sida)
            if (const auto* t = displaylista::text(o); t && t->text().starts_with("l")) ihop += t->text();
    EXPECT_EQ(ihop, lång);
}

// Each tall cell is cut at the page break between its own lines; a cell
// that fits stays whole on the first part, and every cell of a part
// shares its band.
TEST_F(Radsidor, EveryCellOfARowIsCutAtTheSameBreakAndShortOnesStayOnTheFirstPart) {
    faktura.språk_ = "en";
    faktura.kolumner_ = {Fakturakolumn::artikelnamn, Fakturakolumn::kommentar, Fakturakolumn::antal};
    prov::Post p = post(radtext("a", 1, 12));
    p.kommentar_ = radtext("k", 1, 30);
    faktura.poster = {p};
    fästRubriker({10, 12});
    lägg({30, 300, 535, 200}, 100);
    const auto& sidor = vy().innehållFörVarjeSida;
    // Seven lines on the first page, five on each after it.
    ASSERT_EQ(sidor.size(), 6u);
    const double höjder[] = {84, 60, 60, 60, 60, 36};
    auto celler = [&](size_t sida) {
        std::vector<std::string> ut;
        for (const auto& o : sidor[sida])
            if (const auto* t = displaylista::text(o); t && !t->text().starts_with("\u2026")) {
                const std::string& text = t->text();
                const size_t sista = text.find_last_not_of('\n');
                ut.push_back(text.size() < 3 ? text : text.substr(0, 3) + ".." + text.substr(sista - 2, 3));
                EXPECT_EQ(displaylista::ram(o).y, sida == 0 ? 312 : 327) << text;
                EXPECT_EQ(displaylista::ram(o).height, höjder[sida]) << text;
            }
        return ut;
    };
    EXPECT_EQ(celler(0), (std::vector<std::string>{"a01..a07", "k01..k07", "1"}));
    EXPECT_EQ(celler(1), (std::vector<std::string>{"a08..a12", "k08..k12"}));
    EXPECT_EQ(celler(2), (std::vector<std::string>{"k13..k17"}));
    EXPECT_EQ(celler(5), (std::vector<std::string>{"k28..k30"}));
}

// No more pages than an invoice may have: a row of one line a page past
// that fails the layout instead of leaving lines out.
TEST_F(Radsidor, ARowThatWouldPassThePageLimitFailsTheLayout) {
    faktura.språk_ = "en";
    faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    // 27 points hold two lines on the first page, 12 one on each after it.
    faktura.poster = {post(radtext("l", 1, int(högstaAntalSidor) + 2))};
    fästRubriker({10, 12});
    try {
        lägg({30, 300, 535, 200}, 42);
        ADD_FAILURE() << "laid out on " << vy().antalSidor() << " pages";
    } catch (const Layoutfel& fel) {
        EXPECT_EQ(std::string(fel.what()), "Invoice " + faktura.nummer() +
                                               " cannot be laid out: its items would take more than " +
                                               std::to_string(högstaAntalSidor) + " pages.");
    }
    börjaOm();
    faktura.språk_ = "en";
    faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    faktura.poster = {post(radtext("l", 1, int(högstaAntalSidor) + 1))};
    fästRubriker({10, 12});
    lägg({30, 300, 535, 200}, 42);
    EXPECT_EQ(vy().antalSidor(), int(högstaAntalSidor));
}

// A row taller than the page limit holds is counted only that far: the
// layout fails before any of its lines is kept or any page made of them.
TEST_F(Radsidor, ARowTallerThanThePageLimitHoldsFailsBeforeItsLinesAreKept) {
    faktura.språk_ = "en";
    faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    // 12 points a line, at most 42 a page.
    const int rader = int(högstaAntalSidor) * 42 / 12 + 1;
    faktura.poster = {post(radtext("l", 1, rader))};
    fästRubriker({10, 12});
    EXPECT_THROW(lägg({30, 300, 535, 200}, 42), Layoutfel);
    EXPECT_LT(mätare.flestRader, 10u);
}

struct Meddelandefall {
    const char* namn;
    std::vector<double> höjder;
    double sistaSidan;
    std::optional<Size> fäst;  // the message's measured size, when pinned
    Sidor väntade;
};

// The message stands below the last row, centred in the free room (top:
// row base + H - h - free / 2 + 12), and on a new last page where the free
// room is lower than it; it ends above what the last page sets below the
// rows (meddelandetsFot) where centred it would not.
TEST_F(Radsidor, TheMessageStandsInTheRoomBelowTheLastRow) {
    const std::string m = "Thank you";  // 45 x 12 in the data font
    const std::string från1 = "\u2026 continued from page 1 312 15", på2 = "\u2026 continued on page 2";
    const std::vector<Meddelandefall> fall = {
        // 160 free below the rows: 312 + 200 - 12 - 80 + 12.
        {"below the rows", {20, 20}, 200, std::nullopt, {{"r1 312 20", "r2 332 20", m + " 432 12"}}},
        // 20 free: 312 + 100 - 12 - 10 + 12.
        {"near the room's foot", {20, 20, 20, 20}, 100, std::nullopt,
         {{"r1 312 20", "r2 332 20", "r3 352 20", "r4 372 20", m + " 402 12"}}},
        // 8 free, 12 high: on a new last page, centred in its 85 free.
        {"no room for it", {20, 20, 20, 20, 12}, 100, std::nullopt,
         {{"r1 312 20", "r2 332 20", "r3 352 20", "r4 372 20", "r5 392 12", på2 + " 404 15"},
          {från1, m + " 369.5 12"}}},
        // Centred it would start at 284, over the row.
        {"a tall message starts below the last row", {20}, 200, Size{100, 150},
         {{"r1 312 20", m + " 332 150"}}},
        // 70 high with 60 free: on a new last page, below its continuation
        // line rather than centred over it at 311.5.
        {"too tall for the room left", {20, 20}, 100, Size{100, 70},
         {{"r1 312 20", "r2 332 20", på2 + " 352 15"}, {från1, m + " 327 70"}}},
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
    // Centred it would end at 414, on the amounts at 410.
    börjaOm();
    rader({20, 20, 20, 20});
    faktura.meddelande_ = m;
    lägg({30, 300, 535, 100}, 100, std::nullopt, nullptr, false, 410);
    EXPECT_EQ(sidor(), (Sidor{{"r1 312 20", "r2 332 20", "r3 352 20", "r4 372 20", m + " 398 12"}}));
}

// A message no last page holds is cut to what one holds below its
// continuation line, 100 - 3 - 15: six lines of 12, the sixth ending in an
// ellipsis.
TEST_F(Radsidor, AMessageTallerThanAPageIsCutVisibly) {
    rader({20});
    faktura.meddelande_ = radtext("m", 1, 30);
    lägg({30, 300, 535, 100}, 100);
    EXPECT_EQ(sidor(), (Sidor{{"r1 312 20", "\u2026 continued on page 2 332 15"},
                              {"\u2026 continued from page 1 312 15",
                               "m01\nm02\nm03\nm04\nm05\nm06\u2026 327 82"}}));
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

// A row of empty texts taller than any page has no line to cut: it stands
// where it starts, like a line taller than any page, and the next row goes
// on the next page.
TEST_F(Radsidor, ARowOfEmptyTextsTallerThanAnyPageStandsWhole) {
    faktura.språk_ = "en";
    faktura.kolumner_ = {Fakturakolumn::artikelnamn};
    faktura.poster = {post("r1"), post(""), post("r3")};
    mätare.fasta["r1"] = mätare.fasta["r3"] = {30, 20};
    mätare.fasta[""] = {30, 150};
    fästRubriker({10, 12});
    lägg({30, 300, 535, 200}, 100);
    EXPECT_EQ(sidor(), (Sidor{{"r1 312 20", "\u2026 continued on page 2 482 15"},
                              {"\u2026 continued from page 1 312 15", "r3 327 20"}}));
}

// Rooms smaller than a continuation line: every row gets a page of its
// own, whole.
TEST_F(Radsidor, ARoomSmallerThanAContinuationLineStillShowsEveryRow) {
    rader({20, 20});
    lägg({30, 300, 535, 200}, 10);
    EXPECT_EQ(sidor(), (Sidor{{"r1 312 20", "\u2026 continued on page 2 332 15"},
                              {"\u2026 continued from page 1 312 15", "r2 327 20"}}));
}

}  // namespace
