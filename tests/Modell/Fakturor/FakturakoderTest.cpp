#include "Modell/Fakturor/Fakturafalt.h"
#include "Modell/Fakturor/Fakturakolumn.h"
#include "Modell/Fakturor/Fakturastatus.h"
#include "Modell/Fakturor/InbyggdFakturamall.h"
#include "Modell/Fakturor/PEPPOLStatus.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using M = InbyggdFakturamall;

TEST(InbyggdFakturamall, CodesAndBackgroundsOfEveryTemplate) {
    struct Rad {
        M mall;
        const char* kod;
        const char* pdf;  // null: blank page
    };
    const Rad tabell[] = {
        {M::Standard, "Df", nullptr},         {M::Karvomat4, "Karvomat4", nullptr},
        {M::Vinter, "V", "V"},                {M::Vågor, "SL", "SL"},
        {M::Trädgård, "G", "G"},              {M::SmåLådor, "B", "B"},
        {M::SmåGrönaLådor, "Ru2", nullptr},   {M::SmåBlåLådor, "Ru1", nullptr},
        {M::SlutPåRödToner, "CT2", "CT2"},    {M::SlutPåGrönToner, "CT1", "CT1"},
        {M::Skrivmaskin, "BB", nullptr},      {M::Skog, "Sk", "Sk"},
        {M::Rokoko, "Gu", "Gu"},              {M::Regnbåge, "R", "R"},
        {M::Ramar, "Fr", "Fr"},               {M::RödaPrickar, "DotRed", "DotRed"},
        {M::GråPrickar, "DotGrey", "DotGrey"}, {M::Pixi, "Pi", "Pi"},
        {M::Piktogram, "E", "E"},             {M::Papper, "P", "P"},
        {M::Natur, "O", "O"},                 {M::Minimal, "M", "M"},
        {M::Kurvor, "CC", "CC"},              {M::Klassisk, "C", nullptr},
        {M::Himmel, "Hi", "Hi"},              {M::Färgband, "CL", "CL"},
        {M::FallandeLöv, "FL", "FL"},         {M::Diskret, "D", nullptr},
        {M::Diagonal, "Di", "Di"},            {M::Copperplate, "Cp", "Cp"},
        {M::Blomma, "F", "F"},                {M::Band_variant, "EB", "EB"},
        {M::Band, "EBs", "EBs"},              {M::Norsk1, "NoGiro1", "NoGiro"},
        {M::Norsk2, "NoGiro2", "NoGiro"},     {M::Finsk1, "FiGiro1", "FiGiro"},
        {M::Finsk2, "FiGiro2", "FiGiro"},
    };
    ASSERT_EQ(std::size(tabell), allaInbyggdaFakturamallar().size());
    for (size_t i = 0; i < std::size(tabell); ++i) {
        const auto& r = tabell[i];
        SCOPED_TRACE(r.kod);
        EXPECT_EQ(allaInbyggdaFakturamallar()[i], r.mall);  // declaration order
        EXPECT_EQ(kod(r.mall), r.kod);
        EXPECT_EQ(frånKod<M>(r.kod), r.mall);
        if (r.pdf) EXPECT_EQ(pdfnamn(r.mall), r.pdf);
        else EXPECT_FALSE(pdfnamn(r.mall));
    }
    for (const char* okänd : {"df", "DF", "NoGiro", "FiGiro", "", " Df", "Df ", "karvomat4"})
        EXPECT_FALSE(frånKod<M>(okänd)) << okänd;
}

TEST(Fakturakolumn, OnlySingleFlagsAreColumns) {
    const std::pair<Fakturakolumn, int64_t> tabell[] = {
        {Fakturakolumn::radnummer, 1},     {Fakturakolumn::artikelnummer, 2},   {Fakturakolumn::artikelnamn, 4},
        {Fakturakolumn::rabatt, 8},        {Fakturakolumn::kommentar, 16},      {Fakturakolumn::antal, 32},
        {Fakturakolumn::enhet, 64},        {Fakturakolumn::pris, 128},          {Fakturakolumn::prisInklMoms, 256},
        {Fakturakolumn::momssats, 512},    {Fakturakolumn::momsbelopp, 1024},   {Fakturakolumn::belopp, 2048},
        {Fakturakolumn::beloppInklMoms, 4096},
    };
    ASSERT_EQ(std::size(tabell), allaFakturakolumner().size());
    for (size_t i = 0; i < std::size(tabell); ++i) {
        EXPECT_EQ(allaFakturakolumner()[i], tabell[i].first);
        EXPECT_EQ(kod(tabell[i].first), tabell[i].second);
        EXPECT_EQ(frånKod<Fakturakolumn>(tabell[i].second), tabell[i].first);
    }
    for (int64_t k : {int64_t(0), int64_t(-1), int64_t(3), int64_t(6), int64_t(8192), int64_t(1) << 62, INT64_MIN})
        EXPECT_FALSE(frånKod<Fakturakolumn>(k)) << k;
}

TEST(Fakturastatus, CodesAreNotInCaseOrder) {
    const std::pair<Fakturastatus, int64_t> tabell[] = {
        {Fakturastatus::skickad, 1},  {Fakturastatus::förfallen, 2},         {Fakturastatus::betald, 6},
        {Fakturastatus::påmind, 3},   {Fakturastatus::påmindFleraGånger, 4}, {Fakturastatus::återköpt, 7},
        {Fakturastatus::kundförlust, 8}, {Fakturastatus::delbetald, 5},
    };
    ASSERT_EQ(std::size(tabell), allaFakturastatusar().size());
    for (size_t i = 0; i < std::size(tabell); ++i) {
        EXPECT_EQ(allaFakturastatusar()[i], tabell[i].first);
        EXPECT_EQ(kod(tabell[i].first), tabell[i].second);
        EXPECT_EQ(frånKod<Fakturastatus>(tabell[i].second), tabell[i].first);
    }
    EXPECT_FALSE(frånKod<Fakturastatus>(0));
    EXPECT_FALSE(frånKod<Fakturastatus>(9));
}

TEST(PEPPOLStatus, CodesAndEquality) {
    const std::pair<PEPPOLStatus, int64_t> tabell[] = {
        {PEPPOLStatus::ej(), 1},       {PEPPOLStatus::inväntarKvitto(), 2},  {PEPPOLStatus::mottagen(), 3},
        {PEPPOLStatus::nekad(), 4},    {PEPPOLStatus::laddarUpp(7, 9), 5},   {PEPPOLStatus::slårUppMottagare(), 6},
    };
    for (const auto& [status, k] : tabell) {
        EXPECT_EQ(kod(status), k);
        auto läst = frånKod<PEPPOLStatus>(k);
        ASSERT_TRUE(läst);
        EXPECT_EQ(läst->fall, status.fall);
    }
    EXPECT_EQ(frånKod<PEPPOLStatus>(5), PEPPOLStatus::laddarUpp(0, 0));  // counters are not stored
    EXPECT_FALSE(frånKod<PEPPOLStatus>(0));
    EXPECT_FALSE(frånKod<PEPPOLStatus>(7));

    EXPECT_EQ(PEPPOLStatus::laddarUpp(1, 2), PEPPOLStatus::laddarUpp(1, 2));
    EXPECT_NE(PEPPOLStatus::laddarUpp(1, 2), PEPPOLStatus::laddarUpp(1, 3));
    EXPECT_NE(PEPPOLStatus::laddarUpp(1, 2), PEPPOLStatus::laddarUpp(2, 2));
    EXPECT_NE(PEPPOLStatus::laddarUpp(0, 0), PEPPOLStatus::ej());
    EXPECT_EQ(PEPPOLStatus::mottagen(), PEPPOLStatus::mottagen());
}

TEST(FakturafaltId, CodesOfAllSeventyFiveKinds) {
    const char* koder[] = {
        "_recipient_address", "_recipient_company", "_recipient_person", "_reminder", "_title", "_no",
        "_sender_person", "_delivery_address", "_delivery_method", "_recipient_vatno", "_sender_company",
        "_email", "_fax", "_telephone", "_sender_address", "_sender_company_city", "_orgid", "_vatno",
        "_homepage", "_total_vat", "_amount_incl_vat", "_amount_excl_vat", "_invoice_level_rebate",
        "_swedish_rounding", "_total_amount_whole", "_total_amount_cent", "_free_text_note", "_delivery_date",
        "_registered_for_tax", "_registered_for_vat", "_page_number", "_page_count", "_qrcode",
        "_credit_details", "_credit_period", "_logo", "_invoice_month", "_invoice_year", "_invoice_date",
        "_purchase_order_no", "_payment_option_2", "_payment_option_1", "_due_date", "_bic", "_bank", "_iban",
        "_bank_account", "_currency_code", "_amounts_for_each_vat_level", "_barcode_digits", "_barcode",
        "_fi_refno", "_line_unique_id", "_line_article_number", "_line_article_name", "_line_comment",
        "_line_rebate", "_line_pcs", "_line_price", "_line_price_incl_vat", "_line_vat_level", "_line_vat",
        "_line_total_excl_vat", "_line_total_incl_vat", "_line_unit", "_customer_number", "_person_number",
        "_person_number2", "_property_id", "_bostadsratt", "_apartment_no", "_rot_rut_amount", "_line_contents",
        "_line_headers", "_swish",
    };
    ASSERT_EQ(std::size(koder), Fakturafält::antalId);
    std::set<std::string> sedda;
    for (size_t i = 0; i < std::size(koder); ++i) {
        auto id = frånKod<Fakturafält::Id>(int64_t(i));
        ASSERT_TRUE(id);
        EXPECT_EQ(allaFältId()[i], *id);
        EXPECT_EQ(kod(*id), koder[i]) << i;
        EXPECT_EQ(frånKod<Fakturafält::Id>(std::string_view(koder[i])), id);
        sedda.insert(koder[i]);
    }
    EXPECT_EQ(sedda.size(), Fakturafält::antalId);
    // Spot checks that tie case names to codes.
    using Id = Fakturafält::Id;
    EXPECT_EQ(kod(Id::Number), "_no");
    EXPECT_EQ(kod(Id::WebPage), "_homepage");
    EXPECT_EQ(kod(Id::LineNumber), "_line_unique_id");
    EXPECT_EQ(kod(Id::LineQuantity), "_line_pcs");
    EXPECT_EQ(kod(Id::Bostadsrättsförening), "_bostadsratt");
    EXPECT_EQ(static_cast<int64_t>(Id::Date), 38);
    EXPECT_EQ(static_cast<int64_t>(Id::Swish), 74);

    EXPECT_FALSE(frånKod<Id>(int64_t(-1)));
    EXPECT_FALSE(frånKod<Id>(int64_t(75)));
    for (const char* okänd : {"_unknown", "", "_NO", "recipient_address", "_recipient_address "})
        EXPECT_FALSE(frånKod<Id>(std::string_view(okänd))) << okänd;
}
