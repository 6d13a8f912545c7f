// Stored codes read inside records: a known code gives its member, an
// unknown one the ledger's message with the code and where it stood.
#include "Modell/Artikel.h"
#include "Modell/Bokforingsmetod.h"
#include "Modell/Konto.h"
#include "Modell/LagradKod.h"
#include "Postprov.h"

#include <gtest/gtest.h>

using namespace postprov;

TEST(LagradKod, KnownCodesReadAndUnknownOnesNameThemselves) {
    Bytes b = Bygg().i64(1).i64(7).i64(-1).bytes();
    Inström in(b);
    EXPECT_EQ(läsKod<Bokföringsmetod>(in, "Okänd bokföringsmetod"), Bokföringsmetod::fakturametoden);
    try {
        läsKod<Artikeltyp>(in, "Okänd artikeltyp", " i fakturapost");
        ADD_FAILURE() << "code 7 read";
    } catch (const SkadatDokument& e) {
        EXPECT_STREQ(e.what(), "Okänd artikeltyp 7 i fakturapost");
    }
    try {
        läsKod<Bokföringsmetod>(in, "Okänd bokföringsmetod");
        ADD_FAILURE() << "code -1 read";
    } catch (const SkadatDokument& e) {
        EXPECT_STREQ(e.what(), "Okänd bokföringsmetod -1");
    }
    EXPECT_TRUE(in.atEnd());
}

TEST(LagradKod, AnAccountWithAnUnknownKindNamesTheAccount) {
    Bytes b = Bygg().i64(1930).text("Bank").text(std::nullopt).text("7281").i64(5).i64(-1).data(std::nullopt).i64(0).bytes();
    Inström in(b);
    try {
        Konto konto(in, Referenser{});
        ADD_FAILURE() << "kind 5 read";
    } catch (const SkadatDokument& e) {
        EXPECT_STREQ(e.what(), "Okänd kontotyp 5 för konto 1930");
    }
}
