#include "Modell/Fakturor/Fakturamall.h"
#include "Plattform/Typedstream.h"
#include "Plattform/Typedstreamprov.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes sparat(const Sparbar& objekt) {
    Utström ut;
    objekt.spara(ut);
    return ut.take();
}

template <class T>
T läst(const Bytes& bytes, size_t* kvar = nullptr) {
    Inström in(bytes);
    T t(in, Referenser{});
    if (kvar) *kvar = in.remaining();
    return t;
}

Stil enkelStil() { return Stil(Font{"Helvetica", 12}, TextAlignment::left); }

// Bytes laid out by hand as the body stores them, without our stream
// writer: little-endian 64-bit words, IEEE doubles, and texts and byte
// blocks behind their length (-1 for none).
struct Handlagt {
    Bytes b;
    Handlagt& ord(int64_t v) {
        for (int i = 0; i < 8; ++i) b.push_back(uint8_t(uint64_t(v) >> (8 * i)));
        return *this;
    }
    Handlagt& tal(double v) {
        uint64_t bitar;
        std::memcpy(&bitar, &v, 8);
        return ord(int64_t(bitar));
    }
    Handlagt& block(const std::optional<Bytes>& d) {
        if (!d) return ord(-1);
        ord(int64_t(d->size()));
        b.insert(b.end(), d->begin(), d->end());
        return *this;
    }
    Handlagt& text(const std::optional<std::string>& t) {
        return block(t ? std::optional<Bytes>(Bytes(t->begin(), t->end())) : std::nullopt);
    }
};

// A field record: kind code, font and colour archives, alignment, frame,
// closing word.
Bytes fältpost(std::optional<std::string> kod, const Bytes& typsnitt, std::optional<Bytes> färg, int64_t justering,
               Rect ram) {
    Handlagt h;
    h.text(kod).block(typsnitt).block(färg).ord(justering);
    for (double v : {ram.x, ram.y, ram.width, ram.height}) h.tal(v);
    return h.ord(0).b;
}

Fakturamall exempelmall() {
    Fakturamall mall;
    mall.namn = "Min mall – blå";
    mall.radavstånd = 14.5;
    mall.gammaldagsStränghantering = false;

    Fakturaspråk sv;
    sv.språk = "sv";
    sv.pdfData = Bytes{'%', 'P', 'D', 'F', 0, 1, 2};
    sv.fraser.sätt("_invoice", "FAKTURA");
    sv.fraser.sätt("_1st_reminder", "Påminnelse ①");
    sv.fraser.sätt("_tom", "");
    sv.fält.emplace_back(Rect{1, 2, 3, 4}, Fakturafält::Id::Title,
                         Stil(Font{"Times-Roman", 18}, TextAlignment::center, Color{1, 0, 0, 1}));
    Fakturaspråk en;
    en.språk = "en";
    mall.språk = {sv, en};

    mall.fält.emplace_back(Rect{10.25, 20, 300, 40}, Fakturafält::Id::RecipientAddress, enkelStil());
    mall.fält.emplace_back(Rect{0, 0, 0, 0}, std::nullopt, Stil(Font{"Menlo", 9}, TextAlignment::natural));
    return mall;
}

}  // namespace

TEST(Fakturafalt, ReadsAFieldRecordLaidOutByHand) {
    Bytes post = fältpost("_recipient_address", typedstreamprov::helveticaArchive, typedstreamprov::rgbArchive, 2,
                          Rect{1.5, 2, 100, 20});

    size_t kvar = 99;
    auto fält = läst<Fakturafält>(post, &kvar);
    EXPECT_EQ(kvar, 0u);
    EXPECT_EQ(fält.id, Fakturafält::Id::RecipientAddress);
    EXPECT_EQ(fält.ram, (Rect{1.5, 2, 100, 20}));
    EXPECT_EQ(fält.stil.typsnitt(), (Font{"Helvetica", 12}));
    EXPECT_EQ(fält.stil.färg(), (Color{0.5, 0.25, 0, 1}));
    EXPECT_EQ(fält.stil.justering, TextAlignment::center);
    EXPECT_EQ(sparat(fält), post);
}

TEST(Fakturafalt, UnknownAndAbsentCodesGiveNoKindButKeepTheField) {
    const Bytes& arkiv = typedstreamprov::helveticaArchive;
    for (std::optional<std::string> kod : {std::optional<std::string>("_unknown"), std::optional<std::string>()}) {
        Bytes post = fältpost(kod, arkiv, std::nullopt, 0, Rect{5, 6, 7, 8});
        auto fält = läst<Fakturafält>(post);
        EXPECT_FALSE(fält.id);
        EXPECT_EQ(fält.ram, (Rect{5, 6, 7, 8}));
        EXPECT_FALSE(fält.stil.färg());
        // The unknown code is written back as read, not erased.
        EXPECT_EQ(sparat(fält), post);
    }
}

TEST(Stil, UndecodableArchivesFallBackAndAreWrittenBackUnchanged) {
    Bytes skräpTypsnitt = text("inte ett arkiv");
    Bytes skräpFärg = {0x04, 0x0B, 0x00};
    Utström ut;
    ut.writeData(skräpTypsnitt);
    ut.writeData(skräpFärg);
    ut.writeInt64(7);  // an alignment outside the known five is kept too
    Bytes post = ut.take();

    auto stil = läst<Stil>(post);
    EXPECT_TRUE(stil.typsnittErsatt());
    EXPECT_EQ(stil.typsnitt(), Font::standard());
    EXPECT_TRUE(stil.färgErsatt());
    EXPECT_EQ(stil.färg(), Color::black());
    EXPECT_EQ(static_cast<int64_t>(stil.justering), 7);
    EXPECT_EQ(sparat(stil), post);
}

TEST(Stil, AFontThatIsStoredAsNoneIsABrokenRecord) {
    Utström ut;
    ut.writeData(std::nullopt);
    ut.writeData(std::nullopt);
    ut.writeInt64(0);
    Bytes post = ut.take();
    EXPECT_THROW(läst<Stil>(post), FormatError);
}

TEST(Stil, AttributesHoldParagraphStyleAndColourOnlyWhenSet) {
    auto vänster = Stil(Font{"Helvetica", 12}, TextAlignment::left).attribut();
    EXPECT_EQ(vänster.count(), 1u);
    EXPECT_EQ(vänster.font, (Font{"Helvetica", 12}));

    auto centrerad = Stil(Font{"Helvetica", 12}, TextAlignment::center, Color{0, 0, 1, 1}).attribut();
    EXPECT_EQ(centrerad.count(), 3u);
    EXPECT_EQ(centrerad.paragraphStyle->alignment, TextAlignment::center);
    EXPECT_EQ(centrerad.foregroundColor, (Color{0, 0, 1, 1}));

    auto naturlig = Stil(Font{"Helvetica", 12}, TextAlignment::natural).attribut();
    EXPECT_EQ(naturlig.count(), 2u);
}

TEST(Fakturasprak, EmptyPhraseTableWritesCountThenClosingWord) {
    Fakturaspråk språk;
    språk.språk = "en";
    Utström väntat;
    väntat.writeData(std::nullopt);
    väntat.writeString("en");
    väntat.writeInt64(0);  // fields
    väntat.writeInt64(0);  // phrases
    väntat.writeInt64(0);  // closing word
    EXPECT_EQ(sparat(språk), väntat.bytes());
}

TEST(Fakturasprak, ARepeatedPhraseKeepsTheLaterValue) {
    Utström ut;
    ut.writeData(std::nullopt);
    ut.writeString("sv");
    ut.writeInt64(0);
    ut.writeInt64(3);
    for (const char* s : {"_invoice", "A", "_title", "B", "_invoice", "C"}) ut.writeString(std::string(s));
    ut.writeInt64(0);
    auto språk = läst<Fakturaspråk>(ut.bytes());
    ASSERT_EQ(språk.fraser.size(), 2u);
    EXPECT_EQ(*språk.fraser.värde("_invoice"), "C");
    EXPECT_EQ(språk.fraser.begin()->first, "_invoice");  // keeps its first place
    EXPECT_EQ(språk.fraser.värde("_saknas"), nullptr);
}

TEST(Fakturamall, RoundTripsByteForByte) {
    Fakturamall mall = exempelmall();
    Bytes första = sparat(mall);
    size_t kvar = 99;
    auto åter = läst<Fakturamall>(första, &kvar);
    EXPECT_EQ(kvar, 0u);
    EXPECT_EQ(sparat(åter), första);

    EXPECT_EQ(åter.namn, "Min mall – blå");
    EXPECT_EQ(åter.radavstånd, 14.5);
    EXPECT_FALSE(åter.gammaldagsStränghantering);
    ASSERT_EQ(åter.språk.size(), 2u);
    EXPECT_EQ(åter.språk[0].pdfData, mall.språk[0].pdfData);
    EXPECT_EQ(åter.språk[0].fraser, mall.språk[0].fraser);
    EXPECT_EQ(*åter.språk[0].fraser.värde("_tom"), "");
    ASSERT_EQ(åter.språk[0].fält.size(), 1u);
    EXPECT_EQ(åter.språk[0].fält[0].stil.färg(), (Color{1, 0, 0, 1}));
    EXPECT_FALSE(åter.språk[1].pdfData);
    ASSERT_EQ(åter.fält.size(), 2u);
    EXPECT_EQ(åter.fält[0].id, Fakturafält::Id::RecipientAddress);
    EXPECT_EQ(åter.fält[0].ram, (Rect{10.25, 20, 300, 40}));
    EXPECT_FALSE(åter.fält[1].id);
    EXPECT_EQ(åter.fält[1].stil.typsnitt(), (Font{"Menlo", 9}));

    // The tail of the record: marker 2, the float as held, flag, closing 0.
    Utström svans;
    svans.writeInt64(2);
    svans.writeFloat64(14.5);
    svans.writeByte(false);
    svans.writeInt64(0);
    ASSERT_GE(första.size(), svans.bytes().size());
    EXPECT_TRUE(std::equal(svans.bytes().begin(), svans.bytes().end(), första.end() - svans.bytes().size()));
}

TEST(Fakturamall, ReadsEveryVersionOfTheRecord) {
    auto huvud = [] {
        Utström ut;
        ut.writeInt64(0);  // languages
        ut.writeInt64(0);  // fields
        ut.writeString("Gammal");
        return ut;
    };
    const uint8_t efter = 0xEE;  // a byte of the next record, which must stay unread

    struct Fall {
        int64_t markör;
        std::optional<double> radavstånd;
        std::optional<uint8_t> flagga;
        bool väntatFlagga;
        double väntatRadavstånd;
    };
    const Fall fall[] = {
        {2, 12.0, 1, true, 12.0},
        {2, 0.5, 0, false, 0.5},
        {2, 3.0, 2, false, 3.0},  // only 1 is true
        {1, std::nullopt, 1, true, 0},
        {1, std::nullopt, 0, false, 0},
        {0, std::nullopt, std::nullopt, true, 0},
        {5, std::nullopt, std::nullopt, true, 0},  // an unknown marker is an older record's closing word
    };
    for (const auto& f : fall) {
        SCOPED_TRACE(f.markör);
        Utström ut = huvud();
        ut.writeInt64(f.markör);
        if (f.radavstånd) ut.writeFloat64(*f.radavstånd);
        if (f.flagga) {
            ut.u8(*f.flagga);
            ut.writeInt64(0);
        }
        ut.u8(efter);
        size_t kvar = 0;
        auto mall = läst<Fakturamall>(ut.bytes(), &kvar);
        EXPECT_EQ(kvar, 1u);
        EXPECT_EQ(mall.namn, "Gammal");
        EXPECT_EQ(mall.radavstånd, f.väntatRadavstånd);
        EXPECT_EQ(mall.gammaldagsStränghantering, f.väntatFlagga);

        // Saved again, the record takes the current form with the same values.
        auto igen = läst<Fakturamall>(sparat(mall));
        EXPECT_EQ(igen.radavstånd, mall.radavstånd);
        EXPECT_EQ(igen.gammaldagsStränghantering, mall.gammaldagsStränghantering);
    }
}

TEST(Fakturamall, BrokenRecordsAreRefused) {
    Bytes giltig = sparat(exempelmall());
    // Every truncation fails with a format error, never reads past the end.
    for (size_t n = 0; n < giltig.size(); ++n) {
        Bytes del(giltig.begin(), giltig.begin() + n);
        EXPECT_THROW(läst<Fakturamall>(del), FormatError) << n;
    }

    auto medAntal = [](int64_t språk, int64_t fält) {
        Utström ut;
        ut.writeInt64(språk);
        ut.writeInt64(fält);
        ut.writeString("x");
        ut.writeInt64(0);
        return ut.take();
    };
    EXPECT_THROW(läst<Fakturamall>(medAntal(-1, 0)), FormatError);
    EXPECT_THROW(läst<Fakturamall>(medAntal(0, -1)), FormatError);
    EXPECT_THROW(läst<Fakturamall>(medAntal(1'000'000, 0)), FormatError);

    Utström ogiltigText;
    ogiltigText.writeInt64(0);
    ogiltigText.writeInt64(0);
    ogiltigText.writeData(Bytes{0xC3, 0x28});
    ogiltigText.writeInt64(0);
    EXPECT_THROW(läst<Fakturamall>(ogiltigText.bytes()), FormatError);

    Utström negativaFraser;
    negativaFraser.writeData(std::nullopt);
    negativaFraser.writeString("sv");
    negativaFraser.writeInt64(0);
    negativaFraser.writeInt64(-1);
    negativaFraser.writeInt64(0);
    EXPECT_THROW(läst<Fakturaspråk>(negativaFraser.bytes()), FormatError);
}

TEST(Fakturamall, LanguageVersionForLayoutFallsBackToTheFirst) {
    Fakturamall mall = exempelmall();
    EXPECT_EQ(mall.språkversion("en"), &mall.språk[1]);
    EXPECT_EQ(mall.språkversion("de"), &mall.språk[0]);
    EXPECT_EQ(Fakturamall{}.språkversion("sv"), nullptr);
}
