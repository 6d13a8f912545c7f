#pragma once
// A ledger account of the chart of accounts and its kind. Accounts are
// identified by their number: they compare, order and hash by it alone,
// and every record that refers to an account stores only the number.
#include "Koder.h"
#include "Modell/Referenser.h"
#include "Plattform/Bytes.h"
#include "Strommar.h"

#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class Momsnivå;

enum class Kontotyp : int64_t {
    tillgång = 0,
    skuld = 1,
    intäkt = 2,
    kostnad = 3,
    okänd = 6,  // 4 and 5 are not used
};

constexpr int64_t kod(Kontotyp typ) { return static_cast<int64_t>(typ); }
template <>
std::optional<Kontotyp> frånKod<Kontotyp>(int64_t kod);

class Konto : public Sparbar {
public:
    int64_t nummer = 0;  // fixed when the account is made
    std::string namn;
    Kontotyp typ = Kontotyp::okänd;  // fixed when the account is made
    std::optional<std::string> momskod;
    std::optional<std::string> srukod;
    Momsnivå* momsnivå = nullptr;
    // Kept for the account and written back unchanged; not interpreted.
    std::optional<Bytes> importprofil;
    // The stored VAT-level index, -1 for none; only meaningful while a
    // document is read, until the document reader sets `momsnivå` from it.
    int64_t _momsnivåindex = -1;

    Konto(int64_t nummer, std::string namn, Kontotyp typ);
    // Throws SkadatDokument for an unknown kind code.
    Konto(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    // The first account of the list, in list order, with this number.
    template <class Lista>
    static Konto* hittaKontoMedNummer(int64_t nummer, const Lista& iLista) {
        for (const auto& konto : iLista)
            if (konto->nummer == nummer) return &*konto;
        return nullptr;
    }

    friend bool operator==(const Konto& a, const Konto& b) { return a.nummer == b.nummer; }
    friend std::strong_ordering operator<=>(const Konto& a, const Konto& b) { return a.nummer <=> b.nummer; }
};

template <>
struct std::hash<Konto> {
    size_t operator()(const Konto& k) const noexcept { return std::hash<int64_t>{}(k.nummer); }
};
