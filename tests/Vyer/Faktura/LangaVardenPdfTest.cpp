// Names, addresses and facts of realistic length in every built-in
// template: the example profiles (a housing cooperative of 119 characters
// with a four-line street, a limited partnership with a noble reference, a
// Finnish housing company with five lines of street; a sender of 86
// characters; long references, order, delivery terms, e-mail and web
// addresses, bank, credit terms and message) under Swedish, German and
// Finnish captions, each against the same invoice with ordinary values by
// the field comparison of Faltjamforelse.h: every text whole, over no other
// text, off the paper's edge, nothing the ordinary invoice shows gone, and
// in a user template every text in its field, cut only with an ellipsis.
#include "Faltjamforelse.h"
#include "Programkorning.h"
#include "Tidsbundna.h"
#include "Provbakgrund.h"

#include "Exempel/Exempelbokforing.h"
#include "Exempel/Exempelprofiler.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Fakturor/InbyggdFakturamall.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using fältjämförelse::Läsning;

const char* const språken[] = {"sv", "de", "fi"};
// The size and extraction checks are held by the generated invoices'
// check (GenereradeFakturorPdfTest) alone until the templates meet them.
constexpr bool medStorlekOchUtdrag = false;

// A user template of the fields that show the profile's texts, each a
// frame of ordinary size for its text (the delivery address 240 x 56
// points), over a blank page; the items in a table.
std::unique_ptr<Fakturamall> egenMall() {
    using Id = Fakturafält::Id;
    auto mall = std::make_unique<Fakturamall>();
    mall->namn = "Långa värden";
    mall->radavstånd = 2;
    struct Rad {
        Id id;
        Rect ram;  // from the page's foot
        double storlek;
    };
    const Rad rader[] = {
        {Id::Title, {40, 780, 250, 24}, 18},           {Id::Number, {420, 784, 135, 14}, 10},
        {Id::Date, {420, 768, 135, 14}, 10},            {Id::SenderCompany, {40, 744, 250, 14}, 10},
        {Id::SenderAddress, {40, 704, 250, 38}, 9},     {Id::Email, {300, 744, 255, 12}, 9},
        {Id::WebPage, {300, 730, 255, 12}, 9},          {Id::Bank, {300, 716, 255, 12}, 9},
        {Id::RecipientAddress, {40, 590, 250, 100}, 10}, {Id::DeliveryAddress, {305, 634, 240, 56}, 9},
        {Id::RecipientPerson, {305, 616, 240, 12}, 9},  {Id::SenderPerson, {305, 602, 240, 12}, 9},
        {Id::PurchaseOrderNo, {305, 588, 240, 12}, 9},  {Id::DeliveryMethod, {305, 574, 240, 12}, 9},
        {Id::CustomerID, {305, 560, 115, 12}, 9},       {Id::RecipientVatNo, {425, 560, 130, 12}, 9},
        {Id::LineHeaders, {40, 520, 515, 16}, 9},       {Id::LineContents, {40, 320, 515, 196}, 9},
        {Id::TotalInclVat, {400, 290, 155, 16}, 11},    {Id::FreeText, {40, 220, 515, 40}, 9},
        {Id::CreditDetails, {40, 180, 330, 22}, 8},     {Id::Personnummer, {40, 150, 160, 12}, 9},
        {Id::Personnummer2, {210, 150, 160, 12}, 9},    {Id::Fastighetsbeteckning, {380, 150, 175, 12}, 9},
    };
    for (const Rad& r : rader)
        mall->fält.emplace_back(r.ram, r.id, Stil(Font{"Helvetica", r.storlek}, TextAlignment::left));
    Fakturaspråk sv;
    sv.språk = "sv";
    sv.pdfData = prov::bakgrundspdf(595, 842);
    sv.fraser.sätt("_invoice", "Faktura");
    mall->språk.push_back(std::move(sv));
    return mall;
}

// The latest invoice of the example ledger with the profile's values,
// laid out as the tool lays it out; in the user template `mall` when given,
// whose fields then go to `egna`.
std::unique_ptr<Läsning> skriv(const std::string& kod, const std::string& språk, const Profilval& profil,
                               const fs::path& katalog, std::unique_ptr<Fakturamall> mall = nullptr,
                               std::vector<fältjämförelse::Egetfält>* egna = nullptr) {
    Exempelval val;
    val.antalVerifikationer = 0;
    val.medFakturamall = false;
    val.antalSkickadeFakturor = 1;
    val.senasteFaktura.mall = mall ? "Df" : kod;
    val.senasteFaktura.språk = språk;
    val.senasteFaktura.profil = profil;
    auto bok = byggExempelbokföring(val);
    if (mall) {
        bok->skickadeFakturor.back()->egenFakturamall_ = mall.get();
        bok->fakturamallar.push_back(std::move(mall));
    }
    const std::string namn = kod + "-" + profil.kod + "-" + språk + (profil.långa ? "-long" : "-ordinary");
    return fältjämförelse::skrivSenaste(*bok, katalog / (namn + ".pdf"), egna);
}

class LångaVärdenEgenMall : public testhjalp::MedTillfälligKatalog {
    // The user template's background is read in this process: the layout
    // on it is the point, not its judging.
    testhjalp::IEgenProcess iEgenProcess;

protected:
    // KONTOBOK_MATRIX_PDF_DIR keeps every PDF made, for a look.
    fs::path pdfKatalog() const {
        const char* k = std::getenv("KONTOBOK_MATRIX_PDF_DIR");
        return k ? fs::path(k) : katalog;
    }

    // Every fault on standard output, for the template's test to fail on.
    static void rapportera(const std::string& kod, const std::vector<std::string>& fel) {
        for (const std::string& f : fel) std::printf("%s: %s\n", kod.c_str(), f.c_str());
        EXPECT_TRUE(fel.empty()) << fel.size() << " faults, listed above";
    }
};

class LångaVärden : public LångaVärdenEgenMall, public ::testing::WithParamInterface<InbyggdFakturamall> {};

TEST_P(LångaVärden, EveryTextShowsWholeOverNoOtherText) {
    const std::string kod(::kod(GetParam()));
    std::vector<std::string> fel;
    for (const std::string& profil : exempelprofiler())
        for (const char* språk : språken) {
            const auto kort = skriv(kod, språk, {profil, false}, pdfKatalog());
            const auto lång = skriv(kod, språk, {profil, true}, pdfKatalog());
            for (const auto& b : fältjämförelse::brister(*kort, *lång, profilfält(profil, språk), {}, medStorlekOchUtdrag))
                fel.push_back(kod + " | " + profil + " profile, " + språk + " captions | " + b.text);
        }
    rapportera(kod, fel);
}

TEST_F(LångaVärdenEgenMall, EveryTextStaysInItsFieldAndIsCutOnlyWithAnEllipsis) {
    std::vector<std::string> fel;
    for (const std::string& profil : exempelprofiler())
        for (const char* språk : språken) {
            std::vector<fältjämförelse::Egetfält> ramar;
            const auto kort = skriv("user", språk, {profil, false}, pdfKatalog(), egenMall());
            const auto lång = skriv("user", språk, {profil, true}, pdfKatalog(), egenMall(), &ramar);
            for (const auto& b : fältjämförelse::brister(*kort, *lång, profilfält(profil, språk), ramar, medStorlekOchUtdrag))
                fel.push_back("user | " + profil + " profile, " + språk + " captions | " + b.text);
        }
    rapportera("user", fel);
}

INSTANTIATE_TEST_SUITE_P(AllaMallar, LångaVärden, ::testing::ValuesIn(allaInbyggdaFakturamallar()),
                         [](const auto& info) { return std::string(kod(info.param)); });

}  // namespace
