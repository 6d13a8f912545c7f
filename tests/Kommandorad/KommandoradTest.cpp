// The tool as its callers see it: exit status and the exact bytes on both
// streams.
#include "Exempel/Importexempel.h"
#include "Fillagring.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

using namespace testhjalp;

namespace {

class Kommandorad : public MedTillfälligKatalog {
protected:
    Körning kör(const std::vector<std::string>& args) { return körKontobok(args); }

    std::string fil(const std::string& namn, const Bytes& innehåll) {
        skrivFil(katalog / namn, innehåll);
        return (katalog / namn).string();
    }
};

Bytes huvud(uint32_t magi, uint32_t version, const std::string& kropp) {
    ByteWriter w;
    w.u32(magi);
    w.u32(version);
    w.i64(100);
    w.i64(8);
    w.i64(-1);
    w.append(Bytes(kropp.begin(), kropp.end()));
    return w.take();
}

}  // namespace

TEST_F(Kommandorad, WithoutADocumentNothingIsPrinted) {
    Körning k = kör({});
    EXPECT_EQ(k.status, 1);
    EXPECT_EQ(k.ut, "");
    EXPECT_EQ(k.fel, "");
}

TEST_F(Kommandorad, LoadFailuresPrintTheirMessagesAndEndWithStatusOne) {
    const std::string saknas = (katalog / "saknas.bok").string();
    const std::string ingenFil =
        "The file \u201Csaknas.bok\u201D couldn\u2019t be opened because there is no such file.\n"
        "\tCould not read input .bok file.\n\n";
    struct Fall {
        const char* namn;
        std::vector<std::string> args;
        std::string ut;
        std::string fel;
    } fall[] = {
        {"missing file", {saknas}, "", ingenFil},
        // The document is loaded before any option is looked at.
        {"missing file, latest entry", {saknas, "--latestEntry"}, "", ingenFil},
        {"missing file, latest invoice", {saknas, "--latestInvoice", "--hide00"}, "", ingenFil},
        {"bad magic", {fil("magi.bok", huvud(0x04034B50, 77000, "x"))},
         "", "Magic number missing - this is not a .bok file from version 7 or later.\n"},
        {"too new", {fil("ny.bok", huvud(bokfilensMagiskaTal, 77000, "x")), "--latestEntry"},
         "", "Version number too low - this version cannot load this file.\n"},
        {"body does not decompress", {fil("trasig.bok", huvud(bokfilensMagiskaTal, 76000, "not a stream"))},
         "Error with status: 0\n", "Could not decompress archive - file possibly corrupt.\n"},
        {"cut header", {fil("kort.bok", Bytes{0x89, 0xF3, 0x31, 0x01, 0xE0})},
         "", "Magic number missing - this is not a .bok file from version 7 or later.\n"},
    };
    for (const auto& f : fall) {
        Körning k = kör(f.args);
        EXPECT_EQ(k.status, 1) << f.namn;
        EXPECT_EQ(k.ut, f.ut) << f.namn;
        EXPECT_EQ(k.fel, f.fel) << f.namn;
    }
}

// With standard output and error in one pipe (2>&1, or a caller that
// merges them), the lines arrive in the order of the events: what an import
// added before it failed, then why; the decoder's status before the
// damaged document's message.
TEST_F(Kommandorad, OneStreamForBothKeepsTheOrderOfEvents) {
    const std::string dokument = fil("exempel.bok", importexempel::dokument()->dataMedMellansteg(versionSomSkrivs));
    Körning import = körKontobok(
        {dokument}, {.indata = R"({"entries":[{"description":"Porto","date":"2023-03-01","pending":false,)"
                               R"("transactions":[{"account":1930,"amount":"-50"},{"account":5010,"amount":"50"}]}],)"
                               R"("invoices":[{"recipient":"x","date":"2023-03-01","items":[]}]})",
                     .utdata = Utdata::ihopMedFel});
    EXPECT_EQ(import.status, 1);
    EXPECT_EQ(import.ut, "Added entry 11 'Porto' to fiscal year 2023.\nNo customer with number 'x'.\n");

    Körning trasig = körKontobok({fil("trasig.bok", huvud(bokfilensMagiskaTal, 76000, "not a stream"))},
                                 {.utdata = Utdata::ihopMedFel});
    EXPECT_EQ(trasig.status, 1);
    EXPECT_EQ(trasig.ut, "Error with status: 0\nCould not decompress archive - file possibly corrupt.\n");
}
