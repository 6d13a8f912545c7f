#pragma once
// Shared helpers of the LZFSE tests: the reference vectors and generated
// inputs.
#include "Plattform/Bytes.h"
#include "Testdata.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace lzfsetest {

inline std::filesystem::path vectorDir() { return testdata::fil("lzfse"); }

inline Bytes readFile(const std::filesystem::path& p) { return testdata::läs(p); }

// Stems of the vectors: each has STEM.bin and STEM.lzfse.
inline std::vector<std::string> vectorStems() {
    std::vector<std::string> stems;
    for (const auto& e : std::filesystem::directory_iterator(vectorDir()))
        if (e.path().extension() == ".lzfse") stems.push_back(e.path().stem().string());
    if (stems.empty()) throw std::runtime_error("no reference streams in " + vectorDir().string());
    std::sort(stems.begin(), stems.end());
    return stems;
}

// The input a stream decodes to; the cap-plus-12 variant shares its input.
inline Bytes inputFor(const std::string& stem) {
    std::string base = stem.substr(0, stem.find('.'));
    return readFile(vectorDir() / (base + ".bin"));
}

// xorshift64*, the generator the vectors' inputs were made with.
struct Random {
    uint64_t s;
    uint32_t next() {
        s ^= s >> 12;
        s ^= s << 25;
        s ^= s >> 27;
        return uint32_t((s * 0x2545F4914F6CDD1DULL) >> 32);
    }
};

inline Bytes randomBytes(size_t n, uint64_t seed) {
    Random r{seed};
    Bytes b(n);
    for (size_t i = 0; i < n; i += 4) {
        uint32_t v = r.next();
        for (size_t k = 0; k < 4 && i + k < n; ++k) b[i + k] = uint8_t(v >> (8 * k));
    }
    return b;
}

inline Bytes bytesOf(const std::string& s) { return Bytes(s.begin(), s.end()); }

}  // namespace lzfsetest
