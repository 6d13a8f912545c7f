#pragma once
// Files that the tests read from tests/data/. A missing or unreadable file
// throws, so the test that asked for it fails naming the file instead of
// reading nothing.
#include "Plattform/Bytes.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

namespace testdata {

// The path of tests/data/`relativ`, which must exist.
inline std::filesystem::path fil(const std::string& relativ) {
    std::filesystem::path p = std::filesystem::path(KONTOBOK_SOURCE_DIR) / "tests" / "data" / relativ;
    if (!std::filesystem::exists(p)) throw std::runtime_error("missing test data file " + p.string());
    return p;
}

inline Bytes läs(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read test data file " + p.string());
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace testdata
