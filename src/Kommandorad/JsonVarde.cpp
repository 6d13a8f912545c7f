#include "Kommandorad/JsonVarde.h"

#include "Kommandorad/JsonInnehall.h"

#include <algorithm>
#include <limits>
#include <string>

namespace {

bool ärTypen(const JsonInnehåll* i, uint32_t nod, JsonSort sort) { return i->noder[nod].sort() == sort; }

}  // namespace

JsonVärde::Typ JsonVärde::typ() const {
    switch (innehåll_->noder[nod_].sort()) {
    case JsonSort::null: return Typ::null;
    case JsonSort::falskt:
    case JsonSort::sant: return Typ::boolesk;
    case JsonSort::tal: return Typ::tal;
    case JsonSort::text: return Typ::text;
    case JsonSort::lista: return Typ::lista;
    case JsonSort::objekt: return Typ::objekt;
    }
    return Typ::null;
}

std::optional<std::string_view> JsonVärde::text() const {
    if (!ärTypen(innehåll_, nod_, JsonSort::text)) return std::nullopt;
    return innehåll_->textAv(nod_);
}

bool JsonVärde::booleskVärde() const { return ärTypen(innehåll_, nod_, JsonSort::sant); }

std::string_view JsonVärde::talText() const {
    return ärTypen(innehåll_, nod_, JsonSort::tal) ? innehåll_->textAv(nod_) : std::string_view();
}

JsonLista JsonVärde::element() const {
    if (!ärLista()) return JsonLista(innehåll_, nod_, nod_);
    return JsonLista(innehåll_, nod_ + 1, innehåll_->noder[nod_].a);
}

JsonMedlemmar JsonVärde::medlemmar() const {
    if (!ärObjekt()) return JsonMedlemmar(innehåll_, nullptr, 0);
    const uint32_t* plats = innehåll_->nycklar.data() + innehåll_->noder[nod_].fält();
    return JsonMedlemmar(innehåll_, plats + 1, *plats);
}

std::optional<JsonVärde> JsonVärde::medlem(std::string_view nyckel) const {
    if (innehåll_->läsning) innehåll_->läsning(nod_, nyckel);
    const JsonMedlemmar m = medlemmar();
    auto it = std::lower_bound(m.nycklar_, m.nycklar_ + m.antal_, nyckel,
                               [&](uint32_t nod, std::string_view k) { return innehåll_->textAv(nod) < k; });
    if (it == m.nycklar_ + m.antal_ || innehåll_->textAv(*it) != nyckel) return std::nullopt;
    return JsonVärde(innehåll_, *it + 1);
}

std::optional<int64_t> JsonVärde::heltal() const {
    if (typ() != Typ::tal) return std::nullopt;
    return heltalFrånJsonTal(talText());
}

std::optional<bool> JsonVärde::boolesk() const {
    if (typ() == Typ::boolesk) return booleskVärde();
    if (typ() == Typ::tal) {
        auto h = heltal();
        if (h == 1) return true;
        if (h == 0) return false;
    }
    return std::nullopt;
}

std::optional<JsonLista> JsonVärde::listaAvObjekt() const {
    if (!ärLista()) return std::nullopt;
    const JsonLista lista = element();
    for (JsonVärde e : lista)
        if (!e.ärObjekt()) return std::nullopt;
    return lista;
}

// The nesting is at most what the reader took (512 levels), so the
// recursion is bounded.
bool operator==(const JsonVärde& a, const JsonVärde& b) {
    const JsonSort sort = a.innehåll_->noder[a.nod_].sort();
    if (sort != b.innehåll_->noder[b.nod_].sort()) return false;
    switch (sort) {
    case JsonSort::null:
    case JsonSort::falskt:
    case JsonSort::sant: return true;
    case JsonSort::tal:
    case JsonSort::text: return a.innehåll_->textAv(a.nod_) == b.innehåll_->textAv(b.nod_);
    case JsonSort::lista: {
        const JsonLista x = a.element(), y = b.element();
        auto i = x.begin(), j = y.begin();
        for (; i != x.end() && j != y.end(); ++i, ++j)
            if (!(*i == *j)) return false;
        return i == x.end() && j == y.end();
    }
    case JsonSort::objekt: {
        const JsonMedlemmar x = a.medlemmar(), y = b.medlemmar();
        if (x.size() != y.size()) return false;
        for (size_t i = 0; i < x.size(); ++i) {
            const JsonMedlem m = x[i], n = y[i];
            if (m.nyckel != n.nyckel || !(m.värde == n.värde)) return false;
        }
        return true;
    }
    }
    return false;
}

JsonLista::iterator& JsonLista::iterator::operator++() {
    nod_ = innehåll_->efter(nod_);
    return *this;
}

size_t JsonLista::size() const {
    size_t n = 0;
    for (auto it = begin(); it != end(); ++it) ++n;
    return n;
}

JsonMedlem JsonMedlemmar::iterator::operator*() const {
    return {innehåll_->textAv(*plats_), JsonVärde(innehåll_, *plats_ + 1)};
}

JsonDokument::JsonDokument(std::unique_ptr<JsonInnehåll> innehåll) : innehåll_(std::move(innehåll)) {}
JsonDokument::JsonDokument(JsonDokument&&) noexcept = default;
JsonDokument& JsonDokument::operator=(JsonDokument&&) noexcept = default;
JsonDokument::~JsonDokument() = default;

void JsonDokument::följLäsningar(std::function<void(JsonVärde objekt, std::string_view nyckel)> läsning) {
    const JsonInnehåll* i = innehåll_.get();
    innehåll_->läsning = [i, läsning = std::move(läsning)](uint32_t objekt, std::string_view nyckel) {
        läsning(JsonVärde(i, objekt), nyckel);
    };
}

size_t JsonDokument::byteHållna() const {
    const JsonInnehåll& i = *innehåll_;
    return i.text.size() + i.noder.capacity() * sizeof(JsonNod) + i.nycklar.capacity() * sizeof(uint32_t) +
           i.längder.capacity() * sizeof(i.längder[0]);
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
    // The text is the number as the input wrote it, which the first pass
    // found to be JSON: what stands between the digits and the exponent is
    // its point.
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
