#include "Plattform/Lzfse/LzfseLzvnEncoder.h"

#include "Plattform/Lzfse/LzfseFormat.h"
#include "Plattform/Lzfse/LzfseMatchFinder.h"

#include <algorithm>

namespace lzfse {
namespace {

// Longest match the small, large and previous-distance forms can carry with
// 0-3 literals (longer ones would land on invalid or other opcodes).
constexpr size_t shortFormMaxMatch[4] = {10, 8, 6, 4};

class LzvnWriter {
public:
    explicit LzvnWriter(Bytes& out) : out_(out) {}

    void add(const uint8_t* literals, size_t literalCount, size_t length, uint32_t distance) {
        // Literals beyond the 0-3 a match instruction carries go first.
        size_t carried = length == 0 ? 0 : std::min<size_t>(literalCount, 3);
        writeLiterals(literals, literalCount - carried);
        literals += literalCount - carried;
        if (length == 0) return;

        size_t used;
        const size_t l = carried;
        if (distance == previousDistance_ && l > 0) {
            used = std::min(length, shortFormMaxMatch[l]);
            out_.push_back(uint8_t(l << 6 | (used - 3) << 3 | 6));
        } else if (distance <= 1535 && length <= shortFormMaxMatch[l]) {
            used = length;
            out_.push_back(uint8_t(l << 6 | (used - 3) << 3 | distance >> 8));
            out_.push_back(uint8_t(distance));
        } else if (distance < 16384) {
            used = std::min<size_t>(length, 34);
            uint32_t w = distance << 2 | uint32_t((used - 3) & 3);
            out_.push_back(uint8_t(0xA0 | l << 3 | (used - 3) >> 2));
            out_.push_back(uint8_t(w));
            out_.push_back(uint8_t(w >> 8));
        } else {
            used = std::min(length, shortFormMaxMatch[l]);
            out_.push_back(uint8_t(l << 6 | (used - 3) << 3 | 7));
            out_.push_back(uint8_t(distance));
            out_.push_back(uint8_t(distance >> 8));
        }
        out_.insert(out_.end(), literals, literals + l);
        previousDistance_ = distance;
        // The rest of the match repeats the distance just set.
        for (size_t rest = length - used; rest > 0;) {
            size_t chunk = std::min<size_t>(rest, 271);
            if (chunk < 16) {
                out_.push_back(uint8_t(0xF0 | chunk));
            } else {
                out_.push_back(0xF0);
                out_.push_back(uint8_t(chunk - 16));
            }
            rest -= chunk;
        }
    }

    void finish() {
        out_.push_back(0x06);
        out_.insert(out_.end(), 7, 0);
    }

private:
    void writeLiterals(const uint8_t* literals, size_t count) {
        while (count > 0) {
            size_t chunk = std::min<size_t>(count, 271);
            if (chunk < 16) {
                out_.push_back(uint8_t(0xE0 | chunk));
            } else {
                out_.push_back(0xE0);
                out_.push_back(uint8_t(chunk - 16));
            }
            out_.insert(out_.end(), literals, literals + chunk);
            literals += chunk;
            count -= chunk;
        }
    }

    Bytes& out_;
    uint32_t previousDistance_ = 0;  // none yet
};

}  // namespace

void encodeLzvnBlock(std::span<const uint8_t> in, Bytes& out, MatchTables& tables) {
    Bytes payload;
    LzvnWriter writer(payload);
    parseMatches(in, lzvnMaxDistance, tables, [&](size_t literalStart, size_t literalCount, size_t length, uint32_t distance) {
        writer.add(in.data() + literalStart, literalCount, length, distance);
    });
    writer.finish();
    appendLe32(out, magicLzvn);
    appendLe32(out, uint32_t(in.size()));
    appendLe32(out, uint32_t(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
}

void encodeLzvnBlock(std::span<const uint8_t> in, Bytes& out) {
    MatchTables tables;
    encodeLzvnBlock(in, out, tables);
}

}  // namespace lzfse
