// An input handed to the stream encoder a piece at a time must come out as
// the very bytes the whole-input encoder makes of it, however it was cut,
// however many threads parse it, and wherever the segments fall.
#include "Plattform/Lzfse/Lzfse.h"
#include "LzfseTestData.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace lzfsetest;

namespace {

Bytes streamed(const Bytes& in, size_t piece, lzfse::StreamEncoder::Options options) {
    lzfse::StreamEncoder encoder(options);
    for (size_t at = 0; at < in.size(); at += piece)
        encoder.write(std::span(in).subspan(at, std::min(piece, in.size() - at)));
    EXPECT_EQ(encoder.size(), in.size());
    return encoder.finish();
}

lzfse::StreamEncoder::Options small(size_t segment, unsigned threads) {
    lzfse::StreamEncoder::Options o;
    o.segment = segment;
    o.threads = threads;
    o.streamFrom = 20'000;
    return o;
}

}  // namespace

TEST(LzfseStreamEncoder, PiecesGiveTheBytesOfTheWholeInput) {
    Bytes mixed = readFile(vectorDir() / "s13-mixed-4m.bin");
    mixed.resize(1'000'000);
    Bytes runs(400'000, 0x41);  // matches longer than segments and look-ahead alike
    Bytes tail = randomBytes(60'000, 5);
    runs.insert(runs.end(), tail.begin(), tail.end());
    const std::pair<const char*, Bytes> inputs[] = {{"mixed", mixed},
                                                    {"runs", runs},
                                                    {"random", randomBytes(400'000, 9)},
                                                    {"just past streaming", randomBytes(20'001, 2)},
                                                    {"small", bytesOf("abcabcabcabcabc")},
                                                    {"empty", {}}};
    for (const auto& [name, input] : inputs) {
        SCOPED_TRACE(name);
        const Bytes expected = lzfse::encode(input);
        for (size_t piece : {size_t(1000), size_t(65'536), size_t(1) << 20}) {
            for (auto options : {small(30'000, 1), small(70'001, 3), small(size_t(1) << 20, 8)})
                EXPECT_TRUE(streamed(input, piece, options) == expected)
                    << "piece " << piece << ", segment " << options.segment << ", threads " << options.threads;
        }
    }
}

TEST(LzfseStreamEncoder, ADefaultEncoderStreamsALargeInputToTheSameBytes) {
    Bytes input = readFile(vectorDir() / "s13-mixed-4m.bin");
    Bytes more = input;
    input.insert(input.end(), more.begin(), more.end());  // past the size from which it streams
    EXPECT_TRUE(streamed(input, 262'144, {}) == lzfse::encode(input));
}

// Dropped half-way (the writer of the input failed, say), the encoder stops
// its threads and gives everything back: no hang, no leak, no thread left
// waiting for input that will not come.
TEST(LzfseStreamEncoder, DroppedUnfinishedItStopsItsThreads) {
    const Bytes input = readFile(vectorDir() / "s13-mixed-4m.bin");
    ASSERT_TRUE(eventually([] { return codecThreads() == 0; }));
    for (size_t written : {size_t(25'000), size_t(600'000), input.size()}) {
        SCOPED_TRACE(written);
        {
            lzfse::StreamEncoder encoder(small(50'000, 4));
            encoder.write(std::span(input).first(written));
            // Past the size from which it streams: the joining thread and
            // the parse's four wait for the rest of the input.
            EXPECT_TRUE(eventually([] { return codecThreads() == 5; }));
        }
        EXPECT_TRUE(eventually([] { return codecThreads() == 0; }));
    }
}

TEST(LzfseStreamEncoder, RefusesInputPastItsLargest) {
    auto options = small(30'000, 2);
    options.largestInput = 100'000;
    lzfse::StreamEncoder encoder(options);
    const Bytes piece = randomBytes(60'000, 4);
    encoder.write(piece);
    EXPECT_THROW(encoder.write(piece), std::length_error);
}
