// The LZVN block decoder. Every instruction is checked before it runs: a bad
// opcode, a distance of zero or beyond the output, output past the block's
// size, or a payload that ends early all reject the block.
#include "Plattform/Lzfse/LzfseBlockDecoders.h"

#include <cstring>

namespace lzfse {
namespace {

enum class Kind : uint8_t { smallDistance, mediumDistance, largeDistance, previousDistance, smallMatch, largeMatch,
                            smallLiteral, largeLiteral, end, nop, invalid };

constexpr Kind classify(unsigned b) {
    if (b == 0x06) return Kind::end;
    if (b == 0x0E || b == 0x16) return Kind::nop;
    if (b < 0x40 && (b & 7) == 6) return Kind::invalid;
    if ((b >= 0x70 && b <= 0x7F) || (b >= 0xD0 && b <= 0xDF)) return Kind::invalid;
    if (b >= 0xA0 && b <= 0xBF) return Kind::mediumDistance;
    if (b == 0xE0) return Kind::largeLiteral;
    if (b > 0xE0 && b <= 0xEF) return Kind::smallLiteral;
    if (b == 0xF0) return Kind::largeMatch;
    if (b > 0xF0) return Kind::smallMatch;
    if ((b & 7) == 7) return Kind::largeDistance;
    if ((b & 7) == 6) return Kind::previousDistance;
    return Kind::smallDistance;
}

struct KindTable {
    Kind kinds[256];
};
constexpr KindTable makeKindTable() {
    KindTable t{};
    for (unsigned b = 0; b < 256; ++b) t.kinds[b] = classify(b);
    return t;
}
constexpr KindTable kindTable = makeKindTable();

}  // namespace

bool decodeLzvnBlock(std::span<const uint8_t> payload, OutputWindow& out) {
    const uint8_t* p = payload.data();
    const size_t n = payload.size();
    size_t ip = 0;
    size_t previousDistance = 0;  // none yet in this block

    while (ip < n) {
        const unsigned op = p[ip];
        size_t opcodeBytes = 1, literal = 0, match = 0, distance = previousDistance;
        bool setsDistance = false;
        switch (kindTable.kinds[op]) {
            case Kind::end:
                // The 8-byte end instruction must close the payload exactly.
                return n - ip == 8 && out.pos == out.end;
            case Kind::nop:
                ++ip;
                continue;
            case Kind::invalid:
                return false;
            case Kind::smallDistance:
                if (n - ip < 2) return false;
                opcodeBytes = 2, literal = op >> 6, match = ((op >> 3) & 7) + 3;
                distance = (op & 7) << 8 | p[ip + 1], setsDistance = true;
                break;
            case Kind::mediumDistance: {
                if (n - ip < 3) return false;
                unsigned w = unsigned(p[ip + 1]) | unsigned(p[ip + 2]) << 8;
                opcodeBytes = 3, literal = (op >> 3) & 3, match = ((op & 7) << 2 | (w & 3)) + 3;
                distance = w >> 2, setsDistance = true;
                break;
            }
            case Kind::largeDistance:
                if (n - ip < 3) return false;
                opcodeBytes = 3, literal = op >> 6, match = ((op >> 3) & 7) + 3;
                distance = unsigned(p[ip + 1]) | unsigned(p[ip + 2]) << 8, setsDistance = true;
                break;
            case Kind::previousDistance:
                literal = op >> 6, match = ((op >> 3) & 7) + 3;
                break;
            case Kind::smallMatch:
                match = op & 15;
                break;
            case Kind::largeMatch:
                if (n - ip < 2) return false;
                opcodeBytes = 2, match = size_t(p[ip + 1]) + 16;
                break;
            case Kind::smallLiteral:
                literal = op & 15;
                break;
            case Kind::largeLiteral:
                if (n - ip < 2) return false;
                opcodeBytes = 2, literal = size_t(p[ip + 1]) + 16;
                break;
        }
        // A valid payload always has at least the end instruction left after
        // this instruction and its literals.
        if (n - ip <= opcodeBytes + literal) return false;
        if (out.end - out.pos < literal + match) return false;
        const uint8_t* from = p + ip + opcodeBytes;
        if (n - ip >= opcodeBytes + literal + 16 && out.end - out.pos >= literal + 16)
            copyLiterals(out.data + out.pos, from, literal);
        else
            std::memcpy(out.data + out.pos, from, literal);
        out.pos += literal;
        ip += opcodeBytes + literal;
        if (match > 0) {
            if (distance == 0 || distance > out.pos) return false;
            copyMatch(out.data, out.pos, out.end, distance, match);
            out.pos += match;
        }
        if (setsDistance) previousDistance = distance;
    }
    return false;  // no end instruction
}

}  // namespace lzfse
