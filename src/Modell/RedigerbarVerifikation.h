#pragma once
// The editable counterpart of an entry, used while an entry is edited.
// This system keeps its fields and its comparison rules.
#include "Modell/Datum.h"
#include "Modell/RedigerbarRad.h"
#include "Modell/Verifikation.h"
#include "Modell/Verifikationstyp.h"
#include "Plattform/Bytes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct RedigerbarVerifikation {
    std::optional<int64_t> nummer;
    std::string namn;
    Datum datum;
    Verifikationstyp typ = Verifikationstyp::okänd;
    std::vector<RedigerbarRad> rader;
    std::optional<std::string> fakturanummer;
    std::optional<std::string> leverantörsfakturanummer;
    std::optional<std::string> kommentar;
    std::optional<Bytes> bildobjekt;
    std::optional<Bytes> bildURL;
    std::optional<Bytes> bildbokmärke;
    std::string uuid;  // identity of the editable copy

    // Equal when the numbers (both absent, or the same) and the dates are.
    friend bool operator==(const RedigerbarVerifikation& a, const RedigerbarVerifikation& b) {
        return a.nummer == b.nummer && a.datum == b.datum;
    }
    // Ordered as entries are.
    friend bool operator<(const RedigerbarVerifikation& a, const RedigerbarVerifikation& b) {
        return Verifikation::kommerFöre(a.nummer, a.datum, a.typ, a.namn, b.nummer, b.datum, b.typ, b.namn);
    }
};
