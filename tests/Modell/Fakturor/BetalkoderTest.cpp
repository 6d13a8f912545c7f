// The payment codes of an unsent invoice, read back as a scanner would.
#include "Modell/Fakturor/EjSkickadFaktura.h"
#include "Vyer/Faktura/Betalkodsbilder.h"

#include <gtest/gtest.h>

#include "Fakturaprov.h"
#include "Streckkodslasare.h"

using fakturaprov::D;
using fakturaprov::post;

TEST(Betalkoder, QrCodeOfAnUnsentInvoiceCarriesItsAmountsAndTheLedgersGiro) {
    fakturaprov::Bok b;
    b.bok->namn = "Firma";
    b.bok->bankgiro = "123-4567";
    Artikel& a25 = b.artikel("1", 0);
    Artikel& a12 = b.artikel("2", 1);
    auto f = b.faktura();
    f->NumreratObjekt::nummer = "1007";
    f->sättFakturadatum(Datum(20240131));
    f->sättBetalningsfrist(30);
    post(*f, "100", "1", &a25);
    post(*f, "50", "1", &a12);

    auto text = testhjalp::avkoda(qrkodMedBokföring(*f, *b.bok), "ejskickad-qr");
    ASSERT_TRUE(text);
    for (const char* del : {"\"idt\":\"20240131\"", "\"ddt\":\"20240301\"", "\"iref\":\"1007\"", "\"due\":181",
                            "\"vat\":31", "\"pt\":\"BG\"", "\"acc\":\"123-4567\"", "\"vh\":100", "\"vm\":50"})
        EXPECT_NE(text->find(del), std::string::npos) << del << " in " << *text;
}

TEST(Betalkoder, FinnishReferenceAndBarcodeUseTheInvoicesNumberAmountAndDueDate) {
    fakturaprov::Bok b;
    Artikel& a = b.artikel("1", 0);
    auto f = b.faktura();
    f->NumreratObjekt::nummer = "1007";
    f->sättFakturadatum(Datum(20240131));
    f->sättBetalningsfrist(14);
    post(*f, "100", "1", &a);
    // 1007 with its 7-3-1 check digit: 7·7 + 0·3 + 0·1 + 1·7 = 56, 60 - 56 = 4.
    EXPECT_EQ(f->finsktReferensnummer(), 10074);
    const char* iban = "FI2112345600000785";
    // Version 4, the IBAN's digits, 125.00 euros, reserve, the reference in
    // 20 digits, due 2024-02-14 (the 31st of January and 14 days).
    const std::string streckkod = "4" "2112345600000785" "000125" "00" "000" "00000000000000010074" "240214";
    EXPECT_EQ(f->finskStreckkodssträngMedIBAN(iban), streckkod);
    EXPECT_EQ(testhjalp::avkoda(finskStreckkodsbildMedIban(*f, iban), "ejskickad-streckkod"), streckkod);
}
