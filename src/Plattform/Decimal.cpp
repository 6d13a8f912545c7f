#include "Plattform/Decimal.h"

#include "Plattform/Bytes.h"

const DecimalBehavior& DecimalBehavior::standard() {
    static const DecimalBehavior b{};
    return b;
}

Decimal Decimal::fromStored(const Stored& b) {
    uint32_t w0 = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
    Decimal d;
    d.exponent_ = static_cast<int8_t>(w0 & 0xFF);
    d.length_ = (w0 >> 8) & 0xF;
    d.negative_ = (w0 >> 12) & 1;
    d.compact_ = (w0 >> 13) & 1;
    d.reserved_ = w0 >> 14;
    if (d.length_ > 8) throw FormatError("decimal number with a mantissa length over 8");
    for (int i = 0; i < 8; ++i) d.words_[i] = uint16_t(b[4 + 2 * i] | b[5 + 2 * i] << 8);
    return d;
}

Decimal::Stored Decimal::stored() const {
    uint32_t w0 = uint8_t(exponent_) | uint32_t(length_) << 8 | uint32_t(negative_) << 12 |
                  uint32_t(compact_) << 13 | reserved_ << 14;
    Stored b{};
    for (int i = 0; i < 4; ++i) b[i] = uint8_t(w0 >> (8 * i));
    for (int i = 0; i < 8; ++i) {
        b[4 + 2 * i] = uint8_t(words_[i]);
        b[5 + 2 * i] = uint8_t(words_[i] >> 8);
    }
    return b;
}

unsigned __int128 Decimal::mantissa() const {
    unsigned __int128 m = 0;
    for (int i = length_ - 1; i >= 0; --i) m = m << 16 | words_[i];
    return m;
}
