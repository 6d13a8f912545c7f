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
    Nummerserie(tidigare).numrera(*this);
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

// How the numbers after a base are written: the base's number with its
// ordinal's digits replaced by the new value, or the plain value when the
// base's number does not hold those digits (or there is no base).
Nummermönster::Nummermönster(const NumreratObjekt* bas) {
    if (!bas) return;
    gammalt_ = std::to_string(bas->ordningstal);
    plats_ = bas->nummer.find(gammalt_);
    if (plats_ == std::string::npos) return;
    mall_ = bas->nummer;
    if (bas->ordningstal == INT64_MAX) throw OgiltigtNummer("no number follows \"" + bas->nummer + "\"");
    första_ = bas->ordningstal + 1;
}

std::string Nummermönster::text(int64_t värde) const {
    if (plats_ == std::string::npos) return std::to_string(värde);
    std::string s = mall_;
    return s.replace(plats_, gammalt_.size(), std::to_string(värde));
}

namespace {

// The base is the last of the earlier objects with the greatest ordinal.
void följBas(const NumreratObjekt*& bas, const NumreratObjekt* objekt) {
    if (!bas || objekt->ordningstal >= bas->ordningstal) bas = objekt;
}

// A number that the earlier list already holds is never handed out again:
// a stale stored ordinal, or a base without its ordinal's digits, would
// otherwise restart or repeat the series. `värde` goes from where it stands
// to the first free number's value.
std::string förstaLediga(const Nummermönster& mönster, const std::unordered_set<std::string>& upptagna,
                         int64_t& värde) {
    for (;;) {
        std::string kandidat = mönster.text(värde);
        if (!upptagna.count(kandidat)) return kandidat;
        if (värde == INT64_MAX) throw OgiltigtNummer("the numbers after \"" + kandidat + "\" run out");
        ++värde;
    }
}

}  // namespace

Nummerserie::Nummerserie(const std::vector<const NumreratObjekt*>& tidigare) {
    for (const auto* objekt : tidigare) läggTill(*objekt);
}

std::string Nummerserie::nästa() {
    // Every number of the base's series below the one last handed out was
    // taken then, and still is: the search goes on from there instead of
    // from the series' start, which a base whose number restarts the
    // series would otherwise make quadratic.
    if (!mönster_) {
        mönster_.emplace(bas_);
        värde_ = mönster_->första();
    }
    return förstaLediga(*mönster_, upptagna_, värde_);
}

void Nummerserie::numrera(NumreratObjekt& objekt) {
    std::string nummer = nästa();
    objekt.ordningstal = NumreratObjekt::ordningstalFrånNummer(nummer);
    objekt.nummer = std::move(nummer);
}

void Nummerserie::läggTill(const NumreratObjekt& objekt) {
    const NumreratObjekt* förut = bas_;
    följBas(bas_, &objekt);
    if (bas_ != förut) mönster_.reset();
    upptagna_.insert(objekt.nummer);
}

void Nummerserie::läggTillUpptaget(const std::string& nummer) { upptagna_.insert(nummer); }
