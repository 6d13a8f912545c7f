// libFuzzer target for the LZFSE encoder: whatever the input, our encoding
// of it decodes back to it. One encoder serves every input, so its match
// tables are set up once rather than per run; inputs are kept small (see
// the options file).
#include "Plattform/Lzfse/Lzfse.h"

#include <algorithm>
#include <cstdlib>

using lzfse::Bytes;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static lzfse::Encoder encoder;
    std::span<const uint8_t> in(data, size);
    Bytes stream = encoder.encode(in);
    auto back = lzfse::decode(stream, size);
    if (!back || !std::equal(back->begin(), back->end(), in.begin(), in.end())) std::abort();
    return 0;
}
