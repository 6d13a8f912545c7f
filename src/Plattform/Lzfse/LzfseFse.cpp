#include "Plattform/Lzfse/LzfseFse.h"

#include <cstdint>

namespace lzfse {

int frequencySum(const uint16_t* freq, int symbols) {
    int sum = 0;
    for (int s = 0; s < symbols; ++s) sum += freq[s];
    return sum;
}

void buildLiteralDecodeTable(const uint16_t* freq, LiteralDecodeEntry* table) {
    forEachDecoderState(1024, freq, 256, [&](int state, int symbol, int nbits, int base) {
        table[state] = {uint8_t(nbits), uint8_t(symbol), uint16_t(base)};
    });
}

void buildValueDecodeTable(int states, int symbols, const uint16_t* freq, const uint8_t* extraBits,
                           const int32_t* valueBase, ValueDecodeEntry* table) {
    forEachDecoderState(states, freq, symbols, [&](int state, int symbol, int nbits, int base) {
        table[state] = {uint8_t(nbits + extraBits[symbol]), extraBits[symbol], uint16_t(base), valueBase[symbol]};
    });
}

void buildEncodeTable(int states, const uint16_t* freq, int symbols, EncodeSymbol* table) {
    int start = 0;
    int stateWidth = std::bit_width(unsigned(states));
    for (int s = 0; s < symbols; ++s) {
        int f = freq[s];
        if (f == 0) {
            table[s] = {};
            continue;
        }
        int k = stateWidth - std::bit_width(unsigned(f));
        int t = (2 * states >> k) - f;
        table[s] = {(f << k) - states, k, start - f, start + t};
        start += f;
    }
}

void normalizeCounts(const uint32_t* counts, int symbols, int states, uint16_t* freq) {
    uint64_t total = 0;
    for (int s = 0; s < symbols; ++s) total += counts[s];
    if (total == 0) {
        for (int s = 0; s < symbols; ++s) freq[s] = 0;
        freq[0] = uint16_t(states);
        return;
    }
    int sum = 0;
    for (int s = 0; s < symbols; ++s) {
        if (counts[s] == 0) {
            freq[s] = 0;
            continue;
        }
        uint64_t scaled = (uint64_t(counts[s]) * uint64_t(states) + total / 2) / total;
        freq[s] = uint16_t(scaled < 1 ? 1 : scaled);
        sum += freq[s];
    }
    // Rounding leaves a small difference; settle it one state at a time where
    // it costs the fewest coded bits (about count / frequency per state).
    while (sum < states) {
        int best = -1;
        double bestGain = -1;
        for (int s = 0; s < symbols; ++s) {
            if (counts[s] == 0) continue;
            double gain = double(counts[s]) / (freq[s] + 0.5);
            if (gain > bestGain) bestGain = gain, best = s;
        }
        ++freq[best];
        ++sum;
    }
    while (sum > states) {
        int best = -1;
        double bestCost = 0;
        for (int s = 0; s < symbols; ++s) {
            if (freq[s] <= 1) continue;
            double cost = double(counts[s]) / (freq[s] - 0.5);
            if (best < 0 || cost < bestCost) bestCost = cost, best = s;
        }
        --freq[best];
        --sum;
    }
}

}  // namespace lzfse
