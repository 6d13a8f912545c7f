#include "Plattform/Ritning/FontFiles.h"

#include <utility>

namespace fonts {
namespace {

// The file names of the Debian packages scripts/install-deps installs.
// Most are named after the face; Didot and ParaType's are not.
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
    {"GFSDidot-Regular", "GFSDidot.otf"},
    {"GFSDidot-Italic", "GFSDidotItalic.otf"},
    {"GFSDidot-Bold", "GFSDidotBold.otf"},
    {"GilliusADF-Regular", "GilliusADF-Regular.otf"},
    {"GilliusADF-Italic", "GilliusADF-Italic.otf"},
    {"GilliusADF-Bold", "GilliusADF-Bold.otf"},
    {"GilliusADF-BoldItalic", "GilliusADF-BoldItalic.otf"},
    {"PTSans-Regular", "PTS55F.ttf"},
    {"PTSans-Italic", "PTS56F.ttf"},
    {"PTSans-Bold", "PTS75F.ttf"},
    {"PTSans-BoldItalic", "PTS76F.ttf"},
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
