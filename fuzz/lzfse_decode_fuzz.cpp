// libFuzzer target: any input must decode to none or to the size asked for,
// and our encoding of it must decode back.
#include "Plattform/Lzfse.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> in(data, size);
    size_t expected = size < 2 ? 0 : size_t(data[0]) << 8 | data[1];
    auto decoded = lzfse::decode(in, expected * 16);
    if (decoded && decoded->size() != expected * 16) std::abort();
    Bytes stream = lzfse::encode(in);
    auto back = lzfse::decode(stream, size);
    if (!back || !std::equal(back->begin(), back->end(), in.begin(), in.end())) std::abort();
    return 0;
}
