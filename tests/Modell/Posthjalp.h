#pragma once
// Small helpers for the record tests: building stored decimals without the
// arithmetic layer, and writing/reading records through memory.
#include "Strommar.h"

#include <cstdint>
#include <span>

namespace posthjalp {

// A decimal stored as mantissa × 10^exponent, built from its 20-byte form.
inline Decimal dec(uint16_t mantissa, int8_t exponent, bool negative = false) {
    Decimal::Stored b{};
    uint32_t word = static_cast<uint8_t>(exponent);
    if (mantissa) word |= 1u << 8;
    if (negative) word |= 1u << 12;
    word |= 1u << 13;
    for (int i = 0; i < 4; ++i) b[i] = static_cast<uint8_t>(word >> (8 * i));
    b[4] = static_cast<uint8_t>(mantissa);
    b[5] = static_cast<uint8_t>(mantissa >> 8);
    return Decimal::fromStored(b);
}

template <class T>
Bytes sparat(const T& objekt) {
    Utström ut;
    objekt.spara(ut);
    return ut.take();
}

// Reads one T from `bytes`, checks that the record used every byte, and
// gives it back.
template <class T>
T läst(const Bytes& bytes, const Referenser& ref = {}, size_t* kvar = nullptr) {
    Inström in{std::span<const uint8_t>(bytes)};
    T objekt(in, ref);
    if (kvar) *kvar = in.remaining();
    return objekt;
}

}  // namespace posthjalp
