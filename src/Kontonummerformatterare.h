#pragma once
// Account numbers shown and typed as plain integers: no grouping, no
// fraction, no spaces.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Kontonummerformatterare {
public:
    // The number as plain decimal text, "-" in front when negative.
    std::string string(int64_t from) const;
    // An optional sign followed by ASCII digits only, within 64 bits;
    // anything else, spaces included, gives none.
    std::optional<int64_t> number(std::string_view from) const;
};
