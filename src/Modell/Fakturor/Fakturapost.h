#pragma once
// An item of a sent invoice: frozen when the invoice is sent, with its
// amounts stored as they were then.
#include "Modell/Artikel.h"
#include "Modell/Fakturor/Fakturapostliknande.h"
#include "Modell/Referenser.h"
#include "Modell/RotOchRutKategori.h"
#include "Plattform/Decimal.h"
#include "Strommar.h"

#include <optional>
#include <string>

class Konto;
class EjSkickadFakturapost;

class Fakturapost : public Fakturapostliknande, public Sparbar {
public:
    std::optional<std::string> artikelnummer_;
    std::optional<std::string> artikelnamn_;
    Artikeltyp typ = Artikeltyp::varor;
    ROT_och_RUT_kategori rotOchRut = ROT_och_RUT_kategori::ej_rot_och_rut;
    Konto* försäljningskonto = nullptr;
    Decimal momssats_;  // as a fraction
    std::optional<Decimal> relativRabatt;
    std::optional<Decimal> absolutRabatt;
    std::optional<std::string> rabattbeskrivning_;
    Decimal pris_;
    Decimal antal_;
    std::optional<std::string> kommentar_;
    std::optional<std::string> enhet_;
    Decimal beloppExklMomsInnanRabatt;
    Decimal rabattbeloppExklMoms;  // zero or negative
    Decimal momsbelopp_;
    Decimal beloppExklMoms_;  // after the item discount
    Decimal belopp_;          // including VAT
    // Set when reading converted a rate stored in percent; never stored.
    bool fixadMomssats = false;

    Fakturapost() = default;
    // Freezes an unsent item. Throws Frysningsfel when the item has neither
    // an article nor a default article of the ledger to take its kind from.
    explicit Fakturapost(const EjSkickadFakturapost& fakturapost);
    // Uses the accounts and articles of `ref`. Throws FormatError for a
    // damaged record and SkadatDokument for an unknown kind or category.
    Fakturapost(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

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
    // pris × (1 + momssats), to whole öre toward negative infinity.
    Decimal prisInklMoms() const override;
    std::optional<std::string> rabattbeskrivning() const override { return rabattbeskrivning_; }
};
