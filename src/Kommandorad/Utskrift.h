#pragma once
// How the tool talks: every message is one string and one line feed.
#include <optional>
#include <string>
#include <string_view>

// One message and a line feed on standard error, written in one call after
// what standard output holds, so that the two streams read in the order of
// events when they share a pipe or file.
void skrivFel(std::string_view meddelande);
// One line on standard output. A write that fails is remembered.
void skrivRad(std::string_view rad);

// Flushes standard output and gives the reason of the first write to it
// that failed ("No space left on device"), if one did.
std::optional<std::string> standardutensFel();

// When a write to standard output failed, says so on standard error (once
// per run) and gives true.
bool rapporteraStandardutensFel();
