#pragma once
// A row of a ledger entry: an amount on one account, optionally assigned
// to cost centres. A struck row keeps its amount but counts as zero.
#include "Koder.h"
#include "Modell/Datum.h"
#include "Modell/Radlista.h"
#include "Modell/Referenser.h"
#include "Plattform/CompactPointers.h"
#include "Plattform/Decimal.h"
#include "Plattform/SlotPool.h"
#include "Strommar.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Konto;
class Kostnadsställe;

// The sales kind of a row; the code is the case's position.
enum class Försäljningstyp : int64_t {
    okänd = 0,
    medMomsEllerUtanförEU = 1,
    faktura = 2,
    momsfriVara = 3,
    momsfriTjänst = 4,
};

constexpr int64_t kod(Försäljningstyp typ) { return static_cast<int64_t>(typ); }
template <>
inline std::optional<Försäljningstyp> frånKod<Försäljningstyp>(int64_t kod) {
    if (kod < 0 || kod > 4) return std::nullopt;
    return static_cast<Försäljningstyp>(kod);
}

// Not a Sparbar: a row is read and written only as part of its entry, and
// the virtual table's word is worth saving hundreds of thousands of times.
class Rad {
public:
    // A large ledger holds hundreds of thousands of these.
    static void* operator new(size_t size) { return SlotPool<sizeof(Rad)>::allocate(size); }
    static void operator delete(void* p, size_t size) { SlotPool<sizeof(Rad)>::release(p, size); }

    Konto* konto;                   // never null; fixed when made
    Decimal ursprungligtBelopp;     // the amount as entered; fixed when made
    int64_t nummer;                 // fixed when made
    CompactPointers<Kostnadsställe> kostnadsställen;  // mostly none or one
    // A large ledger holds hundreds of thousands of rows: their texts,
    // mostly none or short, are kept in one word each.
    CompactText tillagdAv;                    // fixed when made
    ValfrittDatum tillagdDatum;               // fixed when made
    CompactText borttagenAv;                  // set when the row is struck
    ValfrittDatum borttagenDatum;
    Försäljningstyp försäljningstyp = Försäljningstyp::okänd;
    CompactText utdragshash;                  // bank-statement line identity; fixed when made

    Rad(Konto& konto, Decimal belopp, int64_t nummer, std::vector<Kostnadsställe*> kostnadsställe,
        std::optional<std::string> tillagdAv, std::optional<Datum> tillagdDatum, std::optional<std::string> borttagenAv,
        std::optional<Datum> borttagenDatum, std::optional<std::string> hash);
    // Throws SkadatDokument "Konto för rad saknas" when the account is not
    // among the given ones, and for a missing amount or an unknown sales kind.
    Rad(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const;

    bool borttagen() const { return borttagenAv.has_value(); }
    // Zero for a struck row, else the amount as entered.
    Decimal belopp() const;

    // Same account number, equal amount by value, same struck state and
    // equal cost centres (compared sorted). Numbers, who and when, the
    // sales kind and the statement identity take no part.
    friend bool operator==(const Rad& a, const Rad& b);
    // By account number, amount, struck before not struck, then fewer
    // cost centres first.
    friend bool operator<(const Rad& a, const Rad& b);
};
