#pragma once
// How the tool talks: every message is one string and one line feed.
#include <string_view>

// The sink of every error message: standard error, written in one call.
struct StderrOutputStream {
    void write(std::string_view text) const;
};

// One message and a line feed on standard error.
void skrivFel(std::string_view meddelande);
// One line on standard output.
void skrivRad(std::string_view rad);
