#pragma once
// The bit streams of LZFSE payloads: written forwards, least significant bit
// first, and read backwards, last-written field first.
#include "Plattform/Bytes.h"
#include "Plattform/LzfseFormat.h"

#include <cstddef>
#include <cstdint>

namespace lzfse {

class BackwardBitReader {
public:
    // `bits` (-7..0) says how many padding bits end the last byte; they must
    // be zero. False when the stream cannot be a valid one.
    bool open(const uint8_t* data, size_t size, int bits) {
        data_ = data;
        pos_ = size;
        acc_ = 0;
        avail_ = 0;
        phantom_ = 0;
        if (bits < -7 || bits > 0) return false;
        if (size == 0) return bits == 0;
        int padding = -bits;
        if (padding > 0 && (data[size - 1] >> (8 - padding)) != 0) return false;
        refill();
        avail_ -= padding;
        return true;
    }

    // Tops the buffer up to at least 56 bits. Past the stream's start it
    // shifts in zero bits, counted, so that reads need no check of their
    // own: overrun() tells afterwards whether any of them was used.
    void refill() {
        int wanted = (63 - avail_) >> 3;
        if (wanted == 0) return;
        if (pos_ >= 8) {
            uint64_t v = load64(data_ + pos_ - 8);
            acc_ = (acc_ << (8 * wanted)) | (v >> (64 - 8 * wanted));
            pos_ -= size_t(wanted);
            avail_ += 8 * wanted;
            return;
        }
        for (; wanted > 0; --wanted) {
            if (pos_ > 0) {
                acc_ = (acc_ << 8) | data_[--pos_];
            } else {
                acc_ <<= 8;
                phantom_ += 8;
            }
            avail_ += 8;
        }
    }

    // Reads a field of up to 32 bits; a refill must have made room for it
    // (at most 56 bits between refills).
    uint32_t read(int width) {
        avail_ -= width;
        return uint32_t((acc_ >> avail_) & ((uint64_t(1) << width) - 1));
    }

    // True once a read took bits from before the stream's start.
    bool overrun() const { return avail_ < phantom_; }

private:
    const uint8_t* data_ = nullptr;
    size_t pos_ = 0;      // stream bytes below this index are not loaded yet
    uint64_t acc_ = 0;    // the next `avail_` bits, the next to read highest
    int avail_ = 0;
    int phantom_ = 0;     // how many of the lowest `avail_` bits are not the stream's
};

class ForwardBitWriter {
public:
    explicit ForwardBitWriter(Bytes& out) : out_(out) {}

    // Appends the low `width` bits (at most 32) of `value`.
    void write(uint32_t value, int width) {
        acc_ |= uint64_t(value) << count_;
        count_ += width;
        if (count_ >= 32) {
            for (int i = 0; i < 4; ++i) out_.push_back(uint8_t(acc_ >> (8 * i)));
            acc_ >>= 32;
            count_ -= 32;
        }
    }

    // Flushes the last bits, zero-padding the last byte; returns the stream's
    // bit-count adjustment (-7..0).
    int finish() {
        int padding = (8 - count_ % 8) % 8;
        while (count_ > 0) {
            out_.push_back(uint8_t(acc_));
            acc_ >>= 8;
            count_ -= 8;
        }
        count_ = 0;
        return -padding;
    }

private:
    Bytes& out_;
    uint64_t acc_ = 0;
    int count_ = 0;
};

}  // namespace lzfse
