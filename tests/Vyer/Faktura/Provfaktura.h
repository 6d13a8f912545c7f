#pragma once
// An invoice and a ledger for layout tests, every value set directly by
// the test: the layout reads invoices only through their interface.
// Amounts and percentages come out as in Sweden, the suite's locale
// (Testlokal.cpp), unless a test fixes another (lokal::sättAktuell).
#include "Modell/Adress.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Skatteavdrag.h"
#include "Plattform/Decimal.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace prov {

inline Decimal D(const char* text) { return *Decimal::parseWhole(text); }

struct Post : Fakturapostliknande {
    Decimal momssats_ = D("0.25"), momsbelopp_ = D("25"), beloppExklMoms_ = D("100"), belopp_ = D("125");
    Decimal pris_ = D("100"), antal_ = D("1"), prisInklMoms_ = D("125");
    std::optional<std::string> enhet_ = "st", artikelnamn_ = "Vara", artikelnummer_ = "1", kommentar_,
                               rabattbeskrivning_;

    Decimal momssats() const override { return momssats_; }
    Decimal momsbelopp() const override { return momsbelopp_; }
    Decimal beloppExklMoms() const override { return beloppExklMoms_; }
    Decimal belopp() const override { return belopp_; }
    Decimal pris() const override { return pris_; }
    Decimal antal() const override { return antal_; }
    std::optional<std::string> enhet() const override { return enhet_; }
    std::optional<std::string> artikelnamn() const override { return artikelnamn_; }
    std::optional<std::string> artikelnummer() const override { return artikelnummer_; }
    std::optional<std::string> kommentar() const override { return kommentar_; }
    Decimal prisInklMoms() const override { return prisInklMoms_; }
    std::optional<std::string> rabattbeskrivning() const override { return rabattbeskrivning_; }
};

struct Faktura : Fakturaliknande {
    Decimal attBetala_ = D("125");
    std::optional<std::string> erReferens_, vårReferens_, företag_ = "Kund AB";
    std::string nummer_ = "1042";
    Datum fakturadatum_{20261201}, förfallodatum_{20261231};
    std::optional<Datum> leveransdatum_;
    std::string valuta_ = "SEK";
    std::optional<std::string> inköpsordernummer_, leveranssätt_, meddelande_, momsregistreringsnummer_;
    int64_t betalningsfrist_ = 30;
    std::vector<Post> poster;
    std::vector<Fakturakolumn> kolumner_ = {Fakturakolumn::artikelnamn, Fakturakolumn::antal,
                                            Fakturakolumn::pris, Fakturakolumn::belopp};
    std::optional<std::string> kundnummer_;
    Skatteavdrag skatteavdrag_ = Skatteavdrag::inget();
    std::optional<Decimal> avdragsbelopp_, rabatt_;
    Decimal nettobelopp_ = D("100"), rabattbelopp_ = D("0"), öresutjämningsbelopp_ = D("0"),
            momsbelopp_ = D("25"), beloppExklMoms_ = D("100");
    bool öresutjämna_ = false;
    std::string språk_ = "sv";
    std::optional<std::string> kreditvillkor_;
    std::optional<Adress> mottagaradress_ = adress("Storgatan 1", "111 22", "Stockholm");
    std::optional<Adress> leveransadress_;
    Fakturamall* egenFakturamall_ = nullptr;
    std::optional<InbyggdFakturamall> inbyggdFakturamall_ = InbyggdFakturamall::Karvomat4;
    bool omvändSkattskyldighetFörMoms_ = false;
    std::string momssammanfattning_ = "Moms 25 %: 25,00 kr";
    std::optional<std::string> rubriktext_ = "Faktura", påminnelsetext_;

    static Adress adress(std::string gata, std::string postnummer, std::string ort, std::string land = "se") {
        Adress a;
        a.gata = std::move(gata), a.postnummer = std::move(postnummer), a.postadress = std::move(ort);
        a.land = std::move(land);
        return a;
    }

    Decimal attBetala() const override { return attBetala_; }
    std::optional<std::string> erReferens() const override { return erReferens_; }
    std::optional<std::string> vårReferens() const override { return vårReferens_; }
    std::optional<std::string> företag() const override { return företag_; }
    std::string nummer() const override { return nummer_; }
    Datum fakturadatum() const override { return fakturadatum_; }
    Datum förfallodatum() const override { return förfallodatum_; }
    std::optional<Datum> leveransdatum() const override { return leveransdatum_; }
    std::string valuta() const override { return valuta_; }
    std::optional<std::string> inköpsordernummer() const override { return inköpsordernummer_; }
    std::optional<std::string> leveranssätt() const override { return leveranssätt_; }
    std::optional<std::string> meddelande() const override { return meddelande_; }
    std::optional<std::string> momsregistreringsnummer() const override { return momsregistreringsnummer_; }
    int64_t betalningsfrist() const override { return betalningsfrist_; }
    std::vector<const Fakturapostliknande*> fakturaposter() const override {
        std::vector<const Fakturapostliknande*> ut;
        for (const auto& p : poster) ut.push_back(&p);
        return ut;
    }
    std::vector<Fakturakolumn> kolumner() const override { return kolumner_; }
    std::optional<std::string> kundnummer() const override { return kundnummer_; }
    Skatteavdrag skatteavdrag() const override { return skatteavdrag_; }
    std::optional<Decimal> avdragsbelopp() const override { return avdragsbelopp_; }
    Decimal nettobelopp() const override { return nettobelopp_; }
    Decimal rabattbelopp() const override { return rabattbelopp_; }
    std::optional<Decimal> rabatt() const override { return rabatt_; }
    Decimal öresutjämningsbelopp() const override { return öresutjämningsbelopp_; }
    bool öresutjämna() const override { return öresutjämna_; }
    Decimal momsbelopp() const override { return momsbelopp_; }
    Decimal beloppExklMoms() const override { return beloppExklMoms_; }
    std::string språk() const override { return språk_; }
    std::optional<std::string> kreditvillkor() const override { return kreditvillkor_; }
    std::optional<Adress> mottagaradress() const override { return mottagaradress_; }
    Fakturamall* egenFakturamall() const override { return egenFakturamall_; }
    std::optional<InbyggdFakturamall> inbyggdFakturamall() const override { return inbyggdFakturamall_; }
    bool omvändSkattskyldighetFörMoms() const override { return omvändSkattskyldighetFörMoms_; }
    std::string momssammanfattning() const override { return momssammanfattning_; }
    std::optional<std::string> rubriktextIFakturamall(const Fakturamall*, bool) const override { return rubriktext_; }
    std::optional<std::string> påminnelsetextIFakturamall(const Fakturamall*) const override {
        return påminnelsetext_;
    }
    std::optional<std::string> fakturaadressGivetAvsändarland(const std::string& land) const override {
        if (!mottagaradress_) return företag_;
        return företag_.value_or("") + "\u2028" + mottagaradress_->formatteradFörAvsändarland(land, true);
    }
    std::optional<std::string> adressAttLevereraTillGivetAvsändarland(const std::string& land) const override {
        if (!leveransadress_) return std::nullopt;
        return företag_.value_or("") + "\u2028" + leveransadress_->formatteradFörAvsändarland(land, true);
    }
    std::optional<Adress> leveransadress() const override { return leveransadress_; }
};

// A Swedish limited company with its address, approved for F-tax.
inline std::unique_ptr<Bokföring> bokföring(Företagsform form = Företagsform::aktiebolag) {
    auto b = std::make_unique<Bokföring>("SEK", "556000-0000", "se", std::string("0A1B2C3D-0000-4000-8000-00000000000C"),
                                         form);
    b->namn = "Exempel AB";
    b->adress = Faktura::adress("Kungsgatan 2", "411 19", "Göteborg");
    return b;
}

// Every way of payment a Swedish ledger shows: giros, Swish, IBAN and BIC,
// bank and account, seven rows.
inline void allaBetalningssätt(Bokföring& b) {
    b.bankgiro = "123-4567", b.plusgiro = "12 34 56-7", b.swish = "123 456 78 90";
    b.iban = "SE45 5000 0000 0583 9825 7466", b.bic = "ESSESESS";
    b.bank = "Banken", b.bankkonto = "1234-56 789 01";
}

// The giros and Swish a Swedish ledger adds one step at a time: none, then
// Bankgiro, then Swish and Plusgiro beside it.
inline void betalningssättISteg(Bokföring& b, int steg) {
    b.bankgiro.reset(), b.swish.reset(), b.plusgiro.reset();
    if (steg >= 1) b.bankgiro = "123-4567";
    if (steg >= 2) b.swish = "123 456 78 90", b.plusgiro = "12 34 56-7";
}

// Every reference, delivery fact and tax deduction, and the customer's
// number shown.
inline void allaFakta(Faktura& f, Bokföring& b) {
    f.erReferens_ = "Johan", f.vårReferens_ = "Eva";
    f.momsregistreringsnummer_ = "DE123", f.inköpsordernummer_ = "PO-7";
    f.leveranssätt_ = "Bud", f.leveransdatum_ = Datum{20261130};
    f.skatteavdrag_ = Skatteavdrag::rot("19700101-1234", "19720202-2345", D("0.5"), Rotuppgifter::hus("Eken 1:2"),
                                        Skatteavdrag::standardFörROT());
    b.visaKundnummerPåFakturor = true;
    f.kundnummer_ = "K-1";
}

}  // namespace prov
