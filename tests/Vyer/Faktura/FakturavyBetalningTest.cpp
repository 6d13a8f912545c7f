#include "Stegvy.h"

#include <gtest/gtest.h>

namespace {

// A Swedish ledger with every payment detail.
void allaUppgifter(Bokföring& b) {
    b.bankgiro = "123-4567";
    b.plusgiro = "12 34 56-7";
    b.swish = "123 456 78 90";
    b.iban = "SE45 5000 0000 0583 9825 7466";
    b.bic = "ESSESESS";
    b.bank = "Exempelbanken";
    b.bankkonto = "5000-1234567";
}

using Lista = std::vector<std::pair<std::string, std::string>>;

Lista lista(const Datalista& data) {
    Lista ut;
    for (const auto& p : data) ut.push_back({p.rubrik.value_or("<none>"), p.värde.value_or("<none>")});
    return ut;
}

const std::pair<std::string, std::string> bankgiro{"Bankgiro", "123-4567"}, plusgiro{"Plusgiro", "12 34 56-7"},
    swish{"Swish", "123 456 78 90"}, iban{"IBAN", "SE45 5000 0000 0583 9825 7466"}, bic{"SWIFT-BIC", "ESSESESS"};

TEST(Betalningsinformation, EachWayIsListedWhereItServesTheInvoice) {
    struct {
        const char* namn;
        std::string språk = "sv";
        std::optional<std::string> mottagarland = "se";
        bool följesedel = false;
        bool utanBank = false;
        bool svenskBokföring = true;
        Lista väntat;
    } fall[] = {
        {.namn = "Swedish customer", .utanBank = true, .väntat = {bankgiro, plusgiro, swish}},
        {.namn = "Norwegian customer", .mottagarland = "no", .utanBank = true, .väntat = {iban, bic}},
        {.namn = "no address", .mottagarland = std::nullopt, .utanBank = true, .väntat = {bankgiro, plusgiro, swish}},
        // English has no captions for the local ways, so IBAN is listed
        // too, and the giro numbers go under the giros' own names.
        {.namn = "English invoice at home", .språk = "en", .utanBank = true, .väntat = {bankgiro, iban, bic, plusgiro, swish}},
        {.namn = "English invoice abroad", .språk = "en", .mottagarland = "de", .utanBank = true, .väntat = {iban, bic}},
        {.namn = "Norwegian captions at home", .språk = "no", .utanBank = true,
         .väntat = {{"Bankgiro", "123-4567"}, {"Plussgiro", "12 34 56-7"}, swish}},
        {.namn = "delivery note", .följesedel = true, .utanBank = true, .väntat = {}},
        {.namn = "delivery note abroad", .mottagarland = "dk", .följesedel = true, .väntat = {iban, bic}},
        {.namn = "a ledger outside Sweden", .utanBank = true, .svenskBokföring = false, .väntat = {iban, bic}},
    };
    for (const auto& f : fall) {
        prov::Stegvy steg;
        if (!f.svenskBokföring) {
            steg.bok = std::make_unique<Bokföring>("NOK", "923456789", "no", std::nullopt, Företagsform::aktiebolag);
            steg.bok->adress = prov::Faktura::adress("Karl Johans gate 3", "0154", "Oslo", "no");
        }
        allaUppgifter(*steg.bok);
        if (f.utanBank) steg.bok->bank.reset();
        steg.faktura.språk_ = f.språk;
        if (f.mottagarland)
            steg.faktura.mottagaradress_->land = *f.mottagarland;
        else
            steg.faktura.mottagaradress_.reset();
        auto vy = steg.vy(f.följesedel);
        EXPECT_EQ(lista(vy->betalningsinformation()), f.väntat) << f.namn;
    }
}

TEST(Betalningsinformation, BankAndAccountAreListedTogetherOrNotAtAll) {
    struct {
        std::optional<std::string> bank, konto;
        bool följesedel;
        bool listas;
    } fall[] = {
        {"Exempelbanken", "5000-1234567", false, true},
        {"Exempelbanken", "5000-1234567", true, false},
        {"Exempelbanken", std::nullopt, false, false},
        {"Exempelbanken", "", false, false},
        {std::nullopt, "5000-1234567", false, false},
        {"", "5000-1234567", false, false},
    };
    for (const auto& f : fall) {
        prov::Stegvy steg;
        steg.bok->bank = f.bank;
        steg.bok->bankkonto = f.konto;
        auto vy = steg.vy(f.följesedel);
        EXPECT_EQ(vy->visaBankOchBankkonto(), f.listas) << f.bank.value_or("-") << " " << f.konto.value_or("-");
        Lista väntat;
        if (f.listas) väntat = {{vy->rubrikFörBank(), *f.bank}, {vy->rubrikFörBankAccount(), *f.konto}};
        EXPECT_EQ(lista(vy->betalningsinformation()), väntat);
    }
}

TEST(Betalningsinformation, EmptyNumbersCountAsMissing) {
    prov::Stegvy steg;
    allaUppgifter(*steg.bok);
    steg.bok->bankgiro = "";
    steg.bok->swish.reset();
    steg.bok->bic = "";
    steg.faktura.mottagaradress_->land = "fi";
    auto vy = steg.vy();
    EXPECT_FALSE(vy->visaBankgiro());
    EXPECT_FALSE(vy->visaSwish());
    EXPECT_FALSE(vy->visaIBAN());
    steg.faktura.mottagaradress_->land = "se";
    auto hemma = steg.vy();
    EXPECT_FALSE(hemma->visaBankgiro());
    EXPECT_TRUE(hemma->visaPlusgiro());
    EXPECT_FALSE(hemma->visaSwish());
}

TEST(Betalningsinformation, CountryCodesCompareExactly) {
    prov::Stegvy steg;
    allaUppgifter(*steg.bok);
    steg.bok->bank.reset();
    steg.faktura.mottagaradress_->land = "SE";
    auto vy = steg.vy();
    // "SE" is not "se": no Swedish numbers, and a country other than the
    // ledger's own for IBAN.
    EXPECT_EQ(lista(vy->betalningsinformation()), (Lista{iban, bic}));
}

}  // namespace
