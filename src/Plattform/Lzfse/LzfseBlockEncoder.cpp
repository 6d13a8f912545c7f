#include "Plattform/Lzfse/LzfseBlockEncoder.h"

#include "Plattform/Lzfse/LzfseBitStream.h"
#include "Plattform/Lzfse/LzfseFormat.h"
#include "Plattform/Lzfse/LzfseFse.h"
#include "Plattform/Lzfse/LzfseHeader.h"

#include <vector>

namespace lzfse {
namespace {

struct CodedValue {
    uint8_t symbol;
    uint8_t extraBits;
    uint32_t extra;
};

struct CodedTriplet {
    CodedValue l, m, d;
};

CodedValue coded(uint32_t v, int symbol, const uint8_t* extraBits, const int32_t* base) {
    return {uint8_t(symbol), extraBits[symbol], v - uint32_t(base[symbol])};
}

// Writes one value's extra bits below its state bits, so that the backward
// reader gets the state bits first.
inline void writeValue(const CodedValue& v, uint32_t& state, const EncodeSymbol* table, int states,
                       ForwardBitWriter& w) {
    uint32_t bits;
    int nbits;
    encodeSymbol(state, table[v.symbol], states, bits, nbits);
    w.write(bits << v.extraBits | v.extra, nbits + v.extraBits);
}

}  // namespace

void encodeLzfseBlock(std::span<const Triplet> triplets, std::span<const uint8_t> literalBytes, Bytes& out) {
    LzfseBlockHeader h;
    uint32_t lCounts[lSymbols] = {}, mCounts[mSymbols] = {}, dCounts[dSymbols] = {};
    uint32_t literalCounts[literalSymbols] = {};

    std::vector<CodedTriplet> coding(triplets.size());
    uint32_t previousD = 0;
    uint64_t rawBytes = 0;
    for (size_t i = 0; i < triplets.size(); ++i) {
        const Triplet& t = triplets[i];
        uint32_t d = (i > 0 && t.d == previousD) ? 0 : t.d;  // 0 repeats the previous distance
        previousD = t.d;
        coding[i] = {coded(t.l, lSymbol(t.l), lExtraBits, lBase), coded(t.m, mSymbol(t.m), mExtraBits, mBase),
                     coded(d, dSymbol(d), dExtraBits, dBase)};
        ++lCounts[coding[i].l.symbol];
        ++mCounts[coding[i].m.symbol];
        ++dCounts[coding[i].d.symbol];
        rawBytes += t.l + t.m;
    }
    std::vector<uint8_t> literals(literalBytes.begin(), literalBytes.end());
    literals.resize((literals.size() + 3) / 4 * 4, 0);
    for (uint8_t b : literals) ++literalCounts[b];

    normalizeCounts(lCounts, lSymbols, lStates, h.lFreq);
    normalizeCounts(mCounts, mSymbols, mStates, h.mFreq);
    normalizeCounts(dCounts, dSymbols, dStates, h.dFreq);
    normalizeCounts(literalCounts, literalSymbols, literalStates, h.literalFreq);
    EncodeSymbol lTable[lSymbols], mTable[mSymbols], dTable[dSymbols], literalTable[literalSymbols];
    buildEncodeTable(lStates, h.lFreq, lSymbols, lTable);
    buildEncodeTable(mStates, h.mFreq, mSymbols, mTable);
    buildEncodeTable(dStates, h.dFreq, dSymbols, dTable);
    buildEncodeTable(literalStates, h.literalFreq, literalSymbols, literalTable);

    // Both streams are written in the reverse of the order they are read.
    Bytes literalPayload;
    literalPayload.reserve(literals.size() + 8);
    {
        ForwardBitWriter w(literalPayload);
        uint32_t state[4] = {0, 0, 0, 0};
        for (size_t g = literals.size(); g >= 4; g -= 4) {
            for (int k = 3; k >= 0; --k) {
                uint32_t bits;
                int nbits;
                encodeSymbol(state[k], literalTable[literals[g - 4 + size_t(k)]], literalStates, bits, nbits);
                w.write(bits, nbits);
            }
        }
        h.literalBits = w.finish();
        for (int k = 0; k < 4; ++k) h.literalState[k] = uint16_t(state[k]);
    }

    Bytes lmdPayload(8, 0);  // decoders load these first and never use them
    lmdPayload.reserve(8 + triplets.size() * 7);
    {
        ForwardBitWriter w(lmdPayload);
        uint32_t l = 0, m = 0, d = 0;
        for (size_t i = coding.size(); i-- > 0;) {
            writeValue(coding[i].d, d, dTable, dStates, w);
            writeValue(coding[i].m, m, mTable, mStates, w);
            writeValue(coding[i].l, l, lTable, lStates, w);
        }
        h.lmdBits = w.finish();
        h.lState = uint16_t(l);
        h.mState = uint16_t(m);
        h.dState = uint16_t(d);
    }

    h.nRawBytes = uint32_t(rawBytes);
    h.nLiterals = uint32_t(literals.size());
    h.nMatches = uint32_t(triplets.size());
    h.nLiteralPayloadBytes = uint32_t(literalPayload.size());
    h.nLmdPayloadBytes = uint32_t(lmdPayload.size());
    writeV2Header(h, out);
    out.insert(out.end(), literalPayload.begin(), literalPayload.end());
    out.insert(out.end(), lmdPayload.begin(), lmdPayload.end());
}

}  // namespace lzfse
