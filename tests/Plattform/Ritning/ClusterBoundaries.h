#pragma once
// Byte offsets of a UTF-8 text's grapheme cluster boundaries, by ICU: what
// the text code's pieces and lines are checked against.
#include <unicode/brkiter.h>
#include <unicode/utext.h>

#include <memory>
#include <set>
#include <string_view>

inline std::set<size_t> clusterBoundaries(std::string_view s) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> it(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    UText* text = utext_openUTF8(nullptr, s.data(), static_cast<int64_t>(s.size()), &status);
    it->setText(text, status);
    std::set<size_t> out;
    for (int32_t b = it->first(); b != icu::BreakIterator::DONE; b = it->next()) out.insert(static_cast<size_t>(b));
    utext_close(text);
    return out;
}
