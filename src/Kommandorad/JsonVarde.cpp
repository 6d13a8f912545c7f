#include "Kommandorad/JsonVarde.h"

#include <algorithm>
#include <limits>

JsonVärde JsonVärde::sant(bool värde) {
    JsonVärde v;
    v.typ_ = Typ::boolesk;
    v.boolesk_ = värde;
    return v;
}

JsonVärde JsonVärde::talFrånText(std::string tal) {
    JsonVärde v;
    v.typ_ = Typ::tal;
    v.sträng_ = std::move(tal);
    return v;
}

JsonVärde JsonVärde::textVärde(std::string text) {
    JsonVärde v;
    v.typ_ = Typ::text;
    v.sträng_ = std::move(text);
    return v;
}

JsonVärde JsonVärde::listaAv(std::vector<JsonVärde> element) {
    JsonVärde v;
    v.typ_ = Typ::lista;
    v.element_ = std::move(element);
    return v;
}

JsonVärde JsonVärde::objektAv(std::vector<std::pair<std::string, JsonVärde>> medlemmar) {
    JsonVärde v;
    v.typ_ = Typ::objekt;
    // A stable sort keeps equal keys in input order, so the last of each
    // run is the one that was written last.
    std::stable_sort(medlemmar.begin(), medlemmar.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < medlemmar.size(); ++i) {
        if (i + 1 < medlemmar.size() && medlemmar[i + 1].first == medlemmar[i].first) continue;
        v.medlemmar_.push_back(std::move(medlemmar[i]));
    }
    return v;
}

const JsonVärde* JsonVärde::medlem(std::string_view nyckel) const {
    if (typ_ != Typ::objekt) return nullptr;
    auto it = std::lower_bound(medlemmar_.begin(), medlemmar_.end(), nyckel,
                               [](const auto& par, std::string_view k) { return par.first < k; });
    if (it == medlemmar_.end() || it->first != nyckel) return nullptr;
    return &it->second;
}

std::optional<int64_t> JsonVärde::heltal() const {
    if (typ_ != Typ::tal) return std::nullopt;
    return heltalFrånJsonTal(sträng_);
}

std::optional<bool> JsonVärde::boolesk() const {
    if (typ_ == Typ::boolesk) return boolesk_;
    if (typ_ == Typ::tal) {
        auto h = heltal();
        if (h == 1) return true;
        if (h == 0) return false;
    }
    return std::nullopt;
}

const std::vector<JsonVärde>* JsonVärde::listaAvObjekt() const {
    if (typ_ != Typ::lista) return nullptr;
    for (const auto& e : element_)
        if (!e.ärObjekt()) return nullptr;
    return &element_;
}

namespace {

bool siffra(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<int64_t> heltalFrånJsonTal(std::string_view tal) {
    size_t i = 0;
    const bool negativ = i < tal.size() && tal[i] == '-';
    if (negativ || (i < tal.size() && tal[i] == '+')) ++i;

    std::string siffror;
    int64_t decimaler = 0;
    bool någonSiffra = false;
    while (i < tal.size() && siffra(tal[i])) {
        siffror += tal[i++];
        någonSiffra = true;
    }
    // The fraction separator is whatever stands between the digits and the
    // exponent: the parser may have written the C locale's point in its
    // place.
    if (i < tal.size() && tal[i] != 'e' && tal[i] != 'E') {
        ++i;
        while (i < tal.size() && siffra(tal[i])) {
            siffror += tal[i++];
            ++decimaler;
            någonSiffra = true;
        }
    }
    if (!någonSiffra) return std::nullopt;

    // The exponent saturates: a whole number in range has fewer than 20
    // digits, so anything this far out decides itself.
    constexpr int64_t gräns = 1'000'000;
    int64_t exponent = 0;
    if (i < tal.size() && (tal[i] == 'e' || tal[i] == 'E')) {
        ++i;
        bool negativExponent = false;
        if (i < tal.size() && (tal[i] == '-' || tal[i] == '+')) negativExponent = tal[i++] == '-';
        if (i >= tal.size() || !siffra(tal[i])) return std::nullopt;
        while (i < tal.size() && siffra(tal[i])) {
            exponent = std::min(gräns, exponent * 10 + (tal[i++] - '0'));
        }
        if (negativExponent) exponent = -exponent;
    }
    if (i != tal.size()) return std::nullopt;

    // siffror × 10^(exponent − decimaler), with the zeros at either end
    // taken off the digits.
    size_t början = siffror.find_first_not_of('0');
    if (början == std::string::npos) return 0;
    size_t slut = siffror.find_last_not_of('0') + 1;
    int64_t skala = exponent - decimaler + static_cast<int64_t>(siffror.size() - slut);
    std::string_view värdesiffror(siffror.data() + början, slut - början);
    if (skala < 0) return std::nullopt;
    if (static_cast<int64_t>(värdesiffror.size()) + skala > 19) return std::nullopt;

    unsigned __int128 värde = 0;
    for (char c : värdesiffror) värde = värde * 10 + static_cast<unsigned>(c - '0');
    for (int64_t k = 0; k < skala; ++k) värde *= 10;

    const unsigned __int128 maxPositiv = static_cast<unsigned __int128>(std::numeric_limits<int64_t>::max());
    if (negativ) {
        if (värde > maxPositiv + 1) return std::nullopt;
        if (värde == maxPositiv + 1) return std::numeric_limits<int64_t>::min();
        return -static_cast<int64_t>(värde);
    }
    if (värde > maxPositiv) return std::nullopt;
    return static_cast<int64_t>(värde);
}
