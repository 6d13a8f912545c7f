#include "Kommandorad/Fakturafil.h"

#include "Plattform/UnicodeText.h"

#include <cstdint>
#include <cstdio>
#include <optional>

namespace {

// The longest file name the file systems in use take, in bytes.
constexpr size_t längstaFilnamn = 255;
constexpr std::string_view ändelse = ".pdf";

bool styrtecken(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// What ends a line for some reader: control characters (line feed,
// carriage return, NEL, ...) and the line and paragraph separators.
bool bryterRaden(char32_t c) { return styrtecken(c) || c == 0x2028 || c == 0x2029; }

// What would add a field or a line to the result line.
bool bryterResultatraden(char32_t c) { return c == ';' || bryterRaden(c); }

// The embeddings, overrides and isolates of bidirectional text.
bool riktningstecken(char32_t c) { return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069); }

bool fortsättningsbyte(char b) { return (static_cast<uint8_t>(b) & 0xC0) == 0x80; }

// The longest start of `text` of at most `högst` bytes that does not end
// inside a character (a UTF-8 sequence is at most four bytes long).
std::string_view förstaHelaTecken(std::string_view text, size_t högst) {
    if (text.size() <= högst) return text;
    size_t slut = högst;
    while (slut > 0 && högst - slut < 3 && fortsättningsbyte(text[slut])) --slut;
    if (fortsättningsbyte(text[slut])) slut = högst;  // not UTF-8 here anyway
    return text.substr(0, slut);
}

}  // namespace

std::string filnamnFörFaktura(std::string_view nummer) {
    std::string namn;
    if (nummer.empty() || nummer.front() == '.') namn = "_";
    namn += replacingCharacters(nummer, [](char32_t c) -> std::optional<char> {
        if (c == '/' || bryterResultatraden(c) || riktningstecken(c)) return '_';
        return std::nullopt;
    });
    return std::string(förstaHelaTecken(namn, längstaFilnamn - ändelse.size())) + std::string(ändelse);
}

std::string sökvägFörFaktura(std::string_view katalog, std::string_view nummer) {
    std::string sökväg(katalog);
    if (sökväg.empty() || sökväg.back() != '/') sökväg += '/';
    return sökväg + filnamnFörFaktura(nummer);
}

std::optional<std::string> hinderIResultatraden(std::string_view sökväg) {
    std::optional<char32_t> hinder;
    replacingCharacters(sökväg, [&](char32_t c) -> std::optional<char> {
        if (!hinder && bryterResultatraden(c)) hinder = c;
        return std::nullopt;
    });
    if (!hinder) return std::nullopt;
    if (*hinder == ';') return "a \";\"";
    char kod[16];
    std::snprintf(kod, sizeof kod, "U+%04X", static_cast<unsigned>(*hinder));
    switch (*hinder) {
    case '\t': return "a tab (" + std::string(kod) + ")";
    case '\n': return "a line feed (" + std::string(kod) + ")";
    case '\r': return "a carriage return (" + std::string(kod) + ")";
    case 0x85: return "a next line character (" + std::string(kod) + ")";
    case 0x2028: return "a line separator (" + std::string(kod) + ")";
    case 0x2029: return "a paragraph separator (" + std::string(kod) + ")";
    default: return "the control character " + std::string(kod);
    }
}

std::string resultatradFörFaktura(std::string_view nummer, std::string_view epost, std::string_view sökväg) {
    const std::string nummerfält = replacingCharacters(nummer, [](char32_t c) -> std::optional<char> {
        if (bryterResultatraden(c)) return '_';
        return std::nullopt;
    });
    const std::string epostfält = replacingCharacters(epost, [](char32_t c) -> std::optional<char> {
        if (c == ';') return ',';
        if (bryterRaden(c)) return ' ';
        return std::nullopt;
    });
    return nummerfält + ";" + epostfält + ";" + std::string(sökväg);
}
