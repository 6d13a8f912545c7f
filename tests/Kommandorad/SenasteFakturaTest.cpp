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

TEST_F(SenasteFaktura, WithoutSentInvoicesEndsSilentlyAndLeavesTheDocument) {
    const std::string dokument = skrivExempel(0);
    const std::string före = läsFil(dokument);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {dokument, "--latestInvoice"},
             {dokument, "--latestInvoice", "--hide00", "--format=2"},
         }) {
        Körning k = körKontobok(args, {.indata = "{}"});
        EXPECT_EQ(k.status, 0) << args.size();
        EXPECT_EQ(k.ut, "") << args.size();
        EXPECT_EQ(k.fel, "") << args.size();
        EXPECT_TRUE(läsFil(dokument) == före) << args.size();
    }
}

TEST_F(SenasteFaktura, WithSentInvoicesRefusesOnStandardErrorAndLeavesTheDocument) {
    const std::string dokument = skrivExempel(8);
    const std::string före = läsFil(dokument);
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {dokument, "--latestInvoice"},
             {dokument, "--latestInvoice", "--hide00", "--format=1"},
         }) {
        Körning k = körKontobok(args, {.indata = "{}"});
        EXPECT_EQ(k.status, 1) << args.size();
        EXPECT_EQ(k.ut, "") << args.size();
        EXPECT_EQ(k.fel,
                  "The latest-invoice job is not available in this build: invoice 1008 cannot be laid out.\n")
            << args.size();
        EXPECT_TRUE(läsFil(dokument) == före) << args.size();
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
