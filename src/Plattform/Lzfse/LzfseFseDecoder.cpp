// The LZFSE block decoder: literals first, then the (L, M, D) triplets that
// interleave them with matches. Checks what a valid block always satisfies
// (exact table sums, literal and output totals), so damaged blocks are
// rejected instead of decoding into undefined bytes.
#include "Plattform/Lzfse/LzfseBitStream.h"
#include "Plattform/Lzfse/LzfseBlockDecoders.h"
#include "Plattform/Lzfse/LzfseFse.h"

#include <cstring>

namespace lzfse {
namespace {

bool tableUsable(const uint16_t* freq, int symbols, int states, bool used) {
    int sum = frequencySum(freq, symbols);
    return used ? sum == states : sum <= states;
}

bool headerValid(const LzfseBlockHeader& h) {
    if (h.nLiterals > maxLiteralsPerBlock || h.nLiterals % 4 != 0 || h.nMatches > maxMatchesPerBlock) return false;
    for (auto s : h.literalState)
        if (s >= literalStates) return false;
    if (h.lState >= lStates || h.mState >= mStates || h.dState >= dStates) return false;
    if (h.literalBits < -7 || h.literalBits > 0 || h.lmdBits < -7 || h.lmdBits > 0) return false;
    bool hasTriplets = h.nMatches > 0;
    return tableUsable(h.literalFreq, literalSymbols, literalStates, h.nLiterals > 0) &&
           tableUsable(h.lFreq, lSymbols, lStates, hasTriplets) &&
           tableUsable(h.mFreq, mSymbols, mStates, hasTriplets) &&
           tableUsable(h.dFreq, dSymbols, dStates, hasTriplets);
}

bool decodeLiterals(const LzfseBlockHeader& h, const uint8_t* payload, uint8_t* literals) {
    LiteralDecodeEntry table[literalStates];
    buildLiteralDecodeTable(h.literalFreq, table);
    BackwardBitReader in;
    if (!in.open(payload, h.nLiteralPayloadBytes, h.literalBits)) return false;
    uint32_t s0 = h.literalState[0], s1 = h.literalState[1], s2 = h.literalState[2], s3 = h.literalState[3];
    for (uint32_t i = 0; i < h.nLiterals; i += 4) {
        in.refill();  // 4 x 10 bits at most
        const auto& e0 = table[s0];
        literals[i] = e0.symbol;
        s0 = e0.nextBase + in.read(e0.nbits);
        const auto& e1 = table[s1];
        literals[i + 1] = e1.symbol;
        s1 = e1.nextBase + in.read(e1.nbits);
        const auto& e2 = table[s2];
        literals[i + 2] = e2.symbol;
        s2 = e2.nextBase + in.read(e2.nbits);
        const auto& e3 = table[s3];
        literals[i + 3] = e3.symbol;
        s3 = e3.nextBase + in.read(e3.nbits);
    }
    // States stay below 1024 by construction of the table, so only running
    // out of bits can go wrong.
    return !in.overrun();
}

inline uint32_t decodeValue(const ValueDecodeEntry* table, uint32_t& state, BackwardBitReader& in) {
    const ValueDecodeEntry& e = table[state];
    uint32_t field = in.read(e.totalBits);
    state = e.nextBase + (field >> e.extraBits);
    return uint32_t(e.valueBase) + (field & ((1u << e.extraBits) - 1));
}

}  // namespace

bool decodeLzfseSymbols(const LzfseBlockHeader& h, std::span<const uint8_t> payloads, LzfseSymbols& into) {
    if (!headerValid(h)) return false;
    if (payloads.size() != size_t(h.nLiteralPayloadBytes) + h.nLmdPayloadBytes) return false;
    into.makeRoom();
    if (!decodeLiterals(h, payloads.data(), into.literals.get())) return false;

    // The LMD payload always starts with unused bytes; a shorter one is
    // malformed (and refused by other decoders too).
    if (h.nLmdPayloadBytes < (h.lmdBits == 0 ? 7u : 8u)) return false;
    BackwardBitReader in;
    if (!in.open(payloads.data() + h.nLiteralPayloadBytes, h.nLmdPayloadBytes, h.lmdBits)) return false;

    ValueDecodeEntry lTable[lStates], mTable[mStates], dTable[dStates];
    if (h.nMatches > 0) {
        buildValueDecodeTable(lStates, lSymbols, h.lFreq, lExtraBits, lBase, lTable);
        buildValueDecodeTable(mStates, mSymbols, h.mFreq, mExtraBits, mBase, mTable);
        buildValueDecodeTable(dStates, dSymbols, h.dFreq, dExtraBits, dBase, dTable);
    }
    uint32_t lState = h.lState, mState = h.mState, dState = h.dState;
    uint32_t previousDistance = 0;  // none yet in this block
    LzfseSymbols::Triplet* const triplets = into.triplets.get();
    // A local count: the compiler cannot tell that the triplet writes leave
    // the header alone, and would read it again after every one.
    const uint32_t nMatches = h.nMatches;
    for (uint32_t i = 0; i < nMatches; ++i) {
        in.refill();  // one triplet needs at most 14 + 17 + 23 bits
        const uint32_t l = decodeValue(lTable, lState, in);
        const uint32_t m = decodeValue(mTable, mState, in);
        uint32_t d = decodeValue(dTable, dState, in);
        // Reading past the payload's start only shifts in zero bits and the
        // states stay inside their tables, so one check after the loop
        // catches it; the copies check every triplet against the buffers.
        if (d == 0) d = previousDistance;
        previousDistance = d;
        triplets[i] = {uint16_t(l), uint16_t(m), d};
    }
    if (in.overrun()) return false;
    into.nLiterals = h.nLiterals;
    into.nMatches = nMatches;
    into.nRawBytes = h.nRawBytes;
    return true;
}

bool copyLzfseSymbols(const LzfseSymbols& symbols, OutputWindow& out) {
    if (out.end - out.pos != symbols.nRawBytes) return false;
    const uint8_t* lit = symbols.literals.get();
    const uint8_t* const litEnd = lit + symbols.nLiterals;
    const LzfseSymbols::Triplet* triplet = symbols.triplets.get();
    const LzfseSymbols::Triplet* const last = triplet + symbols.nMatches;
    uint8_t* const data = out.data;
    size_t pos = out.pos;
    const size_t end = out.end;
    for (; triplet != last; ++triplet) {
        const size_t l = triplet->literals, m = triplet->match, d = triplet->distance;
        if (d == 0 || d > pos + l) [[unlikely]] return false;
        if (size_t(litEnd - lit) < l || end - pos < l + m) [[unlikely]] return false;

        if (end - pos >= l + m + wideCopySlack) [[likely]] {
            copyLiterals(data + pos, lit, l);
            lit += l;
            pos += l;
            copyMatchWide(data + pos, d, m);
        } else {
            std::memcpy(data + pos, lit, l);
            lit += l;
            pos += l;
            copyMatch(data, pos, end, d, m);
        }
        pos += m;
    }
    out.pos = pos;
    return pos == end;
}

}  // namespace lzfse
