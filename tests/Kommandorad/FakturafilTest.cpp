// The invoice PDF's file name stays inside the directory whatever the
// invoice number holds, and ordinary numbers are kept as they are.
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
    EXPECT_EQ(sökvägFörFaktura("/tmp", "../x"), "/tmp/_.._x.pdf");
    EXPECT_EQ(sökvägFörFaktura("/var/tmp/", "1042"), "/var/tmp/1042.pdf");
}

}  // namespace
