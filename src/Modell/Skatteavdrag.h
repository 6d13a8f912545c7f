#pragma once
// The ROT or RUT household tax deduction of an invoice, or none. It is
// stored inside the invoice records, not as a list record of its own.
#include "Modell/Rotuppgifter.h"
#include "Plattform/Decimal.h"
#include "Strommar.h"

#include <optional>
#include <string>
#include <variant>

class Skatteavdrag {
public:
    struct Rot {
        std::optional<std::string> personnummer1;
        std::optional<std::string> personnummer2;
        Decimal andel;
        std::optional<Rotuppgifter> uppgifter;
        std::optional<Decimal> avdragssats;
    };
    struct Rut {
        std::optional<std::string> personnummer1;
        std::optional<std::string> personnummer2;
        Decimal andel;
        std::optional<Decimal> avdragssats;
    };
    struct Inget {};

    std::variant<Inget, Rot, Rut> fall;

    static Skatteavdrag rot(std::optional<std::string> personnummer1, std::optional<std::string> personnummer2,
                            Decimal andel, std::optional<Rotuppgifter> uppgifter, std::optional<Decimal> avdragssats) {
        return {Rot{std::move(personnummer1), std::move(personnummer2), andel, std::move(uppgifter), avdragssats}};
    }
    static Skatteavdrag rut(std::optional<std::string> personnummer1, std::optional<std::string> personnummer2,
                            Decimal andel, std::optional<Decimal> avdragssats) {
        return {Rut{std::move(personnummer1), std::move(personnummer2), andel, avdragssats}};
    }
    static Skatteavdrag inget() { return {}; }

    const Rot* somRot() const { return std::get_if<Rot>(&fall); }
    const Rut* somRut() const { return std::get_if<Rut>(&fall); }
    bool ärInget() const { return std::holds_alternative<Inget>(fall); }

    // The rates a new ROT or RUT deduction starts with: 0.3 and 0.5.
    static Decimal standardFörROT() { return Decimal::make(3, -1, false); }
    static Decimal standardFörRUT() { return Decimal::make(5, -1, false); }

    void spara(Utström& ström) const;
    // A kind word other than 1 (ROT) or 2 (RUT) is no deduction, and
    // nothing more is read. A missing share is a FormatError.
    static Skatteavdrag ladda(Inström& ström);

    // Same case; the shares and rates compared by value, the texts by
    // canonical equivalence, none equal only to none.
    friend bool operator==(const Skatteavdrag& a, const Skatteavdrag& b);
};
