#pragma once
// Which file holds each face the font table draws with, so that a run reads
// only the files of the faces it uses instead of every file of fonts.conf's
// directories; and the faces the build completes with the letters they lack
// (faces/complete_faces.py), which are drawn from the completed files alone.
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fonts {

// A face the build completes: its PostScript name, its file in the faces'
// directory beside the program, Debian's file it is made from, which is
// never read in its place, and the size and SHA-256 (in hex) of the file
// the build made, which the file must have to be drawn with.
struct CompletedFace {
    std::string_view face, file, madeFrom;
    uint64_t size;
    std::string_view sha256;
};

// Every completed face, as the build lists and makes them (generated).
extern const std::span<const CompletedFace> completedFaces;

// The completed face of that PostScript name; null for any other.
const CompletedFace* completedFace(std::string_view postScriptName);

// The file name (without directory) of the face of that PostScript name;
// none for a face the table does not draw with. A completed face's file
// lies in the faces' directory, any other in one of fonts.conf's.
std::optional<std::string_view> fileOfFace(std::string_view postScriptName);

// The face that draws what a face lacks (fonts.conf appends its family to
// every pattern), as its PostScript name.
inline constexpr std::string_view fallbackFace = "DejaVuSans";

// A completed face's file that is missing, cannot be read or is not the
// file the build made: the invoice is not drawn with anything in its place.
class FaceFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace fonts
