#pragma once
// Font and colour archives in each form a document may hold them, written
// byte by byte after the stream rules rather than by our own archiver:
// both byte orders and streamer versions, names as UTF-16 with either
// byte-order mark or none and as 8-bit text, sizes as integers, floats and
// doubles, every colour space, named colours, and values of every type
// code with back references into both tables. For fuzzing seeds and tests.
#include "Plattform/Bytes.h"
#include "Plattform/Font.h"

#include <optional>
#include <string>
#include <vector>

struct Exempelarkiv {
    std::string namn;  // ASCII, for file names
    Bytes bytes;
    // What the archive decodes to; none for a font archive read as colour
    // and the other way round.
    std::optional<Font> typsnitt;
    std::optional<Color> färg;
};

std::vector<Exempelarkiv> typsnittsarkiv();
std::vector<Exempelarkiv> färgarkiv();
