#pragma once
// The one answer to "which locale does the user run in" for the whole
// program: amounts, percentages and anything else that depends on the
// user's locale ask here. ICU's and the C library's process default
// locales are never used: with no locale in the environment they would
// give "en_US_POSIX" amounts or decimal commas in machine-readable output.
#include <optional>
#include <string>

namespace lokal {

// The ICU locale id of the user's current locale ("sv_SE"), read afresh
// from the environment on every call so that later changes are followed.
std::string aktuell();

// Tests fix the locale; none restores the environment's.
void sättAktuell(std::optional<std::string> id);

// The rule itself: the first non-empty of LC_ALL, LC_NUMERIC and LANG,
// without codeset and modifier ("sv_SE.UTF-8@euro" gives "sv_SE"); an
// empty result, "C" or "POSIX" give "sv_SE", the product being Swedish.
// Null pointers count as unset variables.
std::string frånMiljövärden(const char* lcAll, const char* lcNumeric, const char* lang);

}  // namespace lokal
