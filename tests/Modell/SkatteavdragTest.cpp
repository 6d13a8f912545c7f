#include "Modell/Skatteavdrag.h"
#include "Postprov.h"

#include <gtest/gtest.h>

using namespace postprov;

namespace {

Bytes skrivAvdrag(const Skatteavdrag& s) {
    Utström u;
    s.spara(u);
    u.writeInt64(4711);  // the next field of the invoice record
    return u.take();
}

Skatteavdrag läsAvdrag(const Bytes& b) {
    Inström in(b);
    Skatteavdrag s = Skatteavdrag::ladda(in);
    EXPECT_EQ(in.int64(), 4711) << "the deduction did not end where the next field starts";
    EXPECT_TRUE(in.atEnd());
    return s;
}

}  // namespace

TEST(Skatteavdrag, EveryCaseRoundTripsByteForByte) {
    std::vector<Skatteavdrag> fall = {
        Skatteavdrag::inget(),
        Skatteavdrag::rot("19700101-1234", std::nullopt, dec(5, -1), Rotuppgifter::hus("Ekan 1:2"), dec(3, -1)),
        Skatteavdrag::rot(std::nullopt, "", dec(1), Rotuppgifter::bostadsrätt("BRF Ekan", "1102"), std::nullopt),
        Skatteavdrag::rot("a", "b", dec(50, -2), std::nullopt, dec(3, -1)),
        Skatteavdrag::rut("19800202-5678", "19810303-9012", dec(1), dec(5, -1)),
        Skatteavdrag::rut(std::nullopt, std::nullopt, dec(0), std::nullopt),
    };
    for (size_t i = 0; i < fall.size(); ++i) {
        Bytes b = skrivAvdrag(fall[i]);
        Skatteavdrag l = läsAvdrag(b);
        EXPECT_EQ(skrivAvdrag(l), b) << i;
        EXPECT_TRUE(l == fall[i]) << i;
    }
    EXPECT_EQ(skrivAvdrag(Skatteavdrag::inget()).size(), 16u);  // the word 0 alone, then the next field

    Skatteavdrag utanUppgifter = läsAvdrag(skrivAvdrag(fall[3]));
    ASSERT_TRUE(utanUppgifter.somRot());
    EXPECT_FALSE(utanUppgifter.somRot()->uppgifter);
    Skatteavdrag bostadsrätt = läsAvdrag(skrivAvdrag(fall[2]));
    ASSERT_TRUE(bostadsrätt.somRot() && bostadsrätt.somRot()->uppgifter);
    ASSERT_TRUE(bostadsrätt.somRot()->uppgifter->somBostadsrätt());
    EXPECT_EQ(bostadsrätt.somRot()->uppgifter->somBostadsrätt()->lägenhetsnummer, "1102");

    // A RUT record has no flag byte: word, two texts, share, rate.
    Bytes rut = skrivAvdrag(fall[5]);
    EXPECT_EQ(rut.size(), 8u + 8 + 8 + 21 + 1 + 8);
}

TEST(Skatteavdrag, UnknownKindWordsAreNoDeductionAndReadNothingMore) {
    for (int64_t ord : {int64_t(0), int64_t(3), int64_t(-1), int64_t(1) << 40}) {
        Bytes b = Bygg().i64(ord).i64(4711).bytes();
        EXPECT_TRUE(läsAvdrag(b).ärInget()) << ord;
    }
    // A flag byte other than 1 means no property data.
    Bytes b = Bygg().i64(1).text("p").text(std::nullopt).dec(dec(1)).byte(7).dec(std::nullopt).i64(4711).bytes();
    Skatteavdrag s = läsAvdrag(b);
    ASSERT_TRUE(s.somRot());
    EXPECT_FALSE(s.somRot()->uppgifter);
}

TEST(Skatteavdrag, DamagedRecordsThrow) {
    Bytes utanAndel = Bygg().i64(2).text("p").text(std::nullopt).dec(std::nullopt).dec(std::nullopt).bytes();
    Inström a(utanAndel);
    EXPECT_THROW(Skatteavdrag::ladda(a), FormatError);

    Bytes felaktigtSlag = Bygg().i64(1).text("p").text("q").dec(dec(1)).byte(1).i64(3).text("x").bytes();
    Inström b(felaktigtSlag);
    try {
        Skatteavdrag::ladda(b);
        ADD_FAILURE() << "a property kind of 3 was accepted";
    } catch (const SkadatDokument& fel) {
        EXPECT_STREQ(fel.what(), "Ogiltiga ROT-uppgifter 3");
    }

    Bytes felText = Bygg().i64(1).data(Bytes{0xed, 0xa0, 0x80}).bytes();
    Inström c(felText);
    EXPECT_THROW(Skatteavdrag::ladda(c), FormatError);

    Bytes full = skrivAvdrag(Skatteavdrag::rot("1", "2", dec(5, -1), Rotuppgifter::bostadsrätt("F", "L"), dec(3, -1)));
    full.resize(full.size() - 8);
    for (size_t n = 1; n < full.size(); ++n) {
        Inström in(std::span(full.data(), n));
        EXPECT_ANY_THROW(Skatteavdrag::ladda(in)) << n;
    }
}

TEST(Skatteavdrag, Equality) {
    auto rot = [](std::optional<Decimal> sats, Decimal andel = dec(5, -1)) {
        return Skatteavdrag::rot("1", std::nullopt, andel, Rotuppgifter::hus("H"), sats);
    };
    EXPECT_FALSE(rot(std::nullopt) == rot(dec(3, -1)));
    EXPECT_TRUE(rot(dec(3, -1)) == rot(dec(30, -2)));
    EXPECT_TRUE(rot(dec(3, -1), dec(50, -2)) == rot(dec(3, -1), dec(5, -1)));
    EXPECT_FALSE(rot(dec(3, -1), dec(6, -1)) == rot(dec(3, -1), dec(5, -1)));
    EXPECT_FALSE(rot(dec(3, -1)) == Skatteavdrag::rut("1", std::nullopt, dec(5, -1), dec(3, -1)));
    EXPECT_TRUE(Skatteavdrag::inget() == Skatteavdrag::inget());
    EXPECT_FALSE(Skatteavdrag::inget() == rot(std::nullopt));

    Skatteavdrag annatHus = Skatteavdrag::rot("1", std::nullopt, dec(5, -1), Rotuppgifter::hus("G"), std::nullopt);
    EXPECT_FALSE(rot(std::nullopt) == annatHus);
    Skatteavdrag utanHus = Skatteavdrag::rot("1", std::nullopt, dec(5, -1), std::nullopt, std::nullopt);
    EXPECT_FALSE(rot(std::nullopt) == utanHus);

    EXPECT_TRUE(Rotuppgifter::hus("\u00c5sen 1:1") == Rotuppgifter::hus("A\u030asen 1:1"));
    EXPECT_FALSE(Rotuppgifter::hus("F") == Rotuppgifter::bostadsrätt("F", ""));
    EXPECT_FALSE(Rotuppgifter::bostadsrätt("F", "1") == Rotuppgifter::bostadsrätt("F", "2"));
}

TEST(Skatteavdrag, StandardRates) {
    EXPECT_EQ(Skatteavdrag::standardFörROT().text(), "0.3");
    EXPECT_EQ(Skatteavdrag::standardFörRUT().text(), "0.5");
    EXPECT_TRUE(Skatteavdrag::standardFörROT().identical(dec(3, -1)));
    EXPECT_TRUE(Skatteavdrag::standardFörRUT().identical(dec(5, -1)));
}
