#include "Fillagring.h"

#include "Komprimering.h"

#include <gtest/gtest.h>

#include <random>

namespace {

Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }

// An LZFSE stream of one uncompressed block, built from the format alone so
// that these tests do not depend on the encoder.
Bytes råStröm(const Bytes& kropp) {
    ByteWriter w;
    w.append(text("bvx-"));
    w.u32(static_cast<uint32_t>(kropp.size()));
    w.append(kropp);
    w.append(text("bvx$"));
    return w.take();
}

Bytes minimalFörhandsvisning() {
    ByteWriter w;
    w.i64(-1);  // no logo
    w.i64(0);   // name ""
    w.i64(0);   // organisation number ""
    w.i64(0);   // no latest entry
    w.i64(0);   // no sent invoice
    return w.take();
}

struct Delar {
    uint32_t magi = bokfilensMagiskaTal;
    uint32_t version = 76000;
    int64_t kroppslängd = 5;
    std::optional<int64_t> förhandslängd;  // the real length when not given
    Bytes förhandsvisning = minimalFörhandsvisning();
    Bytes ström = råStröm(text("hello"));
};

Bytes bygg(const Delar& d) {
    ByteWriter w;
    w.u32(d.magi);
    w.u32(d.version);
    w.i64(d.kroppslängd);
    w.i64(d.förhandslängd.value_or(static_cast<int64_t>(d.förhandsvisning.size())));
    w.append(d.förhandsvisning);
    w.append(d.ström);
    return w.take();
}

Bytes första(const Bytes& b, size_t n) { return Bytes(b.begin(), b.begin() + static_cast<long>(n)); }

std::optional<Filformatsfel> felVidLäsning(std::span<const uint8_t> fil) {
    try {
        läsBokfil(fil);
        return std::nullopt;
    } catch (const FilformatsfelUndantag& e) {
        return e.fall;
    }
}

}  // namespace

TEST(Fillagring, MinimalFileHasTheKnownHeaderAndPreviewBytes) {
    Bytes fil = skrivBokfil(versionSomSkrivs, text("abc"), Förhandsvisning{});
    const Bytes väntat = {
        0x89, 0xF3, 0x31, 0x01, 0xE0, 0x28, 0x01, 0x00,  // magic, version 76000
        0x03, 0, 0, 0, 0, 0, 0, 0,                       // body length
        0x28, 0, 0, 0, 0, 0, 0, 0,                       // preview length 40
        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,  // no logo
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // name, organisation number
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  // date, ordinal
    };
    ASSERT_GT(fil.size(), väntat.size());
    EXPECT_EQ(första(fil, väntat.size()), väntat);

    Bokfil läst = läsBokfil(fil);
    EXPECT_EQ(läst.version, 76000u);
    EXPECT_EQ(läst.kropp, text("abc"));
    EXPECT_FALSE(läst.logotyp);
}

TEST(Fillagring, PreviewFieldsAndLogoBytesComeBackVerbatim) {
    Förhandsvisning f;
    f.logotyp = Bytes{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0xFF};
    f.namn = "Åkeri & Söner AB";
    f.organisationsnummer = "556677-8899";
    f.senasteVerifikationsdatum = 20240315;
    f.störstaFakturaordningstal = -42;  // hash ordinals can be negative
    Bytes kropp(70000);
    std::mt19937 slump(7);
    for (auto& b : kropp) b = static_cast<uint8_t>(slump());

    Bytes fil = skrivBokfil(12345, kropp, f);
    Bokfil läst = läsBokfil(fil);
    EXPECT_EQ(läst.version, 12345u);
    EXPECT_EQ(läst.kropp, kropp);
    EXPECT_EQ(läst.logotyp, f.logotyp);

    Bokfilshuvud h = läsBokfilshuvud(fil);
    EXPECT_EQ(h.kroppslängd, 70000);
    Förhandsvisning g = läsFörhandsvisning(h.förhandsvisning);
    EXPECT_EQ(g.logotyp, f.logotyp);
    EXPECT_EQ(g.namn, f.namn);
    EXPECT_EQ(g.organisationsnummer, f.organisationsnummer);
    EXPECT_EQ(g.senasteVerifikationsdatum, f.senasteVerifikationsdatum);
    EXPECT_EQ(g.störstaFakturaordningstal, -42);

    // A present but empty logo stays present.
    f.logotyp = Bytes{};
    EXPECT_EQ(läsBokfil(skrivBokfil(1, kropp, f)).logotyp, Bytes{});
}

TEST(Fillagring, WriterRefusesWhatCouldNotBeReadBack) {
    EXPECT_THROW(skrivBokfil(versionSomSkrivs, Bytes{}, Förhandsvisning{}), Sparfel);
}

TEST(Fillagring, ChecksRunInOrderAndRefuseWithTheRightCase) {
    using F = Filformatsfel;
    auto med = [](auto ändra) {
        Delar d;
        ändra(d);
        return bygg(d);
    };
    Bytes giltig = bygg(Delar{});
    struct Fall {
        const char* namn;
        Bytes fil;
        std::optional<F> väntat;
    } fall[] = {
        {"valid", giltig, std::nullopt},
        {"version 76999", med([](Delar& d) { d.version = 76999; }), std::nullopt},
        {"version 0", med([](Delar& d) { d.version = 0; }), std::nullopt},
        {"version 77000", med([](Delar& d) { d.version = 77000; }), F::förGammalVersion},
        {"version above 2^31", med([](Delar& d) { d.version = 0xFFFFFFFF; }), F::förGammalVersion},
        {"bad magic before bad version", med([](Delar& d) { d.magi = 1; d.version = 77000; }),
         F::inteEnBokföringsfilFrånVersion7},
        {"empty file", Bytes{}, F::inteEnBokföringsfilFrånVersion7},
        {"three bytes", första(giltig, 3), F::inteEnBokföringsfilFrånVersion7},
        {"magic alone", första(giltig, 4), F::inteEnBokföringsfilFrånVersion7},
        {"header cut after version", första(giltig, 8), F::inteEnBokföringsfilFrånVersion7},
        {"new version cut after version", första(med([](Delar& d) { d.version = 80000; }), 8), F::förGammalVersion},
        {"header cut inside lengths", första(giltig, 23), F::inteEnBokföringsfilFrånVersion7},
        {"negative body length", med([](Delar& d) { d.kroppslängd = -1; }), F::kundeIntePackaUpp},
        {"zero body length", med([](Delar& d) { d.kroppslängd = 0; }), F::kundeIntePackaUpp},
        {"body length above the cap", med([](Delar& d) { d.kroppslängd = störstaKropp + 1; }), F::kundeIntePackaUpp},
        {"body length 2^63-1", med([](Delar& d) { d.kroppslängd = INT64_MAX; }), F::kundeIntePackaUpp},
        {"negative preview length", med([](Delar& d) { d.förhandslängd = -1; }), F::kundeIntePackaUpp},
        {"preview past the end", med([](Delar& d) { d.förhandslängd = 1000; }), F::kundeIntePackaUpp},
        {"empty preview", med([](Delar& d) { d.förhandsvisning = {}; }), F::kundeIntePackaUpp},
        {"logo past the preview", med([](Delar& d) { d.förhandsvisning = {9, 0, 0, 0, 0, 0, 0, 0, 1}; }),
         F::kundeIntePackaUpp},
        {"preview holding only the logo", med([](Delar& d) { d.förhandsvisning = {1, 0, 0, 0, 0, 0, 0, 0, 7}; }),
         std::nullopt},
        {"no body", med([](Delar& d) { d.ström = {}; }), F::kundeIntePackaUpp},
        {"body not a stream", med([](Delar& d) { d.ström = text("PK\3\4 not lzfse"); }), F::kundeIntePackaUpp},
        {"body shorter than stored", med([](Delar& d) { d.kroppslängd = 9; }), F::kundeIntePackaUpp},
        {"body longer than stored", med([](Delar& d) { d.kroppslängd = 3; }), F::kundeIntePackaUpp},
    };
    for (const auto& f : fall) EXPECT_EQ(felVidLäsning(f.fil), f.väntat) << f.namn;
}

TEST(Fillagring, CutOrFlippedFilesAreRefusedOrReadNeverOverRead) {
    Förhandsvisning f;
    f.logotyp = text("%PDF-1.4 logo");
    f.namn = "Bolaget";
    Bytes kropp;
    for (int i = 0; i < 300; ++i) kropp.push_back(static_cast<uint8_t>(i * 7 % 13));
    for (const Bytes& fil : {skrivBokfil(76000, kropp, f), bygg(Delar{})}) {
        for (size_t n = 0; n < fil.size(); ++n) {
            // Each cut is copied to a block of its own size, so an over-read
            // shows under the address sanitizer.
            Bytes kort = första(fil, n);
            EXPECT_TRUE(felVidLäsning(kort)) << "cut at " << n;
        }
        for (size_t i = 0; i < fil.size(); ++i) {
            for (uint8_t mask : {0x01, 0x80, 0xFF}) {
                Bytes ändrad = fil;
                ändrad[i] ^= mask;
                try {
                    Bokfil b = läsBokfil(ändrad);
                    EXPECT_EQ(b.kropp.size(), static_cast<size_t>(läsBokfilshuvud(ändrad).kroppslängd));
                } catch (const FilformatsfelUndantag&) {
                }
            }
        }
    }
}

TEST(Fillagring, TheBodyReadWhileItDecodesIsTheDecodedBody) {
    Bytes kropp = text(std::string(300'000, 'x') + "slut");
    Delar d;
    d.kroppslängd = static_cast<int64_t>(kropp.size());
    d.ström = komprimerad(kropp);
    Bytes fil = bygg(d);
    Bokfilsläsare läsare(fil);
    EXPECT_EQ(läsare.version(), 76000u);
    auto början = läsare.kropp().take(10);
    EXPECT_EQ(Bytes(början.begin(), början.end()), text("xxxxxxxxxx"));
    läsare.läsKlart();

    // Damage past what was read shows when the rest is proved.
    Bytes skadad = fil;
    skadad[skadad.size() - 2] ^= 0xFF;  // the end marker
    Bokfilsläsare läsare2(skadad);
    läsare2.kropp().take(10);
    try {
        läsare2.läsKlart();
        FAIL() << "a damaged end marker was accepted";
    } catch (const FilformatsfelUndantag& e) {
        EXPECT_EQ(e.fall, Filformatsfel::kundeIntePackaUpp);
    }
}

namespace {

// A stream of raw blocks of 64 KiB, whose input is taken a block at a time.
Bytes råaBlock(const Bytes& kropp) {
    ByteWriter w;
    for (size_t från = 0; från < kropp.size(); från += 1 << 16) {
        Bytes del(kropp.begin() + long(från), kropp.begin() + long(std::min(kropp.size(), från + (1 << 16))));
        w.append(text("bvx-"));
        w.u32(static_cast<uint32_t>(del.size()));
        w.append(del);
    }
    w.append(text("bvx$"));
    return w.take();
}

}  // namespace

// The reader tells its owner which leading bytes of the file it is done
// with; an owner that overwrites them at once must not change what is read.
TEST(Fillagring, BytesReportedAsReadAreNeverReadAgain) {
    std::mt19937 slump(7);
    Bytes kropp(3 << 20);
    for (auto& b : kropp) b = static_cast<uint8_t>(slump());
    Delar d;
    d.kroppslängd = static_cast<int64_t>(kropp.size());
    d.ström = råaBlock(kropp);
    Bytes fil = bygg(d);
    const uint8_t* kroppensStart = fil.data() + (fil.size() - d.ström.size());

    const uint8_t* senast = fil.data();
    size_t anrop = 0;
    Bokfilsläsare läsare(fil, [&](const uint8_t* lästFöre) {
        EXPECT_GT(lästFöre, senast);
        EXPECT_GE(lästFöre, kroppensStart);
        EXPECT_LE(lästFöre, fil.data() + fil.size());
        std::fill(fil.data(), const_cast<uint8_t*>(lästFöre), uint8_t{0xA5});
        senast = lästFöre;
        ++anrop;
    });
    Bytes läst;
    while (läsare.kropp().remaining() > 0) {
        auto del = läsare.kropp().take(std::min<size_t>(5000, läsare.kropp().remaining()));
        läst.insert(läst.end(), del.begin(), del.end());
    }
    läsare.läsKlart();
    EXPECT_EQ(läst, kropp);
    EXPECT_GE(anrop, 8u);  // told as it went, not only at the end
}

// The body is written twice, into the encoder and into the check: a body
// that does not come out the same both times is never stored.
TEST(Fillagring, ABodyThatIsNotWrittenTheSameTwiceIsRefused) {
    int gånger = 0;
    auto skiftande = [&](Utström& ström) {
        ström.append(text(++gånger == 1 ? "första" : "andra!"));
    };
    EXPECT_THROW(skrivBokfil(versionSomSkrivs, skiftande, [] { return Förhandsvisning{}; }), Sparfel);
    EXPECT_EQ(gånger, 2);

    int skrivet = 0;
    auto stabil = [&](Utström& ström) {
        ++skrivet;
        for (int i = 0; i < 50'000; ++i) ström.writeInt64(i % 977);
    };
    Bytes fil = skrivBokfil(versionSomSkrivs, stabil, [] { return Förhandsvisning{}; });
    EXPECT_EQ(skrivet, 2);
    EXPECT_EQ(läsBokfil(fil).kropp.size(), 400'000u);
}
