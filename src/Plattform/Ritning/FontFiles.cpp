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

}  // namespace

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
