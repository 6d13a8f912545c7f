// The windowed decoder must give exactly what the whole-stream decoder
// gives, through any pattern of reads, and refuse what it refuses.
#include "Plattform/Lzfse/Lzfse.h"
#include "LzfseTestData.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace lzfsetest;

namespace {

using Ahead = lzfse::WindowedDecoder::Ahead;

// The decoder read as the document's records are read.
struct Läsbar : ByteSource {
    explicit Läsbar(lzfse::WindowedDecoder& d) : decoder(d) {}
    std::span<const uint8_t> view(size_t offset, size_t need) override { return decoder.view(offset, need); }
    lzfse::WindowedDecoder& decoder;
};

// Reads the whole stream in pieces of pseudo-random sizes up to `largest`,
// then proves the rest; none when the decoder refuses the stream.
std::optional<Bytes> readInPieces(const Bytes& stream, size_t size, size_t largest, uint64_t seed,
                                  Ahead ahead = Ahead::never) {
    try {
        lzfse::WindowedDecoder decoder(stream, size, ahead);
        Läsbar källa(decoder);
        ByteReader reader(källa, size);
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
        if (whole) {
            EXPECT_TRUE(*whole == *windowed && *whole == *ahead) << at;
        }
        refused += !whole;
    }
    EXPECT_GT(refused, 0u);
}

// A reader that stops early leaves the thread decoding ahead of it, waiting
// for room the reader will never make (the window holds far less than the
// rest of the stream); the decoder must still go away cleanly, its thread
// with it.
TEST(LzfseWindowedDecoder, DecodingAheadStopsWithItsReader) {
    Bytes far = farRepeats();
    Bytes stream = lzfse::encode(far);
    ASSERT_TRUE(eventually([] { return codecThreads() == 0; }));
    for (size_t readBytes : {size_t(0), size_t(1), size_t(700'000), size_t(3'000'000)}) {
        SCOPED_TRACE(readBytes);
        {
            lzfse::WindowedDecoder decoder(stream, far.size(), Ahead::always);
            Läsbar källa(decoder);
        ByteReader reader(källa, far.size());
            if (readBytes > 0) {
                EXPECT_TRUE(std::ranges::equal(reader.take(readBytes), std::span(far).first(readBytes)));
                // The blocks decoded so far are reported, the one read from at least.
                EXPECT_GT(decoder.inputDone(), 0u);
            }
            EXPECT_TRUE(eventually([] { return codecThreads() == 1; }));
            EXPECT_LT(decoder.inputDone(), stream.size());
        }
        EXPECT_TRUE(eventually([] { return codecThreads() == 0; }));
    }
}

// Input the decoder reports done may be given back at once (the document
// reader does so with the file's pages): spoiling it after every view must
// not change a byte of what the decoder gives.
TEST(LzfseWindowedDecoder, NeverReadsInputAgainOnceReportedDone) {
    Bytes far = farRepeats();
    const Bytes stream = lzfse::encode(far);
    for (Ahead ahead : {Ahead::never, Ahead::always}) {
        Bytes input = stream;
        lzfse::WindowedDecoder decoder(input, far.size(), ahead);
        struct Spoiling : ByteSource {
            lzfse::WindowedDecoder& decoder;
            Bytes& input;
            size_t spoilt = 0;
            Spoiling(lzfse::WindowedDecoder& d, Bytes& i) : decoder(d), input(i) {}
            std::span<const uint8_t> view(size_t offset, size_t need) override {
                auto part = decoder.view(offset, need);
                for (size_t done = decoder.inputDone(); spoilt < done; ++spoilt) input[spoilt] ^= 0xA5;
                return part;
            }
        } spoiling(decoder, input);
        ByteReader reader(spoiling, far.size());
        Bytes out;
        Random r{3};
        while (!reader.atEnd()) {
            auto part = reader.take(std::min<size_t>(1 + r.next() % 50'000, reader.remaining()));
            out.insert(out.end(), part.begin(), part.end());
        }
        decoder.finish();
        EXPECT_TRUE(out == far);
        EXPECT_GT(spoiling.spoilt, stream.size() / 2);
    }
}
