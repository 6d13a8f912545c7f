#include "Plattform/Ritning/FontFiles.h"

#include <utility>

namespace fonts {
namespace {

// The file names of the faces the build does not complete, as the Debian
// packages scripts/install-deps installs name them, after the face.
constexpr std::pair<std::string_view, std::string_view> files[] = {
    {"DejaVuSans", "DejaVuSans.ttf"},
    {"DejaVuSans-Bold", "DejaVuSans-Bold.ttf"},
    {"URWGothic-Book", "URWGothic-Book.otf"},
    {"URWGothic-Demi", "URWGothic-Demi.otf"},
    {"LiberationMono", "LiberationMono-Regular.ttf"},
    {"LiberationMono-Italic", "LiberationMono-Italic.ttf"},
    {"LiberationMono-Bold", "LiberationMono-Bold.ttf"},
    {"LiberationMono-BoldItalic", "LiberationMono-BoldItalic.ttf"},
};

uint32_t bigEndian(std::span<const unsigned char> b, size_t at, size_t n) {
    uint32_t v = 0;
    for (size_t i = 0; i < n; ++i) v = (v << 8) | (at + i < b.size() ? b[at + i] : 0);
    return v;
}

}  // namespace

bool wholeFontFile(std::span<const unsigned char> bytes) {
    if (bytes.size() < 12) return false;
    const size_t tables = bigEndian(bytes, 4, 2);
    if (bytes.size() < 12 + 16 * tables) return false;
    for (size_t t = 0; t < tables; ++t) {
        const uint64_t offset = bigEndian(bytes, 12 + 16 * t + 8, 4), length = bigEndian(bytes, 12 + 16 * t + 12, 4);
        if (offset + length > bytes.size()) return false;
    }
    // The words of a font file, the last padded with zeros, add up to
    // this, as its head table's adjustment makes them.
    uint32_t sum = 0;
    for (size_t at = 0; at < bytes.size(); at += 4) sum += bigEndian(bytes, at, 4);
    return sum == 0xB1B0AFBA;
}

const CompletedFace* completedFace(std::string_view postScriptName) {
    for (const CompletedFace& f : completedFaces)
        if (f.face == postScriptName) return &f;
    return nullptr;
}

std::optional<std::string_view> fileOfFace(std::string_view postScriptName) {
    if (const CompletedFace* completed = completedFace(postScriptName)) return completed->file;
    for (auto [face, file] : files)
        if (face == postScriptName) return file;
    return std::nullopt;
}

}  // namespace fonts
