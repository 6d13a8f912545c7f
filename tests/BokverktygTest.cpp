// The developer tool bokinspect: its payment-code and codec commands, read
// back with an independent decoder (zbarimg) and the reference streams.
#include "Fillagring.h"
#include "Modell/Fakturor/Fakturabok.h"
#include "Plattform/Filer.h"
#include "Programkorning.h"
#include "Streckkodslasare.h"
#include "Testdata.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace fakturabok;
using namespace testhjalp;

namespace {

class Bokinspect : public MedTillfälligKatalog {
protected:
    void SetUp() override {
        program = fs::path(KONTOBOK_BINARY).parent_path() / "bokinspect";
        ASSERT_TRUE(fs::exists(program)) << program << " is not built";
        MedTillfälligKatalog::SetUp();
        auto b = bokföring();
        b->bankgiro = "123-4567";
        auto d = ejSkickad(*b);
        post(*b, *d, "V", "10", "1");  // 11.20, rounded to 11
        d->NumreratObjekt::nummer = "1005";
        d->ordningstal = 1005;
        b->skickadeFakturor.push_back(std::make_unique<Faktura>(*d, std::nullopt));
        dokument = katalog / "koder.bok";
        writeFileSafely(dokument, b->dataMedMellansteg(versionSomSkrivs));
    }
    Körning inspektera(const std::vector<std::string>& argument) { return körProgram(program.string(), argument); }

    fs::path program, dokument;
};

}  // namespace

TEST_F(Bokinspect, QrCodeOfASentInvoiceDecodes) {
    const fs::path png = katalog / "qr.png";
    ASSERT_EQ(inspektera({"qr", dokument.string(), "1005", png.string()}).status, 0);
    EXPECT_EQ(avkodaFil(png),
              R"({"uqr":2,"tp":1,"idt":"20240502","ddt":"20240601","cur":"SEK","iref":"1005","cid":"556000-0000",)"
              R"("cc":"se","nme":"Fakturor AB","due":11,"vat":1.2,"pt":"BG","acc":"123-4567","vm":10})");
    Körning fel = inspektera({"qr", dokument.string(), "999", png.string()});
    EXPECT_NE(fel.status, 0);
    EXPECT_EQ(fel.ut + fel.fel, "bokinspect: no sent invoice has the number \"999\"\n");
}

TEST_F(Bokinspect, FinnishBarcodeOfASentInvoiceDecodes) {
    const fs::path png = katalog / "fi.png";
    Körning k = inspektera({"fi-barcode", dokument.string(), "1005", "FI21 1234 5600 0007 85", png.string()});
    const std::string ut = k.ut + k.fel;
    ASSERT_EQ(k.status, 0) << ut;
    // Reference 1005 with its 7-3-1 check digit 8; 11.00 euros; due 2024-06-01.
    const std::string streckkod = "4211234560000078500001100000000000000000000100582406" "01";
    EXPECT_EQ(ut.substr(0, ut.find("wrote")), "barcode: " + streckkod + "\nreference: 10058\n");
    EXPECT_EQ(avkodaFil(png), streckkod);
    Körning fel = inspektera({"fi-barcode", dokument.string(), "1005", "FI21", png.string()});
    EXPECT_NE(fel.status, 0);
    EXPECT_EQ(fel.ut + fel.fel, "bokinspect: The IBAN appears to be of incorrect length for SEPA barcodes.\n");
}

TEST_F(Bokinspect, LzfseCommandsReproduceTheReferenceStreams) {
    for (const std::string namn : {"s05-ledger-300", "s11-ledger-1m"}) {
        const fs::path in = testdata::fil("lzfse/" + namn + ".bin"), ström = testdata::fil("lzfse/" + namn + ".lzfse");
        const fs::path avkodad = katalog / "avkodad", kodad = katalog / "kodad", igen = katalog / "igen";
        ASSERT_EQ(inspektera({"lzfse-decode", ström.string(), avkodad.string()}).status, 0);
        EXPECT_TRUE(läsFil(avkodad) == läsFil(in)) << namn;
        ASSERT_EQ(inspektera({"lzfse-encode", in.string(), kodad.string()}).status, 0);
        ASSERT_EQ(inspektera({"lzfse-decode", kodad.string(), igen.string()}).status, 0);
        EXPECT_TRUE(läsFil(igen) == läsFil(in)) << namn;
    }
    EXPECT_NE(inspektera({"lzfse-decode", dokument.string(), (katalog / "x").string()}).status, 0)
        << "a .bok file is not a bare stream";
}
