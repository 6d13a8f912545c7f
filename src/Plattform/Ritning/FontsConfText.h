#pragma once
// fonts.conf as it was when the program was built (generated from
// src/Plattform/Ritning/fonts.conf by the build), so that an installed or copied
// binary draws with the same configuration as the build tree.
#include <string_view>

namespace fonts {
extern const std::string_view embeddedFontsConf;
}
