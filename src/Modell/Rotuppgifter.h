#pragma once
// The property a ROT deduction concerns: a house by its property
// designation, or a tenant-owned flat by its association and flat number.
#include "Strommar.h"

#include <string>
#include <variant>

class Rotuppgifter {
public:
    struct Hus {
        std::string fastighetsbeteckning;
    };
    struct Bostadsrätt {
        std::string bostadsrättsförening;
        std::string lägenhetsnummer;
    };

    std::variant<Hus, Bostadsrätt> fall;

    static Rotuppgifter hus(std::string fastighetsbeteckning) { return {Hus{std::move(fastighetsbeteckning)}}; }
    static Rotuppgifter bostadsrätt(std::string bostadsrättsförening, std::string lägenhetsnummer) {
        return {Bostadsrätt{std::move(bostadsrättsförening), std::move(lägenhetsnummer)}};
    }
    const Hus* somHus() const { return std::get_if<Hus>(&fall); }
    const Bostadsrätt* somBostadsrätt() const { return std::get_if<Bostadsrätt>(&fall); }

    void spara(Utström& ström) const;
    // Throws SkadatDokument "Ogiltiga ROT-uppgifter <kind>" for a kind
    // other than 1 (house) or 2 (flat).
    static Rotuppgifter ladda(Inström& ström);

    // Same case and canonically equal texts.
    friend bool operator==(const Rotuppgifter& a, const Rotuppgifter& b);
};
