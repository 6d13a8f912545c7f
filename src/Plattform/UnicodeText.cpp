#include "Plattform/UnicodeText.h"

#include "Plattform/Bytes.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace {
bool isTrimmed(UChar32 c) { return c == '\t' || (c >= 0 && u_charType(c) == U_SPACE_SEPARATOR); }
}  // namespace

std::string normalizedNFC(std::string_view text) {
    if (isAscii(text)) return std::string(text);  // ASCII is always NFC
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    icu::UnicodeString source = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), int32_t(text.size())));
    if (U_FAILURE(status)) return std::string(text);
    icu::UnicodeString normal = nfc->normalize(source, status);
    if (U_FAILURE(status)) return std::string(text);
    std::string out;
    normal.toUTF8String(out);
    return out;
}

bool canonicallyEqual(std::string_view a, std::string_view b) {
    if (a == b) return true;
    if (isAscii(a) && isAscii(b)) return false;
    return normalizedNFC(a) == normalizedNFC(b);
}

std::strong_ordering compareCanonically(std::string_view a, std::string_view b) {
    if (isAscii(a) && isAscii(b)) return a.compare(b) <=> 0;
    return normalizedNFC(a).compare(normalizedNFC(b)) <=> 0;
}

std::string trimmingSpacesAndTabs(std::string_view text) {
    const auto* s = reinterpret_cast<const uint8_t*>(text.data());
    int32_t length = int32_t(text.size());
    int32_t start = 0;
    while (start < length) {
        int32_t next = start;
        UChar32 c;
        U8_NEXT(s, next, length, c);
        if (!isTrimmed(c)) break;
        start = next;
    }
    int32_t end = length;
    while (end > start) {
        int32_t previous = end;
        UChar32 c;
        U8_PREV(s, start, previous, c);
        if (!isTrimmed(c)) break;
        end = previous;
    }
    return std::string(text.substr(size_t(start), size_t(end - start)));
}

std::string replacingCharacters(std::string_view text,
                                const std::function<std::optional<char>(char32_t)>& replacement) {
    std::string out;
    out.reserve(text.size());
    const auto* s = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t i = 0; i < length;) {
        const int32_t start = i;
        UChar32 c;
        U8_NEXT(s, i, length, c);
        std::optional<char> with = c < 0 ? std::nullopt : replacement(char32_t(c));
        if (with) out += *with;
        else out.append(text.substr(size_t(start), size_t(i - start)));
    }
    return out;
}
