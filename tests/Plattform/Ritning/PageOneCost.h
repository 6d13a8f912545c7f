#pragma once
// pdfcost's estimate for page 1 of a whole file, as the tests ask for it.
#include <cstdint>
#include <optional>
#include <vector>

namespace testhjalp {

// None when the bytes cannot be read, are encrypted or have no page.
std::optional<uint64_t> costOfPageOne(const std::vector<uint8_t>& pdf, uint64_t limit);

}  // namespace testhjalp
