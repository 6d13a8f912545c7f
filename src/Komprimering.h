#pragma once
// Compression of the document body (LZFSE streams).
#include "Plattform/Bytes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

// The LZFSE encoding of the whole block. Never fails: a block that does
// not compress is stored in an uncompressed block.
Bytes komprimerad(std::span<const uint8_t> data);

// Decodes an LZFSE stream that should give exactly `originalstorlek`
// bytes; none when the stream is damaged or decodes to another size.
std::optional<Bytes> dekomprimerad(std::span<const uint8_t> data, int64_t originalstorlek);

// True when the LZFSE stream decodes to exactly `data`. Decodes through a
// small window instead of a second copy of the whole block.
bool avkodasTill(std::span<const uint8_t> komprimerat, std::span<const uint8_t> data);

// The same for data that `skriv` writes into the sink it is given, a piece
// at a time, `längd` bytes in all: the data need never stand in memory.
bool avkodasTill(std::span<const uint8_t> komprimerat, size_t längd, const std::function<void(ByteSink&)>& skriv);
