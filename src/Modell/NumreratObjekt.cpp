#include "Modell/NumreratObjekt.h"

#include "Plattform/StringHash.h"
#include "Plattform/Strangar.h"

#include <unicode/regex.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <charconv>
#include <memory>
#include <unordered_set>

NumreratObjekt::NumreratObjekt(Inström& ström, const Referenser&) {
    nummer = ström.string();
    ordningstal = ström.int64();
    ström.int64();  // closing word, ignored
}

NumreratObjekt::NumreratObjekt(const std::vector<const NumreratObjekt*>& tidigare) {
    nummer = nästaNummer(tidigare, 1).front();
    ordningstal = ordningstalFrånNummer(nummer);
}

void NumreratObjekt::spara(Utström& ström) const {
    ström.writeString(nummer);
    ström.writeInt64(ordningstal);
    ström.writeInt64(0);
}

namespace {

// "\d+" as the platform's regular expressions read it: a run of characters
// of category Nd, any script. Compiled once; a matcher is made per call,
// since matchers hold state.
const icu::RegexPattern* hittaAvslutandeSiffror() {
    static const std::unique_ptr<icu::RegexPattern> mönster = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::RegexPattern> p(icu::RegexPattern::compile(u"\\d+", 0, status));
        return U_SUCCESS(status) ? std::move(p) : nullptr;
    }();
    return mönster.get();
}

std::optional<int64_t> heltalAvAsciiSiffror(const std::string& text) {
    if (text.empty()) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    int64_t v = 0;
    auto [slut, fel] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (fel != std::errc() || slut != text.data() + text.size()) return std::nullopt;
    return v;
}

}  // namespace

std::optional<int64_t> NumreratObjekt::försökOrdningstalFrånNummer(const std::string& nummer) {
    icu::UnicodeString text = icu::UnicodeString::fromUTF8(nummer);
    const icu::RegexPattern* mönster = hittaAvslutandeSiffror();
    if (!mönster) return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::RegexMatcher> matchning(mönster->matcher(text, status));
    if (U_FAILURE(status)) return std::nullopt;
    if (!matchning->find(status) || U_FAILURE(status)) return static_cast<int64_t>(platformStringHash(nummer));

    // The match is placed in UTF-16 units but the digits are taken by
    // characters. Stored ordinals were made this way, so it is kept even
    // where the two counts differ and the taken part is not the digits.
    int32_t start = matchning->start(status);
    int32_t slut = matchning->end(status);
    if (U_FAILURE(status)) return std::nullopt;
    return heltalAvAsciiSiffror(första(allaEfter(nummer, start), slut - start));
}

int64_t NumreratObjekt::ordningstalFrånNummer(const std::string& nummer) {
    auto v = försökOrdningstalFrånNummer(nummer);
    if (!v) throw OgiltigtNummer("the number \"" + nummer + "\" has no ordinal: its digits must be ASCII and fit 64 bits");
    return *v;
}

namespace {

// The base is the last of the earlier objects with the greatest ordinal.
void följBas(const NumreratObjekt*& bas, const NumreratObjekt* objekt) {
    if (!bas || objekt->ordningstal >= bas->ordningstal) bas = objekt;
}

std::vector<std::string> nummerEfter(const NumreratObjekt* bas, const std::unordered_set<std::string>& upptagna,
                                     size_t antal) {
    std::string mall;
    size_t plats = std::string::npos;
    std::string gammalt;
    int64_t nästa = 1;
    if (bas) {
        gammalt = std::to_string(bas->ordningstal);
        plats = bas->nummer.find(gammalt);
        if (plats != std::string::npos) {
            mall = bas->nummer;
            if (bas->ordningstal == INT64_MAX) throw OgiltigtNummer("no number follows \"" + bas->nummer + "\"");
            nästa = bas->ordningstal + 1;
        }
    }
    auto text = [&](int64_t värde) {
        if (plats == std::string::npos) return std::to_string(värde);
        std::string s = mall;
        return s.replace(plats, gammalt.size(), std::to_string(värde));
    };

    // A number that the earlier list already holds is never handed out
    // again: a stale stored ordinal, or a base without its ordinal's
    // digits, would otherwise restart or repeat the series.
    std::vector<std::string> nummer;
    nummer.reserve(antal);
    while (nummer.size() < antal) {
        std::string kandidat = text(nästa);
        if (!upptagna.count(kandidat)) nummer.push_back(std::move(kandidat));
        if (nummer.size() < antal) {
            if (nästa == INT64_MAX) throw OgiltigtNummer("the numbers after \"" + text(nästa) + "\" run out");
            ++nästa;
        }
    }
    return nummer;
}

}  // namespace

std::vector<std::string> NumreratObjekt::nästaNummer(const std::vector<const NumreratObjekt*>& tidigare, size_t antal) {
    const NumreratObjekt* bas = nullptr;
    std::unordered_set<std::string> upptagna;
    for (const auto* objekt : tidigare) {
        följBas(bas, objekt);
        upptagna.insert(objekt->nummer);
    }
    return nummerEfter(bas, upptagna, antal);
}

Nummerserie::Nummerserie(const std::vector<const NumreratObjekt*>& tidigare) {
    for (const auto* objekt : tidigare) läggTill(*objekt);
}

std::string Nummerserie::nästa() const { return nummerEfter(bas_, upptagna_, 1).front(); }

void Nummerserie::läggTill(const NumreratObjekt& objekt) {
    följBas(bas_, &objekt);
    upptagna_.insert(objekt.nummer);
}

void NumreratObjekt::numreraObjekt(const std::vector<NumreratObjekt*>& nya,
                                   const std::vector<const NumreratObjekt*>& utifrånTidigareLista) {
    auto nummer = nästaNummer(utifrånTidigareLista, nya.size());
    std::vector<int64_t> ordningstal;
    ordningstal.reserve(nummer.size());
    for (const auto& n : nummer) ordningstal.push_back(ordningstalFrånNummer(n));
    for (size_t i = 0; i < nya.size(); ++i) {
        nya[i]->nummer = std::move(nummer[i]);
        nya[i]->ordningstal = ordningstal[i];
    }
}
