// The windowed decoder must give exactly what the whole-stream decoder
// gives, through any pattern of reads, and refuse what it refuses.
#include "Plattform/Lzfse.h"
#include "LzfseTestData.h"

#include <gtest/gtest.h>

using namespace lzfsetest;

namespace {

using Ahead = lzfse::WindowedDecoder::Ahead;

// Reads the whole stream in pieces of pseudo-random sizes up to `largest`,
// then proves the rest; none when the decoder refuses the stream.
std::optional<Bytes> readInPieces(const Bytes& stream, size_t size, size_t largest, uint64_t seed,
                                  Ahead ahead = Ahead::never) {
    try {
        lzfse::WindowedDecoder decoder(stream, size, ahead);
        ByteReader reader(decoder, size);
        Random r{seed};
        Bytes out;
        while (!reader.atEnd()) {
            size_t n = std::min<size_t>(1 + r.next() % largest, reader.remaining());
            auto part = reader.take(n);
            out.insert(out.end(), part.begin(), part.end());
        }
        decoder.finish();
        return out;
    } catch (const lzfse::DamagedStream&) {
        return std::nullopt;
    }
}

// Pieces of random bytes that come back about 200 KB later, again and again,
// so that matches reach far back across every move of the window.
Bytes farRepeats() {
    Bytes out;
    for (int round = 0; out.size() < (size_t(5) << 20); ++round) {
        Bytes a = randomBytes(120'000, 7 + uint64_t(round % 3)), b = randomBytes(90'000, 100 + uint64_t(round));
        out.insert(out.end(), a.begin(), a.end());
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

}  // namespace

TEST(LzfseWindowedDecoder, GivesTheInputOfEveryStreamWhateverTheReads) {
    std::vector<std::pair<std::string, Bytes>> streams;
    for (const auto& stem : vectorStems()) streams.push_back({stem, readFile(vectorDir() / (stem + ".lzfse"))});
    Bytes far = farRepeats();
    streams.push_back({"far repeats", lzfse::encode(far)});
    for (const auto& [name, stream] : streams) {
        SCOPED_TRACE(name);
        Bytes input = name == "far repeats" ? far : inputFor(name);
        for (size_t largest : {size_t(1), size_t(9), size_t(70'000), size_t(3) << 20})
            for (Ahead ahead : {Ahead::never, Ahead::always}) {
                if (largest == 1 && input.size() > 300'000) continue;
                auto got = readInPieces(stream, input.size(), largest, largest, ahead);
                ASSERT_TRUE(got) << largest;
                EXPECT_TRUE(*got == input) << largest;
            }
    }
}

TEST(LzfseWindowedDecoder, RefusesWhatTheWholeStreamDecoderRefuses) {
    Bytes input = readFile(vectorDir() / "s10-ledger-64k.bin");
    Bytes stream = readFile(vectorDir() / "s10-ledger-64k.lzfse");
    for (Ahead ahead : {Ahead::never, Ahead::always}) {
        EXPECT_FALSE(readInPieces(stream, input.size() - 1, 1000, 1, ahead));
        EXPECT_FALSE(readInPieces(stream, input.size() + 1, 1000, 1, ahead));
    }
    size_t refused = 0;
    for (size_t at = 0; at < stream.size(); at += 13) {
        Bytes damaged = stream;
        damaged[at] ^= 0x5A;
        auto whole = lzfse::decode(damaged, input.size());
        auto windowed = readInPieces(damaged, input.size(), 5000, at);
        auto ahead = readInPieces(damaged, input.size(), 5000, at, Ahead::always);
        ASSERT_EQ(whole.has_value(), windowed.has_value()) << at;
        ASSERT_EQ(whole.has_value(), ahead.has_value()) << at;
        if (whole) EXPECT_TRUE(*whole == *windowed && *whole == *ahead) << at;
        refused += !whole;
    }
    EXPECT_GT(refused, 0u);
}

// A reader that stops early leaves the walk waiting ahead of it; the
// decoder must still go away cleanly, and report only input it is done
// with: no more than a decoder walking in step reports.
TEST(LzfseWindowedDecoder, WalkingAheadStopsWithItsReaderAndReportsOnlyInputItIsDoneWith) {
    Bytes far = farRepeats();
    Bytes stream = lzfse::encode(far);
    for (size_t readBytes : {size_t(0), size_t(1), size_t(700'000), size_t(3'000'000)}) {
        auto inputDoneAfterReading = [&](Ahead ahead) {
            lzfse::WindowedDecoder decoder(stream, far.size(), ahead);
            ByteReader reader(decoder, far.size());
            if (readBytes > 0) reader.take(readBytes);
            return decoder.inputDone();
        };
        const size_t inStep = inputDoneAfterReading(Ahead::never);
        EXPECT_EQ(inputDoneAfterReading(Ahead::always), inStep) << readBytes;
        EXPECT_LT(inStep, stream.size()) << readBytes;
        EXPECT_EQ(inStep > 0, readBytes > 0) << readBytes;
    }
}
