#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Fakturor/Fakturarubriker.h"

#include <gtest/gtest.h>

namespace {

struct Språktexter {
    const char* språk;
    const char* faktura;
    const char* kredit;
    const char* följesedel;
    const char* påmind;
    const char* påmindFlera;
};

const Språktexter inbyggda[] = {
    {"sv", "FAKTURA", "KREDITFAKTURA", "Följesedel", "1:a påminnelsen", "2:a påminnelsen"},
    {"da", "FAKTURA", "KREDITNOTA", "Følgeseddel", "1. rykker", "2. rykker"},
    {"no", "FAKTURA", "KREDITFAKTURA", "Følgeseddel", "1. påminnelse", "2. påminnelse"},
    {"nb", "FAKTURA", "KREDITFAKTURA", "Følgeseddel", "1. påminnelse", "2. påminnelse"},
    {"de", "RECHNUNG", "GUTSCHRIFT", "Lieferschein", "Erste Mahnung", "Zweite Mahnung"},
    {"en", "INVOICE", "CREDIT INVOICE", "Packing slip", "1st reminder", "2nd reminder"},
    {"es", "FACTURA", "FACTURA DE CRÉDITO", "Albarán", "1er recordatorio", "2o recordatorio"},
    {"fi", "LASKU", "LUOTTOLASKU", "Pakkauslista", "1. muistutus", "2. muistutus"},
    {"fr", "FACTURE", "FACTURE D'AVOIR", "Borderau de livraison", "1er rappel", "2ème rappel"},
    {"it", "FATTURA", "NOTA DI CREDITO", "Distinta di imballaggio", "1° sollecito", "2° sollecito"},
    {"nl", "FACTUUR", "CREDITNOTA", "Pakbon", "Eerste herinnering", "Tweede herinnering"},
};

bool ärKredit(Fakturastatus s) { return s == Fakturastatus::återköpt || s == Fakturastatus::kundförlust; }

void kontrolleraInbyggda(const Fakturamall* mall, const std::string& språk, const Språktexter& t) {
    for (auto status : allaFakturastatusar()) {
        SCOPED_TRACE(kod(status));
        EXPECT_EQ(rubriktextFörMall(mall, språk, status, false, false), ärKredit(status) ? t.kredit : t.faktura);
        EXPECT_EQ(rubriktextFörMall(mall, språk, status, false, true), t.kredit);
        // The delivery-note flag wins over status and sign.
        EXPECT_EQ(rubriktextFörMall(mall, språk, status, true, false), t.följesedel);
        EXPECT_EQ(rubriktextFörMall(mall, språk, status, true, true), t.följesedel);

        auto påminnelse = påminnelsetextFörMall(mall, språk, status);
        if (status == Fakturastatus::påmind) EXPECT_EQ(påminnelse, t.påmind);
        else if (status == Fakturastatus::påmindFleraGånger) EXPECT_EQ(påminnelse, t.påmindFlera);
        else EXPECT_FALSE(påminnelse);
    }
}

Fakturaspråk språkversion(const char* språk, std::initializer_list<std::pair<const char*, const char*>> fraser) {
    Fakturaspråk s;
    s.språk = språk;
    for (const auto& [k, v] : fraser) s.fraser.sätt(k, v);
    return s;
}

}  // namespace

TEST(Fakturarubriker, BuiltInTextsForEveryLanguageKindAndStatus) {
    for (const auto& t : inbyggda) {
        SCOPED_TRACE(t.språk);
        kontrolleraInbyggda(nullptr, t.språk, t);
    }
}

TEST(Fakturarubriker, OtherLanguagesGetTheEnglishTexts) {
    const Språktexter& engelska = inbyggda[5];
    for (const char* språk : {"pt", "SV", "", "sv-SE", "EN"}) {
        SCOPED_TRACE(språk);
        kontrolleraInbyggda(nullptr, språk, engelska);
    }
}

TEST(Fakturarubriker, TemplateWithoutAMatchingLanguageUsesBuiltInTexts) {
    Fakturamall mall;
    kontrolleraInbyggda(&mall, "sv", inbyggda[0]);  // no language versions at all
    mall.språk.push_back(språkversion("en", {}));
    kontrolleraInbyggda(&mall, "sv", inbyggda[0]);
    kontrolleraInbyggda(&mall, "de", inbyggda[4]);
}

TEST(Fakturarubriker, AMatchingTemplateLanguageReplacesTheBuiltInTexts) {
    Fakturamall mall;
    mall.språk.push_back(språkversion("en", {}));
    // An empty phrase table: an empty title, never the built-in one, and no reminder.
    EXPECT_EQ(rubriktextFörMall(&mall, "en", Fakturastatus::skickad, false, false), "");
    EXPECT_EQ(rubriktextFörMall(&mall, "en", Fakturastatus::återköpt, false, false), "");
    EXPECT_EQ(rubriktextFörMall(&mall, "en", Fakturastatus::skickad, true, false), "");
    EXPECT_FALSE(påminnelsetextFörMall(&mall, "en", Fakturastatus::påmind));

    mall.språk.push_back(språkversion("sv", {{"_invoice", "Räkning"},
                                             {"_credit_invoice", "Kredit"},
                                             {"_packing_slip", "Plocklista"},
                                             {"_1st_reminder", "Glöm inte!"}}));
    mall.språk.push_back(språkversion("sv", {{"_invoice", "Den andra"}}));  // only the first match counts
    EXPECT_EQ(rubriktextFörMall(&mall, "sv", Fakturastatus::skickad, false, false), "Räkning");
    EXPECT_EQ(rubriktextFörMall(&mall, "sv", Fakturastatus::kundförlust, false, false), "Kredit");
    EXPECT_EQ(rubriktextFörMall(&mall, "sv", Fakturastatus::betald, false, true), "Kredit");
    EXPECT_EQ(rubriktextFörMall(&mall, "sv", Fakturastatus::återköpt, true, true), "Plocklista");
    EXPECT_EQ(påminnelsetextFörMall(&mall, "sv", Fakturastatus::påmind), "Glöm inte!");
    EXPECT_FALSE(påminnelsetextFörMall(&mall, "sv", Fakturastatus::påmindFleraGånger));
    for (auto status : {Fakturastatus::skickad, Fakturastatus::förfallen, Fakturastatus::betald,
                        Fakturastatus::delbetald, Fakturastatus::återköpt, Fakturastatus::kundförlust})
        EXPECT_FALSE(påminnelsetextFörMall(&mall, "sv", status));
    // Language codes match exactly.
    EXPECT_EQ(rubriktextFörMall(&mall, "SV", Fakturastatus::skickad, false, false), "INVOICE");
}
