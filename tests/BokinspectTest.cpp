// bokinspect's payment-code commands, read back with an independent
// decoder (zbarimg).
#include "Fillagring.h"
#include "Modell/Fakturor/Fakturabok.h"
#include "Plattform/Filer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace fakturabok;

namespace {

std::string kör(const std::string& kommando, int& status) {
    FILE* rör = ::popen(kommando.c_str(), "r");
    std::string ut;
    char buf[4096];
    for (size_t n; rör && (n = std::fread(buf, 1, sizeof buf, rör)) > 0;) ut.append(buf, n);
    status = rör ? ::pclose(rör) : -1;
    return ut;
}

std::string avkoda(const fs::path& png) {
    int status = 0;
    std::string ut = kör("zbarimg --raw -q '" + png.string() + "' 2>/dev/null", status);
    if (!ut.empty() && ut.back() == '\n') ut.pop_back();
    return ut;
}

class Bokinspect : public ::testing::Test {
protected:
    void SetUp() override {
        program = fs::path(KONTOBOK_BINARY).parent_path() / "bokinspect";
        if (!fs::exists(program)) GTEST_SKIP() << "bokinspect is not built";
        katalog = fs::temp_directory_path() / ("bokinspect-" + std::to_string(::getpid()));
        fs::create_directories(katalog);
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
    void TearDown() override {
        if (!katalog.empty()) fs::remove_all(katalog);
    }

    std::string inspektera(const std::string& argument, int& status) {
        return kör("'" + program.string() + "' " + argument + " 2>&1", status);
    }

    fs::path program, katalog, dokument;
};

}  // namespace

TEST_F(Bokinspect, QrCodeOfASentInvoiceDecodes) {
    const fs::path png = katalog / "qr.png";
    int status = 0;
    inspektera("qr '" + dokument.string() + "' 1005 '" + png.string() + "'", status);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(avkoda(png),
              R"({"uqr":2,"tp":1,"idt":"20240502","ddt":"20240601","cur":"SEK","iref":"1005","cid":"556000-0000",)"
              R"("cc":"se","nme":"Fakturor AB","due":11,"vat":1.2,"pt":"BG","acc":"123-4567","vm":10})");
    std::string fel = inspektera("qr '" + dokument.string() + "' 999 '" + png.string() + "'", status);
    EXPECT_NE(status, 0);
    EXPECT_EQ(fel, "bokinspect: no sent invoice has the number \"999\"\n");
}

TEST_F(Bokinspect, FinnishBarcodeOfASentInvoiceDecodes) {
    const fs::path png = katalog / "fi.png";
    int status = 0;
    std::string ut = inspektera("fi-barcode '" + dokument.string() + "' 1005 'FI21 1234 5600 0007 85' '" + png.string() + "'",
                                status);
    ASSERT_EQ(status, 0) << ut;
    // Reference 1005 with its 7-3-1 check digit 8; 11.00 euros; due 2024-06-01.
    const std::string streckkod = "4211234560000078500001100000000000000000000100582406" "01";
    EXPECT_EQ(ut.substr(0, ut.find("wrote")), "barcode: " + streckkod + "\nreference: 10058\n");
    EXPECT_EQ(avkoda(png), streckkod);
    std::string fel = inspektera("fi-barcode '" + dokument.string() + "' 1005 FI21 '" + png.string() + "'", status);
    EXPECT_NE(status, 0);
    EXPECT_EQ(fel, "bokinspect: The IBAN appears to be of incorrect length for SEPA barcodes.\n");
}
