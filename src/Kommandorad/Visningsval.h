#pragma once
// The display options of the latest-invoice job, taken from anywhere in the
// argument list (the program's own path included).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct Visningsval {
    // "--hide00": invoice amounts drop a zero fraction.
    bool döljDecimaler = false;
    // "--format=N": the invoice currency style, stored as given; its readers
    // map values outside 0 to 2 to 0.
    int64_t valutastil = 0;
};

// "--hide00" anywhere; the first argument beginning with "--format=", with
// every occurrence of that prefix removed, as an integer (0 when absent or
// not an integer).
Visningsval läsVisningsval(const std::vector<std::string>& args);

// An optional "+" or "-", then ASCII digits and nothing else, within the
// 64-bit range.
std::optional<int64_t> heltalFrånText(std::string_view text);

// Writes both settings to the user defaults, where the invoice's amount
// formatter looks for them.
void sparaVisningsval(const Visningsval& val);
