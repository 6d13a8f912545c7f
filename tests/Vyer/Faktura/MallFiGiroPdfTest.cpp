// Templates FiGiro1 and FiGiro2 through the tool: one page, three pages and a
// delivery note with what every reader looks for inside the template's
// frames, the giro slip on every page, and the slip's barcode read back by
// an independent scanner.
#include "Mallprov.h"

#include "Modell/Fakturor/Faktura.h"
#include "Pdfkontroll.h"
#include "Provfaktura.h"
#include "Streckkodslasare.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class MallFiGiroPdf : public mallprov::Mallprov {
protected:
    // The amount as the slip writes it, from the invoice's own text of it:
    // its digits and decimal comma, without grouping and currency.
    static std::string slipbelopp(const mallprov::Mallkörning& k) {
        std::string ut;
        for (char c : k.attBetala())
            if ((c >= '0' && c <= '9') || c == ',' || c == '-') ut += c;
        return ut;
    }
    // "d.m.yyyy" without leading zeros.
    static std::string slipdatum(const mallprov::Mallkörning& k) {
        const int64_t d = k.faktura->förfallodatum().d;
        return std::to_string(d % 100) + "." + std::to_string(d / 100 % 100) + "." + std::to_string(d / 10000);
    }

    // The slip in full on a page: its captions, the account, due date and
    // amount in their fields.
    void kontrolleraBlanketten(const mallprov::Mallkörning& k, int sida, bool engelska) {
        SCOPED_TRACE("slip on page " + std::to_string(sida));
        kontrolleraRuta(k, sida, engelska ? "Recipient" : "Saaja", {10, 603, 54.6, 39});
        kontrolleraRuta(k, sida, engelska ? "Signature" : "Allekirjoitus", {10, 716, 54.6, 22});
        kontrolleraRuta(k, sida, engelska ? "Due date" : "Eräpäivä", {326.8, 740, 40.2, 22});
        kontrolleraRuta(k, sida, "Euro", {466.6, 738, 121.4, 24});
        kontrolleraRuta(k, sida, "IBAN", {70.6, 552, 259.2, 48});
        kontrolleraRuta(k, sida, *k.bok->iban, {70.6, 564, 259.2, 36});
        kontrolleraRuta(k, sida, k.bok->namn, {70.6, 603, 259.2, 39});
        kontrolleraRuta(k, sida, slipdatum(k), {376, 747, 90.6, 15});
        kontrolleraRuta(k, sida, slipbelopp(k), {469.6, 747, 118.4, 15});
        kontrolleraRuta(k, sida, engelska ? "the account number given by the payer." : "tilinumeron perusteella.",
                        {397, 768, 155, 74});
        // The sender's tables above keep out of the slip: its account row
        // holds the labels and the account alone.
        for (const auto& o : k.ord)
            if (o.sida == sida && o.ruta.maxY() > 553 && o.ruta.y < 600) {
                const bool känt = o.text == "IBAN" || o.text == "BIC" || o.text == *k.bok->bic ||
                                  k.bok->iban->find(o.text) != std::string::npos;
                EXPECT_TRUE(känt || o.ruta.maxX() < 67.6) << "'" << o.text << "' in the account row";
            }
    }
};

const std::set<std::string> ytor = {"HelveticaNeue", "HelveticaNeue-CondensedBold", "HelveticaNeue-Italic",
                                    "HelveticaNeue-Bold"};
// The facts' values stand at x 496, 12 points a row, from y 47.
const Rect nummer{496, 47, 90, 12};
const Rect förfallodatum{496, 83, 90, 12};
const Rect attBetala{328, 400, 195, 15};
const Rect nettobelopp{330, 356, 193, 13};
const Rect poster{74, 211, 448, 119};
const Rect avsändartabell{53, 470, 189, 77};

TEST_F(MallFiGiroPdf, OnePageInFinnishAndInEnglish) {
    for (const char* kod : {"FiGiro1", "FiGiro2"}) {
        for (const char* språk : {"fi", "en"}) {
            SCOPED_TRACE(std::string(kod) + " " + språk);
            auto k = körMall(kod, {"--latest-language", språk});
            kontrolleraDokument(k, 1, {595, 842}, ytor);
            kontrolleraRuta(k, 1, k.nummer(), nummer);
            kontrolleraRuta(k, 1, k.förfallodatum(), förfallodatum);
            kontrolleraRuta(k, 1, k.attBetala(), attBetala);
            kontrolleraRuta(k, 1, k.nettobelopp(), nettobelopp);
            kontrolleraRuta(k, 1, *k.faktura->fakturaposter().at(0)->artikelnamn(), poster);
            kontrolleraRuta(k, 1, k.bok->namn, avsändartabell);
            kontrolleraBeloppenBaraPåSistaSidan(k, 1);
            kontrolleraBlanketten(k, 1, std::string(språk) == "en");
        }
    }
}

TEST_F(MallFiGiroPdf, ThreePagesEachWithTheSlip) {
    for (const char* kod : {"FiGiro1", "FiGiro2"}) {
        SCOPED_TRACE(kod);
        auto k = körMall(kod, {"--latest-items", "20", "--long-comments"});
        kontrolleraDokument(k, 3, {595, 842}, ytor);
        kontrolleraBeloppenBaraPåSistaSidan(k, 3);
        for (int sida = 1; sida <= 3; ++sida) {
            kontrolleraRuta(k, sida, k.nummer(), nummer);
            kontrolleraRuta(k, sida, k.bok->namn, avsändartabell);
            kontrolleraBlanketten(k, sida, false);
        }
        // Other pages give the rows 169 points from the same top.
        kontrolleraRuta(k, 1, "Rad 1:", {74, 211, 448, 169});
        kontrolleraRuta(k, 3, k.attBetala(), attBetala);
        kontrolleraSaknas(k, 1, k.attBetala());
    }
}

TEST_F(MallFiGiroPdf, DeliveryNoteWithoutSlipOrAmounts) {
    for (const char* kod : {"FiGiro1", "FiGiro2"}) {
        SCOPED_TRACE(kod);
        auto k = följesedel(kod);
        kontrolleraDokument(k, 1, {595, 842}, ytor);
        kontrolleraRuta(k, 1, *k.faktura->fakturaposter().at(0)->artikelnamn(), {74, 211, 448, 656 - 211});
        kontrolleraRuta(k, 1, k.bok->namn, {53, 695, 189, 77});
        kontrolleraSaknas(k, 1, k.attBetala());
        kontrolleraSaknas(k, 1, k.nettobelopp());
        kontrolleraSaknas(k, 1, k.nummer());
        kontrolleraSaknas(k, 1, "Saaja");
        kontrolleraSaknas(k, 1, "Euro");
    }
}

// A ledger kept in Finland: the slip's barcode, read from the printed page
// by zbarimg, is the invoice's bank barcode.
TEST_F(MallFiGiroPdf, BarcodeOnTheSlipScansToTheInvoicesBarcode) {
    auto bok = std::make_unique<Bokföring>("EUR", "1234567-8", "fi", std::nullopt, Företagsform::aktiebolag);
    bok->namn = "Esimerkki Oy";
    bok->adress = prov::Faktura::adress("Mannerheimintie 1", "00100", "Helsinki", "fi");
    bok->iban = "FI37 1590 3000 0007 76";
    prov::Faktura faktura;
    faktura.valuta_ = "EUR";
    faktura.språk_ = "fi";
    faktura.attBetala_ = prov::D("1225.40");
    for (auto mall : {InbyggdFakturamall::Finsk1, InbyggdFakturamall::Finsk2}) {
        faktura.inbyggdFakturamall_ = mall;
        Fakturavy vy(faktura, *bok, false);
        const std::vector<uint8_t> pdf = vy.pdf();
        const auto fil = katalog / "finsk.pdf";
        std::ofstream(fil, std::ios::binary).write(reinterpret_cast<const char*>(pdf.data()), pdf.size());

        testhjalp::Körning bild = testhjalp::körProgram("pdftoppm", {"-r", "300", "-png", "-singlefile", fil.string(),
                                               (katalog / "finsk").string()});
        ASSERT_EQ(bild.status, 0) << bild.fel;
        // Version 4, the IBAN's digits, euros in six places and cents,
        // three zeros, the reference 1042 + check digit 7 in twenty places,
        // the due date as yymmdd.
        const std::string streckkod = "4" "3715903000000776" "001225" "40" "000" "00000000000000010427" "261231";
        EXPECT_EQ(faktura.finskStreckkodssträngMedIBAN(*bok->iban), streckkod);
        EXPECT_EQ(testhjalp::avkodaFil(katalog / "finsk.png"), streckkod);

        const auto o = pdfkontroll::ord(fil);
        EXPECT_TRUE(pdfkontroll::rutaFörText(o, 1, "Viitenro"));
        const auto referens = pdfkontroll::rutaFörText(o, 1, "10427");
        ASSERT_TRUE(referens);
        EXPECT_TRUE(pdfkontroll::inom(*referens, {376, 723, 90.6, 15}, 2));
    }
}

}  // namespace
