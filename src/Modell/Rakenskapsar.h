#pragma once
// A fiscal year: its span, name, closed flag and note, its numbered
// entries, the opening balance of each account and values saved for the
// year's forms. Entry numbers run within a fiscal year.
#include "Modell/Datum.h"
#include "Modell/Referenser.h"
#include "Modell/Verifikation.h"
#include "Plattform/Decimal.h"
#include "Strommar.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class Konto;

class Räkenskapsår : public Sparbar {
public:
    bool stängt = false;
    std::string namn;
    Datum frånOchMed;
    Datum tillOchMed;
    std::optional<std::string> notering;
    std::vector<std::unique_ptr<Verifikation>> verifikationer;
    // Tables keyed by account number and by text. They keep the order in
    // which keys were first added (the read order for a year read from a
    // document), so a document is written back with the same bytes.
    std::vector<std::pair<Konto*, Decimal>> ingåendeSaldon;
    std::vector<std::pair<std::string, std::string>> sparadeBlankettvärden;

    Räkenskapsår(Datum frånOchMed, Datum tillOchMed, std::string namn);
    // Throws FormatError for damaged bytes, and SkadatDokument for an
    // opening balance on an unknown account or without an amount.
    Räkenskapsår(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    // The greatest number among the numbered entries; 0 when none has one.
    int64_t högstaVerifikationsnummer() const;

    // The opening balance of an account (looked up by number), if any.
    const Decimal* ingåendeSaldo(const Konto& konto) const;
    // Replaces the balance of an account already in the table, else adds it.
    void sättIngåendeSaldo(Konto& konto, Decimal saldo);
    // Replaces the value of a key already in the table, else adds the pair.
    void läggTillSparatVärde(std::string nyckel, std::string värde);

    // Fiscal years are equal and ordered by their first day alone.
    friend bool operator==(const Räkenskapsår& a, const Räkenskapsår& b) { return a.frånOchMed == b.frånOchMed; }
    friend bool operator<(const Räkenskapsår& a, const Räkenskapsår& b) { return a.frånOchMed < b.frånOchMed; }
};

template <>
struct std::hash<Räkenskapsår> {
    size_t operator()(const Räkenskapsår& r) const noexcept { return std::hash<Datum>{}(r.frånOchMed); }
};
