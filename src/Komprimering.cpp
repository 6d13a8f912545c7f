#include "Komprimering.h"

#include <cstring>

// Stopgap until the full codec lands: uncompressed blocks only.
Bytes komprimerad(std::span<const uint8_t> data) {
    ByteWriter w;
    const uint8_t rå[4] = {'b', 'v', 'x', '-'}, slut[4] = {'b', 'v', 'x', '$'};
    if (!data.empty()) {
        w.append(rå);
        w.u32(static_cast<uint32_t>(data.size()));
        w.append(data);
    }
    w.append(slut);
    return w.take();
}

std::optional<Bytes> dekomprimerad(std::span<const uint8_t> data, int64_t originalstorlek) {
    try {
        ByteReader r(data);
        Bytes ut;
        for (;;) {
            auto magi = r.take(4);
            if (std::memcmp(magi.data(), "bvx$", 4) == 0) break;
            if (std::memcmp(magi.data(), "bvx-", 4) != 0) return std::nullopt;
            auto del = r.take(r.u32());
            ut.insert(ut.end(), del.begin(), del.end());
        }
        if (static_cast<int64_t>(ut.size()) != originalstorlek || ut.empty()) return std::nullopt;
        return ut;
    } catch (const FormatError&) {
        return std::nullopt;
    }
}
