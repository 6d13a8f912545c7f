#pragma once
// Counts in template records: unlike list records, a negative count marks
// the record as broken instead of meaning an empty list.
#include "Strommar.h"

#include <string>

inline int64_t läsMallantal(Inström& ström) {
    int64_t antal = ström.int64();
    if (antal < 0) throw FormatError("negative count " + std::to_string(antal) + " in a template record");
    // Every element takes at least one byte.
    if (static_cast<uint64_t>(antal) > ström.remaining())
        throw FormatError("count " + std::to_string(antal) + " in a template record is larger than the data left");
    return antal;
}
