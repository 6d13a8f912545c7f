#pragma once
// A sent customer invoice: the frozen copy of an unsent invoice, with its
// totals stored as they were when it was sent, the exchange rate, the
// booking method then in force, and the booking state that later events
// change (payments, reminders, buy-back, credit loss, receivable changes,
// e-invoice delivery).
#include "Modell/Adress.h"
#include "Modell/Bokforingsbas.h"
#include "Modell/Bokforingsmetod.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Fakturor/Fakturapost.h"
#include "Modell/Fakturor/Fakturastatus.h"
#include "Modell/Fakturor/PEPPOLStatus.h"
#include "Modell/NumreratObjekt.h"
#include "Modell/Radlista.h"
#include "Modell/Skatteavdrag.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class Affärskontakt;
class Bokföring;
class EjSkickadFaktura;
class Fakturamall;
class Konto;
class Kostnadsställe;
class Rad;
class Verifikation;

// An unsent invoice that cannot be sent as it is. The message is the
// model's own Swedish text.
class Frysningsfel : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Faktura : public NumreratObjekt, public Fakturaliknande {
public:
    // Fields whose names the invoice interface uses for its getters carry
    // a trailing underscore; the getters below give their values.
    std::optional<std::string> momsregistreringsnummer_;  // the recipient's
    std::optional<std::string> organisationsnummer;       // the recipient's
    PEPPOLStatus peppolStatus = PEPPOLStatus::ej();
    std::string uuid;
    std::string _företag;                  // the recipient's name as shown on the invoice
    Affärskontakt* mottagare = nullptr;    // never null in a document
    std::vector<std::unique_ptr<Fakturapost>> poster;
    std::optional<Decimal> rabatt_;        // a fraction: 0.1 is 10 %
    std::optional<std::string> meddelande_;
    std::optional<std::string> kreditvillkor_;
    Adress _mottagaradress;
    std::optional<Adress> leveransadress_;
    std::optional<Datum> leveransdatum_;
    std::optional<std::string> leveranssätt_;
    std::optional<std::string> inköpsordernummer_;
    std::string valuta_ = "SEK";
    bool öresutjämna_ = false;
    std::optional<std::string> vårReferens_;
    std::optional<std::string> erReferens_;
    bool omvändSkattskyldighetFörMoms_ = false;
    bool ingårInteIKundfordringar = false;
    bool annanValuta = false;              // the currency is not the booking currency
    Decimal växelkurs = Decimal::smallInteger(1);  // invoice currency to booking currency
    Bokföringsmetod metod = Bokföringsmetod::fakturametoden;
    Skatteavdrag skatteavdrag_;
    Datum fakturadatum_;
    int64_t betalningsfrist_ = 0;          // days
    Datum förfallodatum_;
    // The frozen totals, never recomputed from the items.
    Decimal _nettobelopp;
    Decimal _momsbelopp;
    Decimal _beloppExklMoms;               // after the invoice discount
    Decimal _öresutjämningsbelopp;
    Decimal _attBetala;
    Decimal lokaltBeloppAttBetala;         // in the booking currency
    std::optional<Decimal> _avdragsbelopp;
    Decimal hittillsBetaltBelopp;
    Konto* kontoFörSenastBetaltBelopp = nullptr;
    std::optional<Datum> betalningsdatum;
    std::vector<Datum> påminnelserSkickade;
    std::optional<Datum> återköpsdatum;
    std::optional<Datum> kundförlustsdatum;
    std::vector<Kundfordringsändring> kundfordringsändringar;
    std::vector<Kostnadsställe*> kostnadsställen;
    std::vector<Fakturakolumn> kolumner_;
    std::optional<InbyggdFakturamall> inbyggdFakturamall_ = InbyggdFakturamall::Standard;
    Fakturamall* egenFakturamall_ = nullptr;
    std::string språk_ = "sv";
    // The user template's name as read, until the document links it.
    std::optional<std::string> _namnPåEgenFakturamall;

    Faktura() = default;
    // Sends `ejSkickad`: copies it, takes over the recipient's current
    // name, addresses and numbers, stores the totals and fixes the exchange
    // rate (`växelkurs` is used only for a currency other than "SEK").
    // Throws Frysningsfel when the invoice has no recipient, a foreign
    // currency without a rate, a ROT/RUT deduction in a foreign currency,
    // or an item without an article when the ledger has no default one.
    Faktura(const EjSkickadFaktura& ejSkickad, std::optional<Decimal> växelkurs);
    // The same, letting each of the unsent invoice's items go as soon as it
    // is copied, so that a large invoice's items are never held twice. The
    // unsent invoice is left without items; after a throw it is fit only to
    // be dropped.
    Faktura(EjSkickadFaktura&& ejSkickad, std::optional<Decimal> växelkurs);
    // Reads a sent-invoice record, bringing older records up to date.
    // Throws FormatError for a damaged record and SkadatDokument for one
    // that breaks the ledger's rules (unknown recipient, bad codes).
    Faktura(Inström& ström, const Referenser& ref);
    Faktura(const Faktura&) = delete;
    Faktura& operator=(const Faktura&) = delete;
    ~Faktura() override;

    void spara(Utström& ström) const override;

    // The payment status, on today's date.
    Fakturastatus status() const;
    // True when the invoice was returned or written off: its totals then
    // read negated.
    bool krediterad() const { return återköpsdatum.has_value() || kundförlustsdatum.has_value(); }

    // The sales, VAT and rounding rows of the booking on sending, one per
    // account, in account-number order. Throws Fakturafel.
    Radlista försäljningsrader(const Bokföring& bokföring) const;
    // The entry that sending books, or none when the ledger does not book
    // invoices on sending or the invoice was sent under the cash method.
    // Changes nothing. Throws Fakturafel.
    std::unique_ptr<Verifikation> verifikationFörSkickandet(const Bokföring& bokföring) const;

    // The user template named by _namnPåEgenFakturamall: the first of
    // `mallar` with that name, or none.
    template <class Lista>
    void ställInFakturamallBlandMallar(const Lista& mallar) {
        egenFakturamall_ = fakturamallMedNamn(mallar, _namnPåEgenFakturamall);
    }

    // The invoice interface. Totals read negated once the invoice has been
    // returned or written off.
    Decimal attBetala() const override;
    std::optional<std::string> erReferens() const override { return erReferens_; }
    std::optional<std::string> vårReferens() const override { return vårReferens_; }
    std::optional<std::string> företag() const override { return _företag; }
    std::string nummer() const override { return NumreratObjekt::nummer; }
    Datum fakturadatum() const override { return fakturadatum_; }
    Datum förfallodatum() const override { return förfallodatum_; }
    std::optional<Datum> leveransdatum() const override { return leveransdatum_; }
    std::string valuta() const override { return valuta_; }
    std::optional<std::string> inköpsordernummer() const override { return inköpsordernummer_; }
    std::optional<std::string> leveranssätt() const override { return leveranssätt_; }
    std::optional<std::string> meddelande() const override { return meddelande_; }
    std::optional<std::string> momsregistreringsnummer() const override { return momsregistreringsnummer_; }
    int64_t betalningsfrist() const override { return betalningsfrist_; }
    std::vector<const Fakturapostliknande*> fakturaposter() const override;
    std::vector<Fakturakolumn> kolumner() const override { return kolumner_; }
    std::optional<std::string> kundnummer() const override;
    Skatteavdrag skatteavdrag() const override { return skatteavdrag_; }
    std::optional<Decimal> avdragsbelopp() const override;
    Decimal nettobelopp() const override;
    Decimal rabattbelopp() const override;
    std::optional<Decimal> rabatt() const override { return rabatt_; }
    Decimal öresutjämningsbelopp() const override;
    bool öresutjämna() const override { return öresutjämna_; }
    Decimal momsbelopp() const override;
    Decimal beloppExklMoms() const override;
    std::string språk() const override { return språk_; }
    std::optional<std::string> kreditvillkor() const override { return kreditvillkor_; }
    std::optional<Adress> mottagaradress() const override { return _mottagaradress; }
    Fakturamall* egenFakturamall() const override { return egenFakturamall_; }
    std::optional<InbyggdFakturamall> inbyggdFakturamall() const override { return inbyggdFakturamall_; }
    bool omvändSkattskyldighetFörMoms() const override { return omvändSkattskyldighetFörMoms_; }
    std::string momssammanfattning() const override;
    std::optional<std::string> rubriktextIFakturamall(const Fakturamall* mall, bool följesedel) const override;
    std::optional<std::string> påminnelsetextIFakturamall(const Fakturamall* mall) const override;
    std::optional<std::string> fakturaadressGivetAvsändarland(const std::string& avsändarland) const override;
    std::optional<std::string> adressAttLevereraTillGivetAvsändarland(const std::string& avsändarland) const override;
    std::optional<Adress> leveransadress() const override { return leveransadress_; }

private:
    // Both of the above: `släpp`, when given, is `ejSkickad`, whose items go.
    Faktura(const EjSkickadFaktura& ejSkickad, std::optional<Decimal> växelkurs, EjSkickadFaktura* släpp);
    Decimal medTecken(const Decimal& belopp) const;
};

// The sent invoice with the greatest ordinal, the first in list order
// among equals; null for an empty list.
const Faktura* senasteSkickadeFaktura(const std::vector<std::unique_ptr<Faktura>>& fakturor);
