#pragma once
// Reads codes back from our images with an independent decoder (zbarimg),
// so tests check what a scanner would see, not what we meant to draw.
#include "Plattform/Ritning/Bild.h"
#include "Programkorning.h"

#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

namespace testhjalp {

inline std::filesystem::path tillfälligFil(const std::string& namn) {
    return std::filesystem::temp_directory_path() /
           ("kontobok-" + std::to_string(::getpid()) + "-" + namn);
}

// The decoded text of the single symbol in an image file, or none when
// zbarimg finds nothing.
inline std::optional<std::string> avkodaFil(const std::filesystem::path& fil) {
    Körning k = körProgram("zbarimg", {"--raw", "-q", fil.string()});
    if (k.status != 0) return std::nullopt;
    // zbarimg ends each symbol's text with a line feed.
    if (!k.ut.empty() && k.ut.back() == '\n') k.ut.pop_back();
    return k.ut;
}

// The same for an image of ours (none also when it cannot be written).
inline std::optional<std::string> avkoda(const Bild& bild, const std::string& namn) {
    const std::filesystem::path fil = tillfälligFil(namn + ".png");
    if (!bild.skrivPNG(fil)) return std::nullopt;
    auto text = avkodaFil(fil);
    std::filesystem::remove(fil);
    return text;
}

}  // namespace testhjalp
