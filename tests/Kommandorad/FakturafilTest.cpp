// The invoice PDF's file name stays inside the directory whatever the
// invoice number holds, and ordinary numbers are kept as they are; the
// result line keeps its three fields on one line.
#include "Kommandorad/Fakturafil.h"

#include <gtest/gtest.h>

namespace {

TEST(Fakturafil, NameComesFromTheNumberAndStaysInItsDirectory) {
    using namespace std::string_literals;
    struct Fall {
        std::string nummer, namn;
    } fall[] = {
        {"1042", "1042.pdf"},       {"2026-17 A", "2026-17 A.pdf"}, {"../x", "_.._x.pdf"}, {"a/b/c", "a_b_c.pdf"},
        {"", "_.pdf"},              {".", "_..pdf"},                {"..", "_...pdf"},     {".dold", "_.dold.pdf"},
        {"ny\0fil"s, "ny_fil.pdf"}, {"/", "_.pdf"},
    };
    for (const Fall& f : fall) EXPECT_EQ(filnamnFörFaktura(f.nummer), f.namn) << f.nummer;
    // What breaks a line or turns the text's direction, a character at a
    // time; other characters, and bytes that are not UTF-8, stay.
    EXPECT_EQ(filnamnFörFaktura("a;b\tc\r\nd\u0085e\u2028f\u2029g\x7fh"), "a_b_c__d_e_f_g_h.pdf");
    EXPECT_EQ(filnamnFörFaktura("fdp.exe\u202E\u2066\u2069\u202A\u200F"), "fdp.exe____\u200F.pdf");
    EXPECT_EQ(filnamnFörFaktura("\xff\xc3\u00e5\u20ac"), "\xff\xc3\u00e5\u20ac.pdf");
    EXPECT_EQ(sökvägFörFaktura("/tmp", "../x"), "/tmp/_.._x.pdf");
    EXPECT_EQ(sökvägFörFaktura("/var/tmp/", "1042"), "/var/tmp/1042.pdf");
}

// A number too long for a file name is cut between two characters to
// what fits beside ".pdf".
TEST(Fakturafil, ALongNumberIsCutToTheLongestFileName) {
    EXPECT_EQ(filnamnFörFaktura(std::string(251, '9')), std::string(251, '9') + ".pdf");
    EXPECT_EQ(filnamnFörFaktura(std::string(400, '9')), std::string(251, '9') + ".pdf");
    std::string euro;
    while (euro.size() < 300) euro += "\u20ac";  // three bytes each
    EXPECT_EQ(filnamnFörFaktura(euro), euro.substr(0, 249) + ".pdf");
    EXPECT_EQ(filnamnFörFaktura("." + euro), "_." + euro.substr(0, 249) + ".pdf");
}

TEST(Fakturafil, TheResultLineHasThreeFieldsOnOneLine) {
    EXPECT_EQ(resultatradFörFaktura("1042", "kund@exempel.se", "/tmp/1042.pdf"), "1042;kund@exempel.se;/tmp/1042.pdf");
    EXPECT_EQ(resultatradFörFaktura("1042", "", "/tmp/1042.pdf"), "1042;;/tmp/1042.pdf");
    EXPECT_EQ(resultatradFörFaktura("10;4\n2\u2028", "x@evil.example;/etc/passwd\nINJECTED\u2029\t", "/tmp/10_4_2_.pdf"),
              "10_4_2_;x@evil.example,/etc/passwd INJECTED  ;/tmp/10_4_2_.pdf");
}

// A path that cannot end the result line is refused naming the character
// that stops it, the first one when there are several.
TEST(Fakturafil, APathThatWouldBreakTheResultLineIsRefusedNamingWhatStopsIt) {
    EXPECT_EQ(hinderIResultatraden("/tmp/kontobok 2/\u00e5\u202e/1042.pdf"), std::nullopt);
    const std::pair<const char*, const char*> fall[] = {
        {"/tmp/a;b\n/1.pdf", "a \";\""},
        {"/tmp/a\tb;/1.pdf", "a tab (U+0009)"},
        {"/tmp/a\nb/1.pdf", "a line feed (U+000A)"},
        {"/tmp/a\rb/1.pdf", "a carriage return (U+000D)"},
        {"/tmp/\u0085/1.pdf", "a next line character (U+0085)"},
        {"/tmp/a\u2028/1.pdf", "a line separator (U+2028)"},
        {"/tmp/a\u2029/1.pdf", "a paragraph separator (U+2029)"},
        {"/tmp/\x1b[2J/1.pdf", "the control character U+001B"},
        {"/tmp/\x7f/1.pdf", "the control character U+007F"},
    };
    for (const auto& [sökväg, hinder] : fall) EXPECT_EQ(hinderIResultatraden(sökväg), hinder) << sökväg;
}

}  // namespace
