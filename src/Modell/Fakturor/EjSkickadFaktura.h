#pragma once
// An unsent customer invoice: recipient, dates, texts, switches and items.
// Every amount (net, discount, VAT, öre rounding, tax deduction, amount to
// pay) is computed on demand from the items, rounded at fixed steps:
// item products to whole öre, the invoice discount on the summed net and
// the summed VAT separately, and only the öre rounding and the ROT/RUT
// deduction to whole units.
#include "Modell/Fakturor/EjSkickadFakturapost.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/NumreratObjekt.h"
#include "Modell/Skatteavdrag.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class Affärskontakt;
class Artikel;
class Bokföring;
class Fakturamall;
class Kostnadsställe;

class EjSkickadFaktura : public NumreratObjekt, public Fakturaliknande {
public:
    Affärskontakt* mottagare = nullptr;
    std::vector<std::unique_ptr<EjSkickadFakturapost>> poster;  // in invoice order
    std::vector<Kostnadsställe*> kostnadsställen;
    // The document the invoice belongs to; set by whoever attaches it.
    Bokföring* bokföring = nullptr;
    bool visaLeveransadress = false;
    bool visaLeveransdatum = false;
    std::optional<Datum> _leveransdatum;  // as entered, shown only with visaLeveransdatum
    // The columns the user allows, each once, in the order they were added
    // (the read order for a stored invoice, so it is written back the same).
    std::vector<Fakturakolumn> tillåtnaKolumner;
    // The user template's name as read from a document, until the document
    // reader resolves it with ställInFakturamallBlandMallar.
    std::optional<std::string> _namnPåEgenFakturamall;

    // A blank invoice outside any document, with the defaults of a read
    // record: currency "SEK", language "sv", template Standard, no items.
    EjSkickadFaktura();
    // A new invoice of `bokföring` with the ledger's defaults. The caller
    // hands in the ledger's sent invoices, in list order, once as invoices
    // and once as numbered objects (the same objects): the currency,
    // references, switches and templates are copied from the one with the
    // latest invoice date, and the number follows every sent and unsent
    // invoice of the ledger. Without sent invoices the lists are empty.
    EjSkickadFaktura(Bokföring& bokföring, const std::vector<const Fakturaliknande*>& skickadeFakturor,
                     const std::vector<const NumreratObjekt*>& skickadeSomNumrerade);
    // The same without a number, for a caller that makes many and numbers
    // them itself: the defaults are copied from `förlaga`, the sent invoice
    // with the latest invoice date (`senasteEfterFakturadatum`), or none.
    EjSkickadFaktura(Bokföring& bokföring, const Fakturaliknande* förlaga);
    static const Fakturaliknande* senasteEfterFakturadatum(const std::vector<const Fakturaliknande*>& fakturor);
    // Reads an invoice record; see spara for the layout.
    EjSkickadFaktura(Inström& ström, const Referenser& ref);
    EjSkickadFaktura(const EjSkickadFaktura&) = delete;
    EjSkickadFaktura& operator=(const EjSkickadFaktura&) = delete;
    ~EjSkickadFaktura() override;

    void spara(Utström& ström) const override;

    // A new empty item attached to this invoice and appended to its items.
    EjSkickadFakturapost& läggTillPost();
    // Points every item back to this invoice.
    void ställInFakturakoppling();
    // The user template named by _namnPåEgenFakturamall: the first of
    // `mallar` with that name, or none.
    template <class Lista>
    void ställInFakturamallBlandMallar(const Lista& mallar) {
        egenFakturamall_ = fakturamallMedNamn(mallar, _namnPåEgenFakturamall);
    }

    bool tillåterKolumn(Fakturakolumn kolumn) const;
    void tillåtKolumn(Fakturakolumn kolumn);  // no effect when already allowed

    void sättRabatt(std::optional<Decimal> rabatt) { rabatt_ = rabatt; }
    void sättMeddelande(std::optional<std::string> v) { meddelande_ = std::move(v); }
    void sättValuta(std::string v) { valuta_ = std::move(v); }
    void sättOmvändSkattskyldighetFörMoms(bool v) { omvändSkattskyldighet_ = v; }
    void sättÖresutjämna(bool v) { öresutjämna_ = v; }
    void sättSpråk(std::string v) { språk_ = std::move(v); }
    void sättVårReferens(std::optional<std::string> v) { vårReferens_ = std::move(v); }
    void sättSkatteavdrag(Skatteavdrag v) { skatteavdrag_ = std::move(v); }
    void sättInköpsordernummer(std::optional<std::string> v) { inköpsordernummer_ = std::move(v); }
    void sättFakturadatum(Datum v) { fakturadatum_ = v; }
    void sättBetalningsfrist(int64_t dagar) { betalningsfrist_ = dagar; }
    void sättLeveranssätt(std::optional<std::string> v) { leveranssätt_ = std::move(v); }
    void sättInbyggdFakturamall(std::optional<InbyggdFakturamall> v) { inbyggdFakturamall_ = v; }
    // Also names the template for saving, so clearing it clears the name.
    void sättEgenFakturamall(Fakturamall* mall);

    // The ledger's default article: the article of items without one.
    // None when the invoice belongs to no document.
    const Artikel* förvaldArtikel() const;

    // The invoice interface.
    Decimal attBetala() const override;
    std::optional<std::string> erReferens() const override;
    std::optional<std::string> vårReferens() const override { return vårReferens_; }
    std::optional<std::string> företag() const override;
    std::string nummer() const override { return NumreratObjekt::nummer; }
    Datum fakturadatum() const override { return fakturadatum_; }
    Datum förfallodatum() const override;
    std::optional<Datum> leveransdatum() const override;
    std::string valuta() const override { return valuta_; }
    std::optional<std::string> inköpsordernummer() const override { return inköpsordernummer_; }
    std::optional<std::string> leveranssätt() const override { return leveranssätt_; }
    std::optional<std::string> meddelande() const override { return meddelande_; }
    std::optional<std::string> momsregistreringsnummer() const override;
    int64_t betalningsfrist() const override { return betalningsfrist_; }
    std::vector<const Fakturapostliknande*> fakturaposter() const override;
    // The allowed columns the items have something to show in, in column
    // order.
    std::vector<Fakturakolumn> kolumner() const override;
    std::optional<std::string> kundnummer() const override;
    Skatteavdrag skatteavdrag() const override { return skatteavdrag_; }
    std::optional<Decimal> avdragsbelopp() const override;
    Decimal nettobelopp() const override;
    Decimal rabattbelopp() const override;  // positive for a discount
    std::optional<Decimal> rabatt() const override { return rabatt_; }
    Decimal öresutjämningsbelopp() const override;
    bool öresutjämna() const override { return öresutjämna_; }
    Decimal momsbelopp() const override;
    Decimal beloppExklMoms() const override;
    std::string språk() const override { return språk_; }
    std::optional<std::string> kreditvillkor() const override { return std::nullopt; }
    std::optional<Adress> mottagaradress() const override;
    Fakturamall* egenFakturamall() const override { return egenFakturamall_; }
    std::optional<InbyggdFakturamall> inbyggdFakturamall() const override { return inbyggdFakturamall_; }
    bool omvändSkattskyldighetFörMoms() const override { return omvändSkattskyldighet_; }
    std::string momssammanfattning() const override;
    std::optional<std::string> rubriktextIFakturamall(const Fakturamall* mall, bool följesedel) const override;
    std::optional<std::string> påminnelsetextIFakturamall(const Fakturamall*) const override { return std::nullopt; }
    std::optional<std::string> fakturaadressGivetAvsändarland(const std::string& avsändarland) const override;
    std::optional<std::string> adressAttLevereraTillGivetAvsändarland(const std::string& avsändarland) const override;
    std::optional<Adress> leveransadress() const override;

private:
    // 1 − rabatt, when there is a discount.
    std::optional<Decimal> rabattfaktor() const;
    // Net plus VAT less the deduction: the total before öre rounding.
    Decimal summaFöreÖresutjämning() const;

    std::optional<Decimal> rabatt_;
    std::optional<std::string> meddelande_;
    std::string valuta_ = "SEK";
    bool omvändSkattskyldighet_ = false;
    bool öresutjämna_ = false;
    std::string språk_ = "sv";
    std::optional<std::string> vårReferens_;
    Skatteavdrag skatteavdrag_;
    std::optional<std::string> inköpsordernummer_;
    Datum fakturadatum_;
    int64_t betalningsfrist_ = 0;
    std::optional<std::string> leveranssätt_;
    std::optional<InbyggdFakturamall> inbyggdFakturamall_ = InbyggdFakturamall::Standard;
    Fakturamall* egenFakturamall_ = nullptr;
};
