#include "Plattform/Lzfse/LzfseBitStream.h"
#include "LzfseTestData.h"

#include <gtest/gtest.h>

#include <vector>

using namespace lzfsetest;

namespace {

// Fields come back last-written first, across word loads and the stream's
// start, short streams included; one bit more than the stream holds is an
// overrun, and not a bit sooner.
TEST(LzfseBitStream, FieldsReadBackInReverseUpToExactlyTheStreamsStart) {
    Random random{42};
    for (int fields = 0; fields <= 40; ++fields) {
        SCOPED_TRACE(fields);
        std::vector<std::pair<uint32_t, int>> written;
        Bytes stream;
        lzfse::ForwardBitWriter writer(stream);
        for (int i = 0; i < fields; ++i) {
            const int width = int(random.next() % 14);  // empty fields too
            const uint32_t value = random.next() & ((1u << width) - 1);
            writer.write(value, width);
            written.push_back({value, width});
        }
        const int bits = writer.finish();

        lzfse::BackwardBitReader reader;
        ASSERT_TRUE(reader.open(stream.data(), stream.size(), bits));
        for (int i = fields - 1; i >= 0; --i) {
            if ((fields - 1 - i) % 4 == 0) reader.refill();  // 4 x 13 bits at most
            ASSERT_EQ(reader.read(written[size_t(i)].second), written[size_t(i)].first) << "field " << i;
            ASSERT_FALSE(reader.overrun());
        }
        reader.refill();
        reader.read(1);
        EXPECT_TRUE(reader.overrun());
    }
}

}  // namespace
