#pragma once
// The faces the build completes (faces/complete_faces.py --list): each
// Debian file, the completed file the build made of it, and the letters the
// Debian file has that are made anew.
#include <string>
#include <vector>

namespace testhjalp {

struct KompletteradFil {
    std::string original, kompletterad;
    std::u32string nygjorda;
};

std::vector<KompletteradFil> kompletteradeFiler();

}  // namespace testhjalp
