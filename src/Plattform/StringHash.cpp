#include "Plattform/StringHash.h"

#include <unicode/unistr.h>

namespace {

constexpr size_t kFönster = 32;  // units taken from each of three windows of long texts

struct Tillstånd {
    uint64_t h;
    // Four units at a time; the inner sum wraps at 32 bits, as the
    // platform computes it in a 32-bit integer.
    void fyra(const char16_t* c) {
        uint32_t t = ((uint32_t{c[0]} * 257u + c[1]) * 257u + c[2]) * 257u + c[3];
        h = h * 67503105u + t;
    }
};

}  // namespace

uint64_t platformStringHash(std::u16string_view u) {
    const size_t n = u.size();
    Tillstånd s{n};
    if (n <= 3 * kFönster) {
        size_t i = 0;
        for (; i + 4 <= n; i += 4) s.fyra(u.data() + i);
        for (; i < n; ++i) s.h = s.h * 257u + u[i];
    } else {
        // Long texts: only the first, middle and last 32 units count.
        for (size_t start : {size_t{0}, n / 2 - kFönster / 2, n - kFönster})
            for (size_t i = start; i < start + kFönster; i += 4) s.fyra(u.data() + i);
    }
    return s.h + (s.h << (n & 31));
}

uint64_t platformStringHash(std::string_view utf8) {
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())));
    return platformStringHash(std::u16string_view(text.getBuffer(), static_cast<size_t>(text.length())));
}
