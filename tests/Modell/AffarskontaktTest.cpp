#include "Modell/Affarskontakt.h"
#include "Postprov.h"

#include <gtest/gtest.h>

using namespace postprov;

namespace {

Affärskontakt fullKontakt() {
    Affärskontakt k;
    k.namn = "Anna Berg";
    k.företag = "Berg & Son AB";
    k.adress.attention = "Ekonomi";
    k.adress.gata = "Storgatan 1";
    k.adress.postnummer = "111 22";
    k.adress.postadress = "Stockholm";
    k.adress.delstat = "";
    Adress lev;
    lev.gata = "Lagervägen 9";
    lev.postnummer = "10115";
    lev.postadress = "Berlin";
    lev.land = "de";
    k.leveransadress = lev;
    k.telefon = "08-1";
    k.mobil = "070-2";
    k.epost = "anna@example.se";
    k.hemsida = "";
    k.organisationsnummer = "556000-0001";
    k.andraOrganisationsnummer = std::nullopt;
    k.momsregistreringsnummer = "SE556000000101";
    k.bostadsrättsförening = "BRF Ekan";
    k.lägenhetsnummer = "1102";
    k.fastighetsbeteckning = "Ekan 1:2";
    k.kommentar = "Ring först";
    k.behållEfter7År = false;
    k.standardrabatt = dec(15, -2);
    k.makulerad = true;
    k.gln = "7350000000001";
    k.avböjLogotyp = true;
    k.logotyp = Bytes{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e', 0, 0xff};
    k.typ = Kontakttyp::bådeOch;
    k.nummer = "K-1001";
    k.ordningstal = 1001;
    return k;
}

// The contact's own part up to and including `avböjLogotyp`, written by hand.
void förstaDelen(Utström& ut, int64_t typ = 1, int64_t leveransord = 0, std::optional<std::string> attention = "Ekonomi",
                 std::optional<std::string> inreAttention = "Ekonomi") {
    ut.writeString("Namn");
    ut.writeString(std::nullopt);
    Adress a;
    a.attention = inreAttention;
    a.spara(ut);
    for (int i = 0; i < 10; ++i) ut.writeString(std::nullopt);
    ut.writeString(attention);
    ut.writeInt64(leveransord);
    ut.writeInt64(typ);
    ut.writeData(std::nullopt);
    ut.writeByte(false);
}

void basposten(Utström& ut) {
    ut.writeString("7");
    ut.writeInt64(7);
    ut.writeInt64(0);
}

}  // namespace

TEST(Affärskontakt, FullRecordRoundTripsByteForByte) {
    Affärskontakt k = fullKontakt();
    Bytes b = skriv(k);
    Affärskontakt l = *läs<Affärskontakt>(b);
    EXPECT_EQ(skriv(l), b);

    EXPECT_EQ(l.namn, k.namn);
    EXPECT_EQ(l.företag, k.företag);
    EXPECT_EQ(l.adress.attention, std::optional<std::string>("Ekonomi"));
    ASSERT_TRUE(l.leveransadress);
    EXPECT_EQ(l.leveransadress->land, "de");
    EXPECT_EQ(l.telefon, k.telefon);
    EXPECT_EQ(l.mobil, k.mobil);
    EXPECT_EQ(l.hemsida, std::optional<std::string>(""));
    EXPECT_FALSE(l.andraOrganisationsnummer);
    EXPECT_EQ(l.momsregistreringsnummer, k.momsregistreringsnummer);
    EXPECT_EQ(l.bostadsrättsförening, k.bostadsrättsförening);
    EXPECT_EQ(l.lägenhetsnummer, k.lägenhetsnummer);
    EXPECT_EQ(l.fastighetsbeteckning, k.fastighetsbeteckning);
    EXPECT_EQ(l.kommentar, k.kommentar);
    EXPECT_FALSE(l.behållEfter7År);
    ASSERT_TRUE(l.standardrabatt);
    EXPECT_TRUE(l.standardrabatt->identical(*k.standardrabatt));
    EXPECT_TRUE(l.makulerad);
    EXPECT_EQ(l.gln, k.gln);
    EXPECT_TRUE(l.avböjLogotyp);
    EXPECT_EQ(l.logotyp, k.logotyp);  // kept as stored, even when not a picture
    EXPECT_EQ(l.typ, Kontakttyp::bådeOch);
    EXPECT_EQ(l.nummer, "K-1001");
    EXPECT_EQ(l.ordningstal, 1001);

    // Without a delivery address the word 0 stands in its place.
    k.leveransadress.reset();
    Bytes utan = skriv(k);
    Affärskontakt u = *läs<Affärskontakt>(utan);
    EXPECT_FALSE(u.leveransadress);
    EXPECT_EQ(skriv(u), utan);
}

TEST(Affärskontakt, NewContactHasTheDefaultsAndTheFullRecord) {
    Affärskontakt k;
    EXPECT_TRUE(k.behållEfter7År);
    EXPECT_EQ(k.typ, Kontakttyp::kund);
    EXPECT_EQ(k.adress.land, "se");
    Bytes b = skriv(k);
    Affärskontakt l = *läs<Affärskontakt>(b);
    EXPECT_EQ(skriv(l), b);
    EXPECT_TRUE(l.behållEfter7År);
    EXPECT_FALSE(l.gln);
}

TEST(Affärskontakt, OlderRecordsReadWithDefaultsAndKeepTheirShape) {
    // Closing word in place of the first marker.
    Utström a;
    förstaDelen(a);
    a.writeInt64(0);
    basposten(a);
    Bytes äldst = a.take();
    Affärskontakt k = *läs<Affärskontakt>(äldst);
    EXPECT_EQ(k.nummer, "7");
    EXPECT_FALSE(k.kommentar);
    EXPECT_FALSE(k.standardrabatt);
    EXPECT_FALSE(k.gln);
    EXPECT_TRUE(k.behållEfter7År);
    EXPECT_FALSE(k.makulerad);
    EXPECT_EQ(skriv(k), äldst);

    // Closing word in place of the second marker.
    Utström b;
    förstaDelen(b);
    b.writeInt64(1);
    b.writeString("kommentar");
    b.writeByte(true);
    b.writeDecimalNumber(std::nullopt);
    b.writeByte(false);
    b.writeInt64(0);
    basposten(b);
    Bytes mellan = b.take();
    Affärskontakt m = *läs<Affärskontakt>(mellan);
    EXPECT_EQ(m.kommentar, std::optional<std::string>("kommentar"));
    EXPECT_FALSE(m.gln);
    EXPECT_EQ(m.nummer, "7");
    EXPECT_EQ(skriv(m), mellan);

    // A value given to a field the old record lacked makes the full record.
    k.gln = "123";
    Affärskontakt ny = *läs<Affärskontakt>(skriv(k));
    EXPECT_EQ(ny.gln, std::optional<std::string>("123"));
    EXPECT_EQ(skriv(ny), skriv(k));
    EXPECT_EQ(skriv(k).size(), äldst.size() + 8 + 8 + 1 + 1 + 1 + 8 + 8 + 3);
}

TEST(Affärskontakt, TolerantReadings) {
    struct Fall {
        int64_t typ;
        int64_t leveransord;
        Kontakttyp väntad;
    };
    for (Fall f : {Fall{0, 0, Kontakttyp::okänd}, Fall{2, 2, Kontakttyp::leverantör}, Fall{7, -1, Kontakttyp::okänd},
                   Fall{-1, 0, Kontakttyp::okänd}, Fall{3, 0, Kontakttyp::bådeOch}}) {
        Utström u;
        förstaDelen(u, f.typ, f.leveransord, "Den upprepade", "Inne i adressen");
        u.writeInt64(0);
        basposten(u);
        Bytes b = u.take();
        Affärskontakt k = *läs<Affärskontakt>(b);
        EXPECT_EQ(k.typ, f.väntad) << f.typ;
        EXPECT_FALSE(k.leveransadress);  // only the word 1 brings an address
        EXPECT_EQ(k.adress.attention, std::optional<std::string>("Den upprepade"));
    }
}

TEST(Affärskontakt, DescriptionHashAndIdentity) {
    Affärskontakt k;
    EXPECT_EQ(k.alternativBeskrivning(), "");
    k.namn = "Anna";
    EXPECT_EQ(k.alternativBeskrivning(), "Anna");
    k.företag = "Bolaget AB";
    EXPECT_EQ(k.alternativBeskrivning(), "Bolaget AB / Anna");
    k.namn.reset();
    EXPECT_EQ(k.alternativBeskrivning(), "Bolaget AB");
    k.namn = "Bolaget AB";
    EXPECT_EQ(k.alternativBeskrivning(), "Bolaget AB");

    Affärskontakt kopia = k;
    EXPECT_FALSE(k == kopia);
    EXPECT_TRUE(k == k);
    EXPECT_EQ(k.hashValue(), kopia.hashValue());
    kopia.namn = "Någon annan";
    EXPECT_NE(k.hashValue(), kopia.hashValue());
}

TEST(Affärskontakt, CustomerAndSupplierFlags) {
    Affärskontakt k;
    k.sättLeverantör(true);
    EXPECT_EQ(k.typ, Kontakttyp::bådeOch);
    k.sättKund(false);
    EXPECT_EQ(k.typ, Kontakttyp::leverantör);
    k.sättLeverantör(false);
    EXPECT_EQ(k.typ, Kontakttyp::okänd);
    EXPECT_FALSE(frånKod<Kontakttyp>(4));
    EXPECT_EQ(frånKod<Kontakttyp>(2), Kontakttyp::leverantör);
}

TEST(Affärskontakt, DamagedRecordsAreFormatErrors) {
    varjeAvklippKastar<Affärskontakt>(skriv(fullKontakt()));
    Utström u;
    u.writeData(Bytes{'A', 0xc3});  // a name cut in the middle of a letter
    Bytes fel = u.take();
    EXPECT_THROW(*läs<Affärskontakt>(fel), FormatError);
}

TEST(Affärskontakt, NewContactIsNumberedAfterTheEarlierOnes) {
    std::vector<std::unique_ptr<Affärskontakt>> kontakter;
    for (const char* n : {"1005", "1012", "1007"}) {
        auto k = std::make_unique<Affärskontakt>();
        k->nummer = n;
        k->ordningstal = NumreratObjekt::ordningstalFrånNummer(n);
        kontakter.push_back(std::move(k));
    }
    Affärskontakt ny(somNumrerade(kontakter));
    EXPECT_EQ(ny.nummer, "1013");
    EXPECT_EQ(ny.ordningstal, 1013);
    EXPECT_EQ(ny.typ, Kontakttyp::kund);
    EXPECT_TRUE(ny.behållEfter7År);
}
