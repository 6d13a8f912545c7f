#include "Modell/Adress.h"
#include "Modell/Land.h"
#include "Postprov.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace postprov;

namespace {

const std::string L = "\u2028";

Adress adress(std::string gata, std::string postnummer, std::string ort, std::string land,
              std::optional<std::string> delstat = std::nullopt) {
    Adress a;
    a.gata = std::move(gata);
    a.postnummer = std::move(postnummer);
    a.postadress = std::move(ort);
    a.land = std::move(land);
    a.delstat = std::move(delstat);
    return a;
}

struct Landrad {
    std::string kod;
    Adress kund;              // a customer in that country
    std::string egetLand;     // its block as seen from its own country
    std::string sverigeNamn;  // "Sverige" in that country's language
};

std::vector<Landrad> länder() {
    return {
        {"at", adress("Ringstraße 1", "1010", "Wien", "at"), "Ringstraße 1" + L + "1010 Wien", "Schweden"},
        {"se", adress("Storgatan 1", "111 22", "Stockholm", "se"), "Storgatan 1" + L + "111 22 Stockholm", ""},
        {"dk", adress("Vestergade 2", "1456", "København K", "dk"), "Vestergade 2" + L + "1456 København K", "Sverige"},
        {"no", adress("Karl Johans gate 3", "0154", "Oslo", "no"), "Karl Johans gate 3" + L + "0154 Oslo", "Sverige"},
        {"fi", adress("Mannerheimintie 4", "00100", "Helsinki", "fi"), "Mannerheimintie 4" + L + "00100 Helsinki", "Ruotsi"},
        {"de", adress("Hauptstraße 5", "10115", "Berlin", "de", "Berlin"), "Hauptstraße 5" + L + "10115 Berlin", "Schweden"},
        {"es", adress("Calle Mayor 6", "28013", "Madrid", "es", "Madrid"), "Calle Mayor 6" + L + "28013 Madrid Madrid", "Suecia"},
        {"gb", adress("10 Downing Street", "SW1A 2AA", "London", "gb", "Greater London"),
         "10 Downing Street" + L + "London" + L + "Greater London" + L + "SW1A 2AA", "Sweden"},
        {"it", adress("Via Roma 7", "00184", "Roma", "it", "RM"), "Via Roma 7" + L + "00184 Roma RM", "Svezia"},
        {"ch", adress("Bahnhofstrasse 8", "8001", "Zürich", "ch"), "Bahnhofstrasse 8" + L + "8001 Zürich", "Schweden"},
        {"be", adress("Rue Neuve 9", "1000", "Bruxelles", "be"), "Rue Neuve 9" + L + "1000 Bruxelles", "Zweden"},
        {"fr", adress("Rue de Rivoli 10", "75001", "Paris", "fr"), "Rue de Rivoli 10" + L + "75001 Paris", "Suède"},
        {"nl", adress("Damrak 11", "1012 LG", "Amsterdam", "nl"), "Damrak 11" + L + "1012 LG Amsterdam", "Zweden"},
        {"lu", adress("Grand-Rue 12", "1660", "Luxembourg", "lu"), "Grand-Rue 12" + L + "1660 Luxembourg", "Suède"},
    };
}

// Each country's name in Swedish, the language of a Swedish ledger.
const std::map<std::string, std::string> svenskaNamn = {
    {"at", "Österrike"}, {"se", ""},          {"dk", "Danmark"},        {"no", "Norge"},   {"fi", "Finland"},
    {"de", "Tyskland"},  {"es", "Spanien"},   {"gb", "Storbritannien"}, {"it", "Italien"}, {"ch", "Schweiz"},
    {"be", "Belgien"},   {"fr", "Frankrike"}, {"nl", "Nederländerna"},  {"lu", "Luxemburg"},
};

std::string medRad(const std::string& block, const std::string& rad) { return rad.empty() ? block : block + L + rad; }

}  // namespace

TEST(Adress, BlocksForEveryCountryBothFormsWithAndWithoutAttention) {
    const Adress sverige = adress("Storgatan 1", "111 22", "Stockholm", "se");
    ASSERT_EQ(länder().size(), 14u);
    for (const Landrad& rad : länder()) {
        SCOPED_TRACE(rad.kod);
        ASSERT_TRUE(frånKod<Land>(rad.kod));

        // A customer of a Swedish ledger: its country named in Swedish.
        const std::string kundblock = medRad(rad.egetLand, svenskaNamn.at(rad.kod));
        // The Swedish sender as printed for this customer: Sweden named in
        // the customer's language.
        const std::string avsändarblock = medRad(sverige.formatteradFörAvsändarland("se", false), rad.sverigeNamn);

        for (std::optional<std::string> attention : {std::optional<std::string>(), std::optional<std::string>(""),
                                                     std::optional<std::string>("Att: Anna Berg")}) {
            Adress kund = rad.kund;
            kund.attention = attention;
            Adress avsändare = sverige;
            avsändare.attention = attention;
            const std::string före = attention && !attention->empty() ? *attention + L : "";

            for (bool ta : {false, true}) {
                const std::string prefix = ta ? före : "";
                EXPECT_EQ(kund.formatteradFörAvsändarland("se", ta), prefix + kundblock);
                EXPECT_EQ(kund.formatteradFörMottagarland("se", ta), prefix + kundblock);
                EXPECT_EQ(kund.formatteradFörAvsändarland(rad.kod, ta), prefix + rad.egetLand);
                EXPECT_EQ(kund.formatteradFörMottagarland(rad.kod, ta), prefix + rad.egetLand);
                EXPECT_EQ(avsändare.formatteradFörMottagarland(rad.kod, ta), prefix + avsändarblock);
            }
        }
    }
}

TEST(Adress, EmptyPartsAndEndsAreDropped) {
    Adress tom = adress("", "", "", "se");
    tom.attention = "A";
    EXPECT_EQ(tom.formatteradFörAvsändarland("se", true), "A");
    EXPECT_EQ(tom.formatteradFörAvsändarland("se", false), "");

    Adress utanPostnummer = adress("Box 5\n", "", "Lund", "se");
    EXPECT_EQ(utanPostnummer.formatteradFörAvsändarland("se", false), "Box 5" + L + L + "Lund");

    // The country code picks the layout whatever its case, but only the
    // exact code counts as the sender's own country.
    Adress versaler = adress("Storgatan 1", "111 22", "Stockholm", "SE");
    EXPECT_EQ(versaler.formatteradFörAvsändarland("se", false), "Storgatan 1" + L + "111 22 Stockholm" + L + "Sverige");

    // No name for an unknown code or an empty one: no country line at all.
    EXPECT_EQ(adress("Main St 1", "1", "X", "xx").formatteradFörAvsändarland("se", false), "Main St 1" + L + "1 X");
    EXPECT_EQ(adress("Main St 1", "1", "X", "").formatteradFörAvsändarland("se", false), "Main St 1" + L + "1 X");

    // A state in a country whose layout has no place for it gets its own line.
    EXPECT_EQ(adress("1 Main St", "90210", "Beverly Hills", "us", "CA").formatteradFörAvsändarland("se", false),
              "1 Main St" + L + "Beverly Hills CA 90210" + L + "USA");
    EXPECT_EQ(adress("Rua 1", "1000-001", "Lisboa", "pt", "Lisboa").formatteradFörAvsändarland("se", false),
              "Rua 1" + L + "1000-001 Lisboa" + L + "Lisboa" + L + "Portugal");
}

// Customers' countries beyond the ledger's, as their posts write them
// (Magyar Posta, Latvijas Pasts, MaltaPost, An Post, Poczta Polska).
TEST(Adress, CustomersCountriesAsTheirPostsWriteThem) {
    EXPECT_EQ(adress("Váci út 12.", "1051", "Budapest", "hu").formatteradFörAvsändarland("se", false),
              "Budapest" + L + "Váci út 12." + L + "1051" + L + "Ungern");
    EXPECT_EQ(adress("Brīvības iela 5", "LV-1050", "Rīga", "lv").formatteradFörAvsändarland("se", false),
              "Brīvības iela 5" + L + "Rīga, LV-1050" + L + "Lettland");
    EXPECT_EQ(adress("Brīvības iela 5", "", "Rīga", "lv").formatteradFörAvsändarland("lv", false),
              "Brīvības iela 5" + L + "Rīga");
    EXPECT_EQ(adress("12, Triq il-Kbira", "HMR 1512", "Ħamrun", "mt").formatteradFörAvsändarland("se", false),
              "12, Triq il-Kbira" + L + "Ħamrun HMR 1512" + L + "Malta");
    EXPECT_EQ(adress("4 Main Street", "A92 FK33", "Drogheda", "ie", "Co. Louth").formatteradFörAvsändarland("se", false),
              "4 Main Street" + L + "Drogheda" + L + "Co. Louth" + L + "A92 FK33" + L + "Irland");
    EXPECT_EQ(adress("ul. Piotrkowska 3", "90-368", "Łódź", "pl", "łódzkie").formatteradFörAvsändarland("se", false),
              "ul. Piotrkowska 3" + L + "90-368 Łódź" + L + "Polen");
}

TEST(Adress, RecordRoundTripsAndEqualityIgnoresAttention) {
    Adress a = adress("Gata", "123 45", "Ort", "de", "Bayern");
    a.attention = "";
    Bytes b = skriv(a);
    Adress tillbaka = *läs<Adress>(b);
    EXPECT_EQ(tillbaka.attention, std::optional<std::string>(""));
    EXPECT_EQ(tillbaka.delstat, std::optional<std::string>("Bayern"));
    EXPECT_EQ(skriv(tillbaka), b);

    Adress utan = adress("", "", "", "se");
    Bytes u = skriv(utan);
    // attention -1, three empty texts, delstat -1, "se", closing 0.
    EXPECT_EQ(u.size(), 8u * 7 + 2);
    Adress läsUtan = *läs<Adress>(u);
    EXPECT_FALSE(läsUtan.attention);
    EXPECT_FALSE(läsUtan.delstat);
    EXPECT_EQ(skriv(läsUtan), u);

    Adress b1 = adress("Gata", "1", "Ort", "se");
    Adress b2 = b1;
    b2.attention = "Någon";
    EXPECT_EQ(b1, b2);
    b2.gata = "Gata\u030A";  // a different text
    EXPECT_FALSE(b1 == b2);
    b1.gata = "Gat\u00e5";
    b2.gata = "Gata\u030A";  // the same text in decomposed form
    EXPECT_EQ(b1, b2);
    b2.delstat = "";
    EXPECT_FALSE(b1 == b2);
}

TEST(Adress, DamagedRecordsAreFormatErrors) {
    Utström ut;
    ut.writeString(std::nullopt);
    ut.writeString(std::nullopt);  // a street must be present
    Bytes b = ut.take();
    EXPECT_THROW(*läs<Adress>(b), FormatError);

    Utström fel;
    fel.writeString(std::nullopt);
    fel.writeData(Bytes{0xff, 0xfe});  // not UTF-8
    Bytes f = fel.take();
    EXPECT_THROW(*läs<Adress>(f), FormatError);

    varjeAvklippKastar<Adress>(skriv(adress("Gata", "1", "Ort", "se", "Skåne")));
}

TEST(Land, ExactlyTheFourteenCodes) {
    std::set<std::string> koder;
    for (Land l : allaLänder) {
        koder.insert(std::string(kod(l)));
        EXPECT_EQ(frånKod<Land>(kod(l)), l);
    }
    EXPECT_EQ(koder.size(), 14u);
    EXPECT_EQ(kod(Land::Sverige), "se");
    EXPECT_EQ(kod(Land::Nederländerna), "nl");
    for (const char* fel : {"SE", "se ", "", "us", "uk"}) EXPECT_FALSE(frånKod<Land>(fel)) << fel;
}
