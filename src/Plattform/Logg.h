#pragma once
// The program's log: lines for whoever looks after the machine, never for
// the person running the tool (nothing below main writes to standard
// error). Lines go to the system log unless a receiver is set.
#include <functional>
#include <string_view>

namespace logg {

void skriv(std::string_view rad);

using Mottagare = std::function<void(std::string_view rad)>;
// Sends the lines to `mottagare` instead (an empty one: back to the
// system log); answers the receiver it replaces. Tests and fuzzers keep
// the lines to themselves this way.
Mottagare sättMottagare(Mottagare mottagare);

}  // namespace logg
