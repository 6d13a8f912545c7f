// The latest-invoice job through the tool itself, as far as this build
// takes it: silent success without sent invoices, a clear refusal with
// them, the document untouched either way; and the option counting only
// directly after the document.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

using namespace testhjalp;

namespace {

class SenasteFaktura : public MedTillfälligKatalog {
protected:
    std::string skrivExempel(int64_t antalSkickadeFakturor) {
        Exempelval val{12, 3, true, true};
        val.antalSkickadeFakturor = antalSkickadeFakturor;
        const std::string dokument = (katalog / "dok.bok").string();
        skrivFil(dokument, byggExempelbokföring(val)->dataMedMellansteg(versionSomSkrivs));
        return dokument;
    }
};

}  // namespace

// Standard input holds an import that would change the document, so a run
// that read it would show.
TEST_F(SenasteFaktura, EndsSilentlyWithoutSentInvoicesAndRefusesWithThemLeavingTheDocument) {
    const std::string vägran =
        "The latest-invoice job is not available in this build: invoice 1008 cannot be laid out.\n";
    struct Fall {
        int64_t skickadeFakturor;
        std::vector<std::string> val;
        int status;
        std::string fel;
    } fall[] = {
        {0, {}, 0, ""},
        {0, {"--hide00", "--format=2"}, 0, ""},
        {8, {}, 1, vägran},
        {8, {"--hide00", "--format=1"}, 1, vägran},
    };
    for (const Fall& f : fall) {
        const std::string dokument = skrivExempel(f.skickadeFakturor);
        const std::string före = läsFil(dokument);
        std::vector<std::string> args = {dokument, "--latestInvoice"};
        args.insert(args.end(), f.val.begin(), f.val.end());
        Körning k = körKontobok(args, {.indata = R"({"customers":[{"company":"Ny AB"}]})"});
        const std::string namn = std::to_string(f.skickadeFakturor) + " invoices, " + std::to_string(f.val.size()) + " options";
        EXPECT_EQ(k.status, f.status) << namn;
        EXPECT_EQ(k.ut, "") << namn;
        EXPECT_EQ(k.fel, f.fel) << namn;
        EXPECT_TRUE(läsFil(dokument) == före) << namn;
    }
}

// Anywhere but directly after the document the option is no job of its
// own: the run is an import and reads standard input.
TEST_F(SenasteFaktura, ElsewhereOnTheLineTheRunIsAnImport) {
    const std::string dokument = skrivExempel(8);
    const std::string före = läsFil(dokument);

    Körning felaktig = körKontobok({dokument, "--hide00", "--latestInvoice"}, {.indata = "not json"});
    EXPECT_EQ(felaktig.status, 1);
    EXPECT_EQ(felaktig.ut, "");
    EXPECT_EQ(felaktig.fel, "Input data is not valid JSON.\n");
    EXPECT_TRUE(läsFil(dokument) == före);

    Körning import = körKontobok({dokument, "--latestEntry", "--latestInvoice"},
                                 {.indata = R"({"customers":[{"company":"Ny AB"}]})"});
    EXPECT_EQ(import.status, 0) << import.fel;
    EXPECT_EQ(import.ut, "Added customer Ny AB\n");
    EXPECT_EQ(import.fel, "");
    EXPECT_FALSE(läsFil(dokument) == före);
}
