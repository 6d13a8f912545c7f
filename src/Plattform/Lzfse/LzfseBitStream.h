#pragma once
// The bit streams of LZFSE payloads: written forwards, least significant bit
// first, and read backwards, last-written field first.
#include "Plattform/Lzfse/LzfseMemory.h"
#include "Plattform/Lzfse/LzfseFormat.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace lzfse {

class BackwardBitReader {
public:
    // `bits` (-7..0) says how many padding bits end the last byte; they must
    // be zero. False when the stream cannot be a valid one.
    bool open(const uint8_t* data, size_t size, int bits) {
        data_ = data;
        size_ = ptrdiff_t(size);
        if (bits < -7 || bits > 0) return false;
        if (size == 0) {
            base_ = 0;
            acc_ = 0;
            avail_ = phantom_ = 0;
            return bits == 0;
        }
        int padding = -bits;
        if (padding > 0 && (data[size - 1] >> (8 - padding)) != 0) return false;
        base_ = size_ - 8;
        phantom_ = 0;
        load();
        avail_ = 64 - padding;
        return true;
    }

    // Makes at least 57 bits ready by moving the word down over the bytes
    // read. Before the stream's start it holds zero bits, counted, so that
    // reads need no check of their own: overrun() tells afterwards whether
    // any of them was used.
    void refill() {
        const int read = (64 - avail_) >> 3;
        base_ -= read;
        avail_ += 8 * read;
        if (base_ >= 0) [[likely]]
            acc_ = load64(data_ + base_);
        else
            load();
    }

    // Reads a field of up to 32 bits; a refill must have made room for it
    // (at most 56 bits between refills).
    uint32_t read(int width) {
        avail_ -= width;
        // A read of no bits may leave all 64 unread; masking the count keeps
        // that shift defined (and free: the instruction masks it anyway),
        // and the empty field is 0 whatever it shifted.
        return uint32_t((acc_ >> (avail_ & 63)) & ((uint64_t(1) << width) - 1));
    }

    // True once a read took bits from before the stream's start.
    bool overrun() const { return avail_ < phantom_; }

private:
    // The word at base_, which may start before the stream's first byte.
    void load() {
        if (base_ >= 0 && base_ + 8 <= size_) {
            acc_ = load64(data_ + base_);
            return;
        }
        acc_ = 0;
        for (int i = 0; i < 8; ++i) {
            const ptrdiff_t at = base_ + i;
            if (at >= 0 && at < size_) acc_ |= uint64_t(data_[at]) << (8 * i);
        }
        phantom_ = base_ < 0 ? int(std::min<ptrdiff_t>(-base_, 8)) * 8 : 0;
    }

    const uint8_t* data_ = nullptr;
    ptrdiff_t size_ = 0;
    ptrdiff_t base_ = 0;  // stream offset of the word's lowest byte
    uint64_t acc_ = 0;    // the stream's bytes base_ .. base_ + 7
    int avail_ = 0;       // the word's lowest bits not read yet, the next to read highest
    int phantom_ = 0;     // how many of the word's lowest bits lie before the stream
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
