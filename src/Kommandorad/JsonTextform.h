#pragma once
// A JSON value written out for a message: compact JSON on one line, cut
// short at a fixed depth and length so that no input, however large or
// deep, makes a message unbounded.
#include "Kommandorad/JsonVarde.h"

#include <cstddef>
#include <string>

struct Textformsgränser {
    size_t djup = 6;        // deeper arrays and objects show as […] and {…}
    size_t längd = 1000;    // bytes before the text is cut with "…"
};

std::string jsonTextform(JsonVärde värde, Textformsgränser gränser = {});
