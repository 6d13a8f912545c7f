#include "Komprimering.h"

#include "Plattform/Lzfse/Lzfse.h"

#include <algorithm>
#include <cstring>

Bytes komprimerad(std::span<const uint8_t> data) { return lzfse::encode(data); }

std::optional<Bytes> dekomprimerad(std::span<const uint8_t> data, int64_t originalstorlek) {
    // A document body is never empty, so an empty result is as much a
    // failure as a damaged stream.
    if (originalstorlek <= 0) return std::nullopt;
    return lzfse::decode(data, size_t(originalstorlek));
}

namespace {

// The decoded stream, read as the record readers read.
class Avkodat : public ByteSource {
public:
    Avkodat(std::span<const uint8_t> komprimerat, size_t längd) : avkodare(komprimerat, längd) {}
    std::span<const uint8_t> view(size_t offset, size_t need) override { return avkodare.view(offset, need); }
    lzfse::WindowedDecoder avkodare;
};

// Compares what is written into it with what the stream decodes to.
class Jämförelse : public ByteSink {
public:
    Jämförelse(std::span<const uint8_t> komprimerat, size_t längd)
        : avkodat_(komprimerat, längd), läsare_(avkodat_, längd) {}

    void write(std::span<const uint8_t> bytes) override {
        if (!lika_) return;
        if (bytes.size() > läsare_.remaining()) {
            lika_ = false;
            return;
        }
        // A bit at a time, so that the window stays small whatever is written at once.
        constexpr size_t bit = size_t(1) << 16;
        for (size_t i = 0; i < bytes.size() && lika_; i += bit) {
            size_t n = std::min(bit, bytes.size() - i);
            lika_ = std::memcmp(läsare_.take(n).data(), bytes.data() + i, n) == 0;
        }
    }

    // True when everything written matched and the stream ends just there.
    bool slutetStämmer() {
        if (!lika_ || !läsare_.atEnd()) return false;
        avkodat_.avkodare.finish();
        return true;
    }

private:
    Avkodat avkodat_;
    ByteReader läsare_;
    bool lika_ = true;
};

}  // namespace

bool avkodasTill(std::span<const uint8_t> komprimerat, size_t längd, const std::function<void(ByteSink&)>& skriv) {
    try {
        Jämförelse jämförelse(komprimerat, längd);
        skriv(jämförelse);
        return jämförelse.slutetStämmer();
    } catch (const lzfse::DamagedStream&) {
        return false;
    } catch (const FormatError&) {
        return false;
    }
}

bool avkodasTill(std::span<const uint8_t> komprimerat, std::span<const uint8_t> data) {
    return avkodasTill(komprimerat, data.size(), [&](ByteSink& sink) { sink.write(data); });
}
