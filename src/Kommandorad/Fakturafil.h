#pragma once
// Where the latest-invoice job writes an invoice's PDF, and the line it
// prints about it.
#include <optional>
#include <string>
#include <string_view>

// The invoice number with ".pdf". What a file name cannot hold ("/", NUL)
// or should not show (";" and line breaks, which would break the result
// line, control characters, and the direction controls U+202A-U+202E and
// U+2066-U+2069, which could make the name display as another) becomes
// "_", a character at a time. A number that would give no name of its own
// or a hidden one (empty, ".", "..", or starting with ".") gets "_" in
// front, and one too long for a file name is cut, between characters, to
// what fits. Ordinary numbers are unchanged, since callers read the
// printed path.
std::string filnamnFörFaktura(std::string_view nummer);

// That file in `katalog`.
std::string sökvägFörFaktura(std::string_view katalog, std::string_view nummer);

// What keeps `sökväg` from standing as the last field of the result line,
// named for a message: its first ";" or character that breaks a line ("a
// tab (U+0009)", "a line separator (U+2028)"); none when it can stand.
std::optional<std::string> hinderIResultatraden(std::string_view sökväg);

// "number;e-mail;path": one line of exactly three fields whatever the
// invoice holds. In the number ";" and line breaks (control characters,
// U+2028, U+2029) become "_", as in the file's name; in the e-mail address
// ";" becomes "," (the usual separator of several addresses) and a line
// break a space. The path is taken as it is (see hinderIResultatraden).
std::string resultatradFörFaktura(std::string_view nummer, std::string_view epost, std::string_view sökväg);
