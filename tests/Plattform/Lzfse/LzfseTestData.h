#pragma once
// Shared helpers of the LZFSE tests: the reference vectors, generated
// inputs and the codec's threads.
#include "Plattform/Bytes.h"
#include "Testdata.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
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

// The codec's threads alive in this process, by the names they give
// themselves ("lzfse ahead", "lzfse join", "lzfse parse").
inline size_t codecThreads() {
    size_t n = 0;
    std::error_code ignored;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ignored)) {
        std::ifstream comm(task.path() / "comm");
        std::string name;
        if (std::getline(comm, name) && std::string_view(name).starts_with("lzfse ")) ++n;
    }
    return n;
}

// Whether `holds` comes true within a few seconds: a thread names itself
// once it runs, and leaves the kernel's list a moment after it is joined.
template <class Holds>
bool eventually(Holds holds) {
    for (int i = 0; i < 5000; ++i) {
        if (holds()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return holds();
}

}  // namespace lzfsetest
