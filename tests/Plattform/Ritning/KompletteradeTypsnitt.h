#pragma once
// The faces the build completes (faces/complete_faces.py --list): each
// Debian file, the completed file the build made of it, the letters the
// Debian file has that are made anew, and the letters every face must draw
// (faces/letters.py), which the build makes where Debian's file lacks them.
#include <string>
#include <vector>

namespace testhjalp {

struct KompletteradFil {
    std::string original, kompletterad;
    std::u32string nygjorda, önskade;
};

std::vector<KompletteradFil> kompletteradeFiler();

}  // namespace testhjalp
