#include "Kommandorad/JsonLasare.h"

#include "Kommandorad/JsonInnehall.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace {

enum class Kodning { utf8, utf16BE, utf16LE, utf32BE, utf32LE };

struct Avkänd {
    Kodning kodning;
    size_t bom;  // bytes of byte-order mark to skip
};

Avkänd avkänn(std::span<const uint8_t> d) {
    const size_t n = d.size();
    auto b = [&](size_t i) { return d[i]; };
    if (n >= 3 && b(0) == 0xEF && b(1) == 0xBB && b(2) == 0xBF) return {Kodning::utf8, 3};
    if (n >= 4 && b(0) == 0 && b(1) == 0 && b(2) == 0xFE && b(3) == 0xFF) return {Kodning::utf32BE, 4};
    if (n >= 4 && b(0) == 0xFF && b(1) == 0xFE && b(2) == 0 && b(3) == 0) return {Kodning::utf32LE, 4};
    if (n >= 2 && b(0) == 0xFE && b(1) == 0xFF) return {Kodning::utf16BE, 2};
    if (n >= 2 && b(0) == 0xFF && b(1) == 0xFE) return {Kodning::utf16LE, 2};
    if (n >= 4) {
        if (b(0) == 0 && b(1) == 0 && b(2) == 0) return {Kodning::utf32BE, 0};
        if (b(1) == 0 && b(2) == 0 && b(3) == 0) return {Kodning::utf32LE, 0};
        if (b(0) == 0 && b(2) == 0) return {Kodning::utf16BE, 0};
        if (b(1) == 0 && b(3) == 0) return {Kodning::utf16LE, 0};
    } else if (n >= 2) {
        if (b(0) == 0) return {Kodning::utf16BE, 0};
        if (b(1) == 0) return {Kodning::utf16LE, 0};
    }
    return {Kodning::utf8, 0};
}

std::optional<Bytes> frånUtf32(std::span<const uint8_t> d, bool storÄnde) {
    if (d.size() % 4 != 0) return std::nullopt;
    Bytes ut;
    ut.reserve(d.size());
    for (size_t i = 0; i < d.size(); i += 4) {
        uint32_t c = storÄnde ? (uint32_t(d[i]) << 24 | uint32_t(d[i + 1]) << 16 | uint32_t(d[i + 2]) << 8 | d[i + 3])
                              : (uint32_t(d[i + 3]) << 24 | uint32_t(d[i + 2]) << 16 | uint32_t(d[i + 1]) << 8 | d[i]);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        appendUtf8(ut, c);
    }
    return ut;
}

// The first pass: nlohmann-json's strict parser decides whether the text is
// JSON (its numbers cut short, `KortadeTal`) and counts what the second pass
// will make, so that its arrays are made at their size once. Nesting beyond
// the limit stops it.
class Räknare {
public:
    using json = nlohmann::json;

    bool null() { return värde(); }
    bool boolean(bool) { return värde(); }
    bool number_integer(json::number_integer_t) { return värde(); }
    bool number_unsigned(json::number_unsigned_t) { return värde(); }
    bool number_float(json::number_float_t, const std::string&) { return värde(); }
    bool string(std::string&) { return värde(); }
    bool binary(json::binary_t&) { return false; }
    bool start_object(std::size_t) {
        ++objekt;
        return öppna();
    }
    bool key(std::string&) {
        ++nycklar;
        return värde();
    }
    bool end_object() { return stäng(); }
    bool start_array(std::size_t) { return öppna(); }
    bool end_array() { return stäng(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) { return false; }

    uint64_t noder = 0, objekt = 0, nycklar = 0;

private:
    bool värde() {
        ++noder;
        return true;
    }
    bool öppna() {
        if (djup_ >= högstaJsondjup) return false;
        ++djup_;
        return värde();
    }
    bool stäng() {
        --djup_;
        return true;
    }
    size_t djup_ = 0;
};

bool siffra(char c) { return c >= '0' && c <= '9'; }

// The text as the first pass reads it: every run of digits outside strings
// cut to its first two. The JSON grammar sets no bound on a number, but the
// parser refuses one beyond the range of a double ("number overflow") and
// copies each number whole; what the grammar checks of a run of digits (that
// there is one, and no other digit after a leading zero) is in its first two,
// so the text is JSON exactly when the cut text is. The second pass keeps
// each number as written.
class KortadeTal {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    KortadeTal(const char* p, const char* slut) : p_(p), slut_(slut) {}

    reference operator*() const { return *p_; }
    KortadeTal& operator++() {
        const char c = *p_++;
        if (iText_) {
            if (escape_) escape_ = false;
            else if (c == '\\') escape_ = true;
            else if (c == '"') iText_ = false;
            return *this;
        }
        iText_ = c == '"';
        if (!siffra(c)) {
            efterSiffra_ = false;
        } else if (!efterSiffra_) {
            efterSiffra_ = true;
        } else {
            // The run's second digit is read: the rest is passed over.
            while (p_ != slut_ && siffra(*p_)) ++p_;
            efterSiffra_ = false;
        }
        return *this;
    }
    bool operator==(const KortadeTal& o) const { return p_ == o.p_; }
    bool operator!=(const KortadeTal& o) const { return p_ != o.p_; }

private:
    const char* p_;
    const char* slut_;
    bool iText_ = false;
    bool escape_ = false;
    bool efterSiffra_ = false;
};

bool blank(uint8_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool ärTalTecken(uint8_t c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

int hexvärde(uint8_t c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The second pass, over text the first pass found valid: the nodes in
// document order, strings with escapes decoded where they stand (a decoded
// string is never longer than its escaped form) and each object's keys
// sorted when it closes. Every step still checks its bounds.
class Byggare {
public:
    Byggare(JsonInnehåll& ut, size_t början, const Räknare& antal)
        : ut_(ut), t_(ut.text.data()), n_(ut.text.size()), i_(början) {
        ut_.noder.reserve(antal.noder);
        ut_.nycklar.reserve(antal.objekt + antal.nycklar);
        öppna_.reserve(högstaJsondjup);
    }

    bool bygg() {
        bool nyckelNäst = false;
        for (;;) {
            while (i_ < n_ && blank(t_[i_])) ++i_;
            if (i_ >= n_) break;
            const uint8_t c = t_[i_];
            switch (c) {
            case '{':
            case '[':
                if (öppna_.size() >= högstaJsondjup) return false;
                öppna_.push_back({nästaNod(), väntande_.size(), c == '{'});
                if (!lägg(JsonNod::av(c == '{' ? JsonSort::objekt : JsonSort::lista))) return false;
                nyckelNäst = c == '{';
                ++i_;
                break;
            case '}':
            case ']':
                if (öppna_.empty() || !stäng()) return false;
                nyckelNäst = false;
                ++i_;
                break;
            case ',':
                nyckelNäst = !öppna_.empty() && öppna_.back().objekt;
                ++i_;
                break;
            case ':': ++i_; break;
            case '"':
                if (nyckelNäst) väntande_.push_back(nästaNod());
                nyckelNäst = false;
                if (!sträng()) return false;
                break;
            case 't':
            case 'f':
            case 'n':
                if (!lägg(JsonNod::av(c == 't' ? JsonSort::sant : c == 'f' ? JsonSort::falskt : JsonSort::null)))
                    return false;
                i_ += c == 'f' ? 5 : 4;
                break;
            default:
                if (!tal()) return false;
            }
        }
        return öppna_.empty() && !ut_.noder.empty();
    }

private:
    struct Öppen {
        uint32_t nod;
        size_t förstaNyckel;  // in väntande_
        bool objekt;
    };

    uint32_t nästaNod() const { return static_cast<uint32_t>(ut_.noder.size()); }

    bool lägg(JsonNod nod) {
        if (ut_.noder.size() >= UINT32_MAX) return false;
        ut_.noder.push_back(nod);
        return true;
    }

    bool läggText(JsonSort sort, size_t från, size_t längd) {
        if (från > UINT32_MAX) return false;
        const uint32_t nod = nästaNod();
        if (längd >= JsonNod::störstaFält) ut_.längder.emplace_back(nod, längd);
        return lägg(JsonNod::av(sort, static_cast<uint32_t>(från),
                                static_cast<uint32_t>(std::min<size_t>(längd, JsonNod::störstaFält))));
    }

    // The number as written, except that an integer written "-0" reads as
    // "0", as the parser gives it.
    bool tal() {
        size_t från = i_;
        while (i_ < n_ && ärTalTecken(t_[i_])) ++i_;
        if (i_ == från) return false;
        if (i_ - från == 2 && t_[från] == '-' && t_[från + 1] == '0') ++från;
        return läggText(JsonSort::tal, från, i_ - från);
    }

    bool sträng() {
        const size_t från = ++i_;
        size_t j = från;
        while (j < n_ && t_[j] != '"' && t_[j] != '\\') ++j;
        size_t w = j;
        while (j < n_ && t_[j] != '"') {
            if (t_[j] != '\\') {
                t_[w++] = t_[j++];
                continue;
            }
            if (j + 1 >= n_) return false;
            const uint8_t e = t_[j + 1];
            j += 2;
            switch (e) {
            case 'b': t_[w++] = '\b'; break;
            case 'f': t_[w++] = '\f'; break;
            case 'n': t_[w++] = '\n'; break;
            case 'r': t_[w++] = '\r'; break;
            case 't': t_[w++] = '\t'; break;
            case 'u': {
                auto c = hex4(j);
                if (!c) return false;
                j += 4;
                if (*c >= 0xD800 && *c <= 0xDBFF) {
                    auto låg = j + 1 < n_ && t_[j] == '\\' && t_[j + 1] == 'u' ? hex4(j + 2) : std::nullopt;
                    if (!låg || *låg < 0xDC00 || *låg > 0xDFFF) return false;
                    j += 6;
                    *c = 0x10000 + ((*c - 0xD800) << 10) + (*låg - 0xDC00);
                }
                w += writeUtf8(t_ + w, *c);
                break;
            }
            default: t_[w++] = e;  // '"', '\\' and '/'
            }
        }
        if (j >= n_) return false;
        i_ = j + 1;
        return läggText(JsonSort::text, från, w - från);
    }

    std::optional<uint32_t> hex4(size_t j) const {
        if (j + 4 > n_) return std::nullopt;
        uint32_t c = 0;
        for (size_t k = 0; k < 4; ++k) {
            const int h = hexvärde(t_[j + k]);
            if (h < 0) return std::nullopt;
            c = c << 4 | static_cast<uint32_t>(h);
        }
        return c;
    }

    // Ends the innermost array or object; an object's keys are sorted
    // (equal keys in text order, of which the last is kept) into the key
    // list.
    bool stäng() {
        const Öppen ö = öppna_.back();
        öppna_.pop_back();
        ut_.noder[ö.nod].a = nästaNod();
        if (!ö.objekt) return true;

        const auto första = väntande_.begin() + static_cast<std::ptrdiff_t>(ö.förstaNyckel);
        std::sort(första, väntande_.end(), [&](uint32_t x, uint32_t y) {
            const std::string_view a = ut_.textAv(x), b = ut_.textAv(y);
            return a < b || (a == b && x < y);
        });
        const size_t plats = ut_.nycklar.size();
        if (plats >= JsonNod::störstaFält) return false;
        ut_.noder[ö.nod] = JsonNod::av(JsonSort::objekt, ut_.noder[ö.nod].a, static_cast<uint32_t>(plats));
        ut_.nycklar.push_back(0);
        for (auto it = första; it != väntande_.end(); ++it) {
            if (it + 1 != väntande_.end() && ut_.textAv(*(it + 1)) == ut_.textAv(*it)) continue;
            ut_.nycklar.push_back(*it);
        }
        ut_.nycklar[plats] = static_cast<uint32_t>(ut_.nycklar.size() - plats - 1);
        väntande_.erase(första, väntande_.end());
        return true;
    }

    JsonInnehåll& ut_;
    uint8_t* t_;
    size_t n_;
    size_t i_;
    std::vector<uint32_t> väntande_;  // the keys of the open objects, in text order
    std::vector<Öppen> öppna_;
};

// The text as UTF-8 in `data`, without a byte-order mark from `början` on;
// false when the bytes are not valid in the encoding found.
bool tillUtf8(Bytes& data, size_t& början) {
    const Avkänd a = avkänn(data);
    const auto kropp = std::span<const uint8_t>(data).subspan(a.bom);
    std::optional<Bytes> omkodad;
    switch (a.kodning) {
    case Kodning::utf8:
        början = a.bom;
        return isValidUtf8(kropp);
    case Kodning::utf16BE: omkodad = utf16ToUtf8(kropp, true); break;
    case Kodning::utf16LE: omkodad = utf16ToUtf8(kropp, false); break;
    case Kodning::utf32BE: omkodad = frånUtf32(kropp, true); break;
    case Kodning::utf32LE: omkodad = frånUtf32(kropp, false); break;
    }
    if (!omkodad) return false;
    data = std::move(*omkodad);
    början = 0;
    return true;
}

}  // namespace

std::optional<JsonDokument> läsJson(Bytes data) {
    auto innehåll = std::make_unique<JsonInnehåll>();
    size_t början = 0;
    if (!tillUtf8(data, början)) return std::nullopt;
    innehåll->text = std::move(data);
    const uint8_t* t = innehåll->text.data();
    const size_t n = innehåll->text.size();
    // A second mark after the first is not JSON white space; the parser
    // would skip it, so it is refused here.
    if (n - början >= 3 && std::memcmp(t + början, "\xEF\xBB\xBF", 3) == 0) return std::nullopt;

    Räknare räknare;
    try {
        const char* text = reinterpret_cast<const char*>(t);
        if (!nlohmann::json::sax_parse(KortadeTal(text + början, text + n), KortadeTal(text + n, text + n), &räknare,
                                       nlohmann::json::input_format_t::json, true, false))
            return std::nullopt;
    } catch (const nlohmann::json::exception&) {
        return std::nullopt;
    }

    if (!Byggare(*innehåll, början, räknare).bygg()) return std::nullopt;
    JsonDokument dokument(std::move(innehåll));
    if (!dokument.rot().ärObjekt() && !dokument.rot().ärLista()) return std::nullopt;
    return dokument;
}
