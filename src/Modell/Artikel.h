#pragma once
// A product or service that invoice items are made from.
#include "Koder.h"
#include "Modell/NumreratObjekt.h"
#include "Modell/RotOchRutKategori.h"
#include "Plattform/Decimal.h"

#include <cstdint>
#include <optional>
#include <string>

class Konto;

enum class Artikeltyp : int64_t { varor = 0, tjänster = 1 };

constexpr int64_t kod(Artikeltyp t) { return static_cast<int64_t>(t); }
template <>
inline std::optional<Artikeltyp> frånKod<Artikeltyp>(int64_t kod) {
    if (kod < 0 || kod > 1) return std::nullopt;
    return static_cast<Artikeltyp>(kod);
}

class Artikel : public NumreratObjekt {
public:
    std::string namn;
    Konto* försäljningskonto = nullptr;
    std::optional<std::string> enhet;
    Decimal pris;
    Artikeltyp typ = Artikeltyp::varor;
    std::string valuta = "SEK";
    bool påminnelseavgift = false;  // the article is a reminder fee
    ROT_och_RUT_kategori rot_och_rut = ROT_och_RUT_kategori::ej_rot_och_rut;
    Decimal _momssats;  // the article's own VAT rate, used without a sales account

    Artikel() = default;
    // The sales account is looked up among the accounts given; without a
    // match it stays empty. An unknown kind or category code throws
    // SkadatDokument, a missing price or rate FormatError.
    Artikel(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    // The rate an invoice item takes: the sales account's VAT level (0 when
    // the account has none), else the article's own rate.
    Decimal momssats() const;

private:
    // Whether the record carries the later field group. A record from an
    // older version is written back in its own shape while the rate is 0.
    bool harSenareGrupp_ = true;
};
