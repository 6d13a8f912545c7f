#pragma once
// Localised texts. The program carries one table per language, compiled
// in (Lokaliseringstabeller.cpp); the key of each entry is the English
// text. The tool runs in its development language, English, so the default
// lookup gives the key itself.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The text for `nyckel` in the language `påSpråk` when the program has a
// table for exactly that code and the table holds the key; otherwise the
// default lookup. Never fails.
std::string sträng(const std::string& nyckel, const std::string& kommentar, const std::string& påSpråk);

// The default lookup, in the language the program runs in: the key itself
// where no translation exists. `kommentar` only tells translators the use.
std::string lokaliseradSträng(const std::string& nyckel, const std::string& kommentar = "");

// The language codes that have a table, in the order of the tables.
const std::vector<std::string>& lokaliseringar();

// The entry of one table, or none when the language or the key is missing.
std::optional<std::string> översättning(const std::string& språk, const std::string& nyckel);

// One entry of the compiled tables.
struct Översättningsrad {
    std::string_view språk;
    std::string_view nyckel;
    std::string_view text;
};
std::span<const Översättningsrad> inbyggdaÖversättningar();
