#include "Kommandorad/JsonLasare.h"

#include "Plattform/Bytes.h"

#include <nlohmann/json.hpp>

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

void läggTillUtf8(std::string& ut, uint32_t c) {
    if (c < 0x80) {
        ut += static_cast<char>(c);
    } else if (c < 0x800) {
        ut += static_cast<char>(0xC0 | (c >> 6));
        ut += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        ut += static_cast<char>(0xE0 | (c >> 12));
        ut += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        ut += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        ut += static_cast<char>(0xF0 | (c >> 18));
        ut += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        ut += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        ut += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::optional<std::string> frånUtf16(std::span<const uint8_t> d, bool storÄnde) {
    if (d.size() % 2 != 0) return std::nullopt;
    std::string ut;
    ut.reserve(d.size());
    auto enhet = [&](size_t i) -> uint32_t {
        return storÄnde ? (uint32_t(d[i]) << 8 | d[i + 1]) : (uint32_t(d[i + 1]) << 8 | d[i]);
    };
    for (size_t i = 0; i < d.size(); i += 2) {
        uint32_t c = enhet(i);
        if (c >= 0xDC00 && c <= 0xDFFF) return std::nullopt;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 4 > d.size()) return std::nullopt;
            uint32_t låg = enhet(i + 2);
            if (låg < 0xDC00 || låg > 0xDFFF) return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (låg - 0xDC00);
            i += 2;
        }
        läggTillUtf8(ut, c);
    }
    return ut;
}

std::optional<std::string> frånUtf32(std::span<const uint8_t> d, bool storÄnde) {
    if (d.size() % 4 != 0) return std::nullopt;
    std::string ut;
    ut.reserve(d.size() / 2);
    for (size_t i = 0; i < d.size(); i += 4) {
        uint32_t c = storÄnde ? (uint32_t(d[i]) << 24 | uint32_t(d[i + 1]) << 16 | uint32_t(d[i + 2]) << 8 | d[i + 3])
                              : (uint32_t(d[i + 3]) << 24 | uint32_t(d[i + 2]) << 16 | uint32_t(d[i + 1]) << 8 | d[i]);
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
        läggTillUtf8(ut, c);
    }
    return ut;
}

// Builds the value tree from the parser's events. Numbers are kept as the
// text the parser saw; nesting beyond the limit stops the parse.
class Byggare {
public:
    using json = nlohmann::json;

    bool null() { return värde(JsonVärde()); }
    bool boolean(bool v) { return värde(JsonVärde::sant(v)); }
    bool number_integer(json::number_integer_t v) { return värde(JsonVärde::talFrånText(std::to_string(v))); }
    bool number_unsigned(json::number_unsigned_t v) { return värde(JsonVärde::talFrånText(std::to_string(v))); }
    bool number_float(json::number_float_t, const std::string& text) { return värde(JsonVärde::talFrånText(text)); }
    bool string(std::string& v) { return värde(JsonVärde::textVärde(std::move(v))); }
    bool binary(json::binary_t&) { return false; }

    bool start_object(std::size_t) { return öppna(true); }
    bool key(std::string& k) {
        nivåer_.back().nyckel = std::move(k);
        return true;
    }
    bool end_object() {
        Nivå nivå = std::move(nivåer_.back());
        nivåer_.pop_back();
        return värde(JsonVärde::objektAv(std::move(nivå.medlemmar)));
    }
    bool start_array(std::size_t) { return öppna(false); }
    bool end_array() {
        Nivå nivå = std::move(nivåer_.back());
        nivåer_.pop_back();
        return värde(JsonVärde::listaAv(std::move(nivå.element)));
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) { return false; }

    std::optional<JsonVärde> resultat;

private:
    struct Nivå {
        bool objekt;
        std::string nyckel;
        std::vector<JsonVärde> element;
        std::vector<std::pair<std::string, JsonVärde>> medlemmar;
    };

    bool öppna(bool objekt) {
        if (nivåer_.size() >= högstaJsondjup) return false;
        nivåer_.push_back(Nivå{objekt, {}, {}, {}});
        return true;
    }

    bool värde(JsonVärde v) {
        if (nivåer_.empty()) {
            resultat = std::move(v);
        } else if (nivåer_.back().objekt) {
            nivåer_.back().medlemmar.emplace_back(std::move(nivåer_.back().nyckel), std::move(v));
        } else {
            nivåer_.back().element.push_back(std::move(v));
        }
        return true;
    }

    std::vector<Nivå> nivåer_;
};

}  // namespace

std::optional<std::string> jsontextSomUtf8(std::span<const uint8_t> data) {
    const Avkänd a = avkänn(data);
    const auto kropp = data.subspan(a.bom);
    switch (a.kodning) {
    case Kodning::utf8:
        if (!isValidUtf8(kropp)) return std::nullopt;
        return std::string(kropp.begin(), kropp.end());
    case Kodning::utf16BE: return frånUtf16(kropp, true);
    case Kodning::utf16LE: return frånUtf16(kropp, false);
    case Kodning::utf32BE: return frånUtf32(kropp, true);
    case Kodning::utf32LE: return frånUtf32(kropp, false);
    }
    return std::nullopt;
}

std::optional<JsonVärde> läsJson(std::span<const uint8_t> data) {
    std::optional<std::string> text = jsontextSomUtf8(data);
    if (!text) return std::nullopt;
    // A second mark after the first is not JSON white space; the parser
    // would skip it, so it is refused here.
    if (text->starts_with("\xEF\xBB\xBF")) return std::nullopt;

    Byggare byggare;
    bool lyckades = false;
    try {
        lyckades = nlohmann::json::sax_parse(*text, &byggare, nlohmann::json::input_format_t::json, true, false);
    } catch (const nlohmann::json::exception&) {
        return std::nullopt;
    }
    if (!lyckades || !byggare.resultat) return std::nullopt;
    if (!byggare.resultat->ärObjekt() && !byggare.resultat->ärLista()) return std::nullopt;
    return std::move(byggare.resultat);
}
