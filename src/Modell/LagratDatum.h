#pragma once
// A date inside a record: its integer yyyyMMdd, 0 for none.
#include "Modell/Datum.h"
#include "Strommar.h"

#include <optional>

inline std::optional<Datum> optionalDatum(Inström& ström) {
    int64_t v = ström.int64();
    if (v == 0) return std::nullopt;
    return Datum(v);
}

inline void writeDatum(Utström& ström, std::optional<Datum> datum) { ström.writeInt64(datum ? datum->d : 0); }
