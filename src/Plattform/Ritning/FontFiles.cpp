#include "Plattform/Ritning/FontFiles.h"

#include <utility>

namespace fonts {
namespace {

// The file names of the faces: those the build completes (faces/table.py)
// beside the program, the others as the Debian packages scripts/install-deps
// installs name them, after the face. The completed ParaType and Didot
// faces are renamed, as their licences ask of changed faces.
constexpr std::pair<std::string_view, std::string_view> files[] = {
    {"SwitzeraADF-Regular", "SwitzeraADF-Regular.otf"},
    {"SwitzeraADF-Italic", "SwitzeraADF-Italic.otf"},
    {"SwitzeraADF-Light", "SwitzeraADF-Light.otf"},
    {"SwitzeraADF-LightItalic", "SwitzeraADF-LightItalic.otf"},
    {"SwitzeraADF-Bold", "SwitzeraADF-Bold.otf"},
    {"SwitzeraADF-BoldItalic", "SwitzeraADF-BoldItalic.otf"},
    {"SwitzeraADF-BoldCond", "SwitzeraADF-BoldCond.otf"},
    {"BaskervaldADFStd", "BaskervaldADFStd.otf"},
    {"BaskervaldADFStd-Italic", "BaskervaldADFStd-Italic.otf"},
    {"BaskervaldADFStd-Bold", "BaskervaldADFStd-Bold.otf"},
    {"BaskervaldADFStd-BoldItalic", "BaskervaldADFStd-BoldItalic.otf"},
    {"RobotoSlab-Regular", "RobotoSlab-Regular.otf"},
    {"RobotoSlab-Light", "RobotoSlab-Light.otf"},
    {"RobotoSlab-Bold", "RobotoSlab-Bold.otf"},
    {"DejaVuSans", "DejaVuSans.ttf"},
    {"DejaVuSans-Bold", "DejaVuSans-Bold.ttf"},
    {"KontobokDidone-Regular", "KontobokDidone-Regular.otf"},
    {"KontobokDidone-Italic", "KontobokDidone-Italic.otf"},
    {"KontobokDidone-Bold", "KontobokDidone-Bold.otf"},
    {"GilliusADF-Regular", "GilliusADF-Regular.otf"},
    {"GilliusADF-Italic", "GilliusADF-Italic.otf"},
    {"GilliusADF-Bold", "GilliusADF-Bold.otf"},
    {"GilliusADF-BoldItalic", "GilliusADF-BoldItalic.otf"},
    {"KontobokSans-Regular", "KontobokSans-Regular.ttf"},
    {"KontobokSans-Italic", "KontobokSans-Italic.ttf"},
    {"KontobokSans-Bold", "KontobokSans-Bold.ttf"},
    {"KontobokSans-BoldItalic", "KontobokSans-BoldItalic.ttf"},
    {"AccanthisADFStd-Regular", "AccanthisADFStd-Regular.otf"},
    {"AccanthisADFStd-Italic", "AccanthisADFStd-Italic.otf"},
    {"AccanthisADFStd-Bold", "AccanthisADFStd-Bold.otf"},
    {"AccanthisADFStd-BoldItalic", "AccanthisADFStd-BoldItalic.otf"},
    {"URWGothic-Book", "URWGothic-Book.otf"},
    {"URWGothic-BookOblique", "URWGothic-BookOblique.otf"},
    {"URWGothic-Demi", "URWGothic-Demi.otf"},
    {"LiberationMono", "LiberationMono-Regular.ttf"},
    {"LiberationMono-Italic", "LiberationMono-Italic.ttf"},
    {"LiberationMono-Bold", "LiberationMono-Bold.ttf"},
    {"LiberationMono-BoldItalic", "LiberationMono-BoldItalic.ttf"},
};

}  // namespace

std::optional<std::string_view> fileOfFace(std::string_view postScriptName) {
    for (auto [face, file] : files)
        if (face == postScriptName) return file;
    return std::nullopt;
}

}  // namespace fonts
