#pragma once
// The editable counterpart of a row, used while an entry is edited. This
// system keeps its fields and its identity (the row number).
#include "Modell/Datum.h"
#include "Modell/Rad.h"
#include "Plattform/Decimal.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class Konto;
class Kostnadsställe;

struct RedigerbarRad {
    Konto* konto = nullptr;
    Decimal ursprungligtBelopp;
    int64_t nummer = 0;
    std::vector<Kostnadsställe*> kostnadsställen;
    std::optional<std::string> tillagdAv;
    std::optional<Datum> tillagdDatum;
    std::optional<std::string> borttagenAv;
    std::optional<Datum> borttagenDatum;
    Försäljningstyp försäljningstyp = Försäljningstyp::okänd;
    bool kopplad = false;
    std::optional<std::string> utdragshash;

    bool borttagen() const { return borttagenAv.has_value(); }
    // Zero for a struck row, else the amount as entered.
    Decimal belopp() const { return borttagen() ? Decimal() : ursprungligtBelopp; }

    friend bool operator==(const RedigerbarRad& a, const RedigerbarRad& b) { return a.nummer == b.nummer; }
};

template <>
struct std::hash<RedigerbarRad> {
    size_t operator()(const RedigerbarRad& r) const noexcept { return std::hash<int64_t>{}(r.nummer); }
};
