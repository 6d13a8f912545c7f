#pragma once
// FSE (tANS) tables: decoding tables built from a frequency table, the
// matching encoder transitions, and scaling of symbol counts to a table.
#include <bit>
#include <cstdint>

namespace lzfse {

// One decoder state of the literal stream.
struct LiteralDecodeEntry {
    uint8_t nbits;
    uint8_t symbol;
    uint16_t nextBase;  // next state = nextBase + the nbits read
};

// One decoder state of the L, M or D stream. The state bits and the value's
// extra bits are read as one field of `totalBits` bits.
struct ValueDecodeEntry {
    uint8_t totalBits;
    uint8_t extraBits;
    uint16_t nextBase;
    int32_t valueBase;
};

// Calls visit(state, symbol, nbits, nextBase) for each of the `states`
// decoder states. The frequencies must sum to exactly `states`.
template <typename Visit>
void forEachDecoderState(int states, const uint16_t* freq, int symbols, Visit visit) {
    int state = 0;
    int stateWidth = std::bit_width(unsigned(states));
    for (int s = 0; s < symbols; ++s) {
        int f = freq[s];
        if (f == 0) continue;
        int k = stateWidth - std::bit_width(unsigned(f));
        int t = (2 * states >> k) - f;
        for (int j = 0; j < f; ++j, ++state) {
            if (j < t)
                visit(state, s, k, ((f + j) << k) - states);
            else
                visit(state, s, k - 1, (j - t) << (k - 1));
        }
    }
}

// Sum of a frequency table; tables are valid only when this equals the
// number of states.
int frequencySum(const uint16_t* freq, int symbols);

void buildLiteralDecodeTable(const uint16_t* freq, LiteralDecodeEntry* table);
void buildValueDecodeTable(int states, int symbols, const uint16_t* freq, const uint8_t* extraBits,
                           const int32_t* valueBase, ValueDecodeEntry* table);

// Encoder transition for one symbol (the inverse of the decoder's).
struct EncodeSymbol {
    int32_t threshold = 0;  // states at or above it emit k bits, the rest k - 1
    int32_t k = 0;
    int32_t offsetHigh = 0;  // next state = offsetHigh + ((x + N) >> k)
    int32_t offsetLow = 0;   // next state = offsetLow + (x >> (k - 1))
};

void buildEncodeTable(int states, const uint16_t* freq, int symbols, EncodeSymbol* table);

// Encodes one symbol from encoder state `x`: gives the bits to write and
// their count, and moves `x` to the decoder state that decodes the symbol.
inline void encodeSymbol(uint32_t& x, const EncodeSymbol& e, int states, uint32_t& bits, int& nbits) {
    if (int32_t(x) >= e.threshold) {
        nbits = e.k;
        bits = x & ((1u << e.k) - 1);
        x = uint32_t(e.offsetHigh + int32_t((x + uint32_t(states)) >> e.k));
    } else {
        nbits = e.k - 1;
        bits = x & ((1u << nbits) - 1);
        x = uint32_t(e.offsetLow + int32_t(x >> nbits));
    }
}

// Scales symbol counts to frequencies summing to exactly `states`, giving at
// least 1 to every symbol that occurs. With no counts at all, symbol 0 takes
// every state so that the table stays valid.
void normalizeCounts(const uint32_t* counts, int symbols, int states, uint16_t* freq);

}  // namespace lzfse
