#include "Plattform/Strangar.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>

#include <memory>
#include <vector>

namespace {

// Byte offsets of every character boundary of a UTF-8 text, from 0 to its
// length. The break iterator is costly to make, so each thread keeps one.
std::vector<size_t> teckengränser(std::string_view text) {
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> it(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(it) : nullptr;
    }();

    std::vector<size_t> gränser{0};
    if (text.empty()) return gränser;
    UErrorCode status = U_ZERO_ERROR;
    UText* ut = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
    if (iterator && U_SUCCESS(status)) {
        iterator->setText(ut, status);
        if (U_SUCCESS(status)) {
            for (int32_t g = iterator->next(); g != icu::BreakIterator::DONE; g = iterator->next())
                gränser.push_back(static_cast<size_t>(g));
        }
    }
    utext_close(ut);
    // Without ICU's answer every byte counts as a character rather than
    // losing the text.
    if (gränser.back() != text.size()) {
        gränser.resize(1);
        for (size_t i = 1; i <= text.size(); ++i) gränser.push_back(i);
    }
    return gränser;
}

size_t klamp(int64_t n, size_t antal) {
    if (n <= 0) return 0;
    return static_cast<uint64_t>(n) >= antal ? antal : static_cast<size_t>(n);
}

}  // namespace

std::string allaEfter(std::string_view text, int64_t n) {
    auto g = teckengränser(text);
    return std::string(text.substr(g[klamp(n, g.size() - 1)]));
}

std::string första(std::string_view text, int64_t n) {
    auto g = teckengränser(text);
    return std::string(text.substr(0, g[klamp(n, g.size() - 1)]));
}

std::string sista(std::string_view text, int64_t n) {
    auto g = teckengränser(text);
    size_t antal = g.size() - 1;
    return std::string(text.substr(g[antal - klamp(n, antal)]));
}

int64_t antalTecken(std::string_view text) {
    return static_cast<int64_t>(teckengränser(text).size() - 1);
}

std::string medStorBokstavIVarjeOrd(std::string_view text) {
    icu::UnicodeString in = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    icu::UnicodeString ut;
    const icu::Locale& rot = icu::Locale::getRoot();
    int32_t i = 0;
    while (i < in.length()) {
        UChar32 c = in.char32At(i);
        if (u_isUWhiteSpace(c)) {
            ut.append(c);
            i = in.moveIndex32(i, 1);
            continue;
        }
        int32_t slut = i;
        while (slut < in.length() && !u_isUWhiteSpace(in.char32At(slut))) slut = in.moveIndex32(slut, 1);
        int32_t efterFörsta = in.moveIndex32(i, 1);
        icu::UnicodeString först(in, i, efterFörsta - i);
        icu::UnicodeString rest(in, efterFörsta, slut - efterFörsta);
        ut.append(först.toTitle(nullptr, rot)).append(rest.toLower(rot));
        i = slut;
    }
    std::string resultat;
    ut.toUTF8String(resultat);
    return resultat;
}

std::string versaler(std::string_view text) {
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    u.toUpper(icu::Locale::getRoot());
    std::string ut;
    u.toUTF8String(ut);
    return ut;
}
