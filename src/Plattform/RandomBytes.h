#pragma once
// Random bytes from the operating system's generator, for identifiers that
// must not repeat across runs (UUIDs).
#include <cstdint>
#include <span>

// Fills `bytes`; falls back to std::random_device where the system call is
// not available.
void fillWithRandomBytes(std::span<uint8_t> bytes);
