#pragma once
// How the tool talks: every message is one string and one line feed.
#include <optional>
#include <string>
#include <string_view>

class EndingSignalsCaught;

// One message and a line feed on standard error, written in one call after
// what standard output holds, so that the two streams read in the order of
// events when they share a pipe or file.
void skrivFel(std::string_view meddelande);
// One line on standard output. A write that fails is remembered.
void skrivRad(std::string_view rad);

// skrivFel and skrivRad while `signaler` are caught, for what names a file
// just put in place: the text goes out a piece at a time, each once the
// stream takes it, so the run waits for a reader only where a signal can
// reach it. When one is caught, what is left is not written.
void skrivFel(EndingSignalsCaught& signaler, std::string_view meddelande);
void skrivRad(EndingSignalsCaught& signaler, std::string_view rad);

// Flushes standard output and gives the reason of the first write to it
// that failed ("No space left on device"), if one did.
std::optional<std::string> standardutensFel();

// When a write to standard output failed, says so on standard error (once
// per run) and gives true.
bool rapporteraStandardutensFel();
