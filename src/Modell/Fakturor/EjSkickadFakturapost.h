#pragma once
// An item of an unsent invoice: price, quantity, texts and an optional
// discount. Nothing about its amounts is stored; they follow from the
// price, the quantity, the discount and the VAT rate read live from the
// article (or the ledger's default article).
#include "Modell/Fakturor/Fakturapostliknande.h"
#include "Modell/Referenser.h"
#include "Plattform/Decimal.h"
#include "Strommar.h"

#include <optional>
#include <string>

class Artikel;
class EjSkickadFaktura;

class EjSkickadFakturapost : public Fakturapostliknande, public Sparbar {
public:
    // The invoice that holds the item; set by whoever attaches it.
    EjSkickadFaktura* faktura = nullptr;
    std::optional<std::string> benämning;  // the item's text when it has no article
    // A fraction of the item amount (0.1 is 10 %). Wins over the absolute
    // discount where both are set.
    std::optional<Decimal> relativRabatt;
    // An amount including VAT, entered as a positive number.
    std::optional<Decimal> absolutRabatt;

    // A new empty item of `faktura`: no article, price 0, quantity 1. The
    // caller appends it to the invoice's items.
    explicit EjSkickadFakturapost(EjSkickadFaktura* faktura);
    // Reads an item record. The article is looked up by number among the
    // articles given and attached without copying its price and unit.
    EjSkickadFakturapost(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    Artikel* artikel() const { return artikel_; }
    // Setting an article copies its price and unit into the item; setting
    // none changes nothing else.
    void sättArtikel(Artikel* artikel);
    void sättPris(Decimal pris) { pris_ = pris; }
    void sättAntal(Decimal antal) { antal_ = antal; }
    void sättEnhet(std::optional<std::string> enhet) { enhet_ = std::move(enhet); }
    void sättKommentar(std::optional<std::string> kommentar) { kommentar_ = std::move(kommentar); }
    // Parses a discount text in the user's locale: a text with "%" is a
    // relative discount, any other an absolute one with currency signs at
    // its ends ignored. A text that is not a number as a whole leaves no
    // discount; none clears both.
    void sättRabattbeskrivning(const std::optional<std::string>& text);

    // pris × antal, in whole öre.
    Decimal beloppExklMomsInnanRabatt() const;
    // The discount excluding VAT: zero or negative.
    Decimal rabattbeloppExklMoms() const;

    // The item interface.
    Decimal momssats() const override;
    Decimal momsbelopp() const override;  // 0 under reverse charge
    Decimal beloppExklMoms() const override;
    Decimal belopp() const override;  // including VAT, also under reverse charge
    Decimal pris() const override { return pris_; }
    Decimal antal() const override { return antal_; }
    std::optional<std::string> enhet() const override { return enhet_; }
    std::optional<std::string> artikelnamn() const override;
    std::optional<std::string> artikelnummer() const override;
    std::optional<std::string> kommentar() const override { return kommentar_; }
    Decimal prisInklMoms() const override;
    std::optional<std::string> rabattbeskrivning() const override;

private:
    bool harOmvändSkattskyldighet() const;

    Artikel* artikel_ = nullptr;
    Decimal pris_;
    Decimal antal_;
    std::optional<std::string> enhet_;
    std::optional<std::string> kommentar_;
};
