#pragma once
// Reads codes back from our images with an independent decoder (zbarimg),
// so tests check what a scanner would see, not what we meant to draw.
#include "Plattform/Bild.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>

namespace testhjalp {

inline std::filesystem::path tillfälligFil(const std::string& namn) {
    return std::filesystem::temp_directory_path() /
           ("kontobok-" + std::to_string(::getpid()) + "-" + namn);
}

// The decoded text of the single symbol in the image, or none when zbarimg
// finds nothing (or the image cannot be written).
inline std::optional<std::string> avkoda(const Bild& bild, const std::string& namn) {
    const std::filesystem::path fil = tillfälligFil(namn + ".png");
    if (!bild.skrivPNG(fil)) return std::nullopt;
    const std::string kommando = "zbarimg --raw -q '" + fil.string() + "' 2>/dev/null";
    FILE* rör = ::popen(kommando.c_str(), "r");
    if (!rör) return std::nullopt;
    std::string ut;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, rör)) > 0;) ut.append(buf, n);
    const int status = ::pclose(rör);
    std::filesystem::remove(fil);
    if (status != 0) return std::nullopt;
    // zbarimg ends each symbol's text with a line feed.
    if (!ut.empty() && ut.back() == '\n') ut.pop_back();
    return ut;
}

}  // namespace testhjalp
