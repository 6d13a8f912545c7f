#include "Modell/Loneutbetalning.h"
#include "Modell/SmartMapp.h"
#include "Postprov.h"

#include <gtest/gtest.h>

using namespace postprov;

TEST(SmartMapp, RoundTripsWithThePredicateBytesUntouched) {
    SmartMapp m;
    m.rubrik = "Obetalda från Grossisten";
    m.typ = TypAvSmartMapp::förLeverantörsfakturor;
    m.visaIndikator = true;
    // Any bytes at all: an archive we could not read must survive too.
    m.predikat = Bytes{'b', 'p', 'l', 'i', 's', 't', '0', '0', 0xd4, 0x01, 0x02, 0x00, 0xff};
    auto l = tillOchTillbaka(m);
    EXPECT_EQ(l->rubrik, m.rubrik);
    EXPECT_EQ(l->typ, TypAvSmartMapp::förLeverantörsfakturor);
    EXPECT_TRUE(l->visaIndikator);
    EXPECT_EQ(l->predikat, m.predikat);
    Bytes b = skriv(m);
    EXPECT_EQ(Bygg().i64(2).byte(1).i64(0).bytes(), Bytes(b.end() - 17, b.end()));

    SmartMapp utan;
    utan.rubrik = "";
    auto u = tillOchTillbaka(utan);
    EXPECT_FALSE(u->predikat);
    EXPECT_EQ(skriv(utan), Bygg().text("").data(std::nullopt).i64(0).byte(0).i64(0).bytes());

    m.predikat = Bytes{};
    EXPECT_EQ(tillOchTillbaka(m)->predikat, Bytes{});
}

TEST(SmartMapp, UnknownKindIsADamagedDocument) {
    for (int64_t typ : {int64_t(3), int64_t(-1)}) {
        Bytes b = Bygg().text("R").data(std::nullopt).i64(typ).byte(0).i64(0).bytes();
        EXPECT_THROW(läs<SmartMapp>(b), SkadatDokument) << typ;
    }
    Bytes b = Bygg().text("R").data(std::nullopt).i64(1).byte(5).i64(9).bytes();
    auto m = läs<SmartMapp>(b);
    EXPECT_FALSE(m->visaIndikator);
    EXPECT_EQ(m->typ, TypAvSmartMapp::förFakturor);
    varjeAvklippKastar<SmartMapp>(skriv(*m));
}

TEST(Löneutbetalning, RecordOrderOfTheLastTwoAmountsIsSwapped) {
    Löneutbetalning l;
    l.skattetabell = 33;
    l.datum = Datum(20240425);
    l.bruttolön = dec(35000);
    l.skatt = dec(9800);
    l.arbetsgivaravgift = dec(1099700, -2);
    l.avgift = dec(1);
    l.lönekostnad = dec(2);
    Bytes b = skriv(l);
    EXPECT_EQ(b, Bygg()
                     .i64(33).i64(20240425)
                     .dec(dec(35000)).dec(dec(9800)).dec(dec(1099700, -2))
                     .dec(dec(2)).dec(dec(1))
                     .i64(0)
                     .bytes());
    auto läst = tillOchTillbaka(l);
    EXPECT_TRUE(läst->avgift.identical(dec(1)));
    EXPECT_TRUE(läst->lönekostnad.identical(dec(2)));
    varjeAvklippKastar<Löneutbetalning>(b);

    Bytes utanSkatt = Bygg().i64(33).i64(20240425).dec(dec(1)).dec(std::nullopt).bytes();
    EXPECT_THROW(läs<Löneutbetalning>(utanSkatt), FormatError);
}

TEST(Löneutbetalning, EqualityLeavesOutFeeAndWageCost) {
    Löneutbetalning a;
    a.skattetabell = 33;
    a.datum = Datum(20240425);
    a.bruttolön = dec(35000);
    a.skatt = dec(9800);
    a.arbetsgivaravgift = dec(10997);
    Löneutbetalning b = a;
    b.avgift = dec(5);
    b.lönekostnad = dec(7);
    b.bruttolön = dec(3500000, -2);
    EXPECT_TRUE(a == b);
    for (auto ändra : std::vector<std::function<void(Löneutbetalning&)>>{
             [](Löneutbetalning& x) { x.skattetabell = 34; }, [](Löneutbetalning& x) { x.datum = Datum(20240426); },
             [](Löneutbetalning& x) { x.bruttolön = dec(1); }, [](Löneutbetalning& x) { x.skatt = dec(1); },
             [](Löneutbetalning& x) { x.arbetsgivaravgift = dec(1); }}) {
        Löneutbetalning c = a;
        ändra(c);
        EXPECT_FALSE(a == c);
    }
}
