#include "Plattform/Ritning/KompletteradeTypsnitt.h"

#include "Kodpunkter.h"
#include "Programkorning.h"

#include <sstream>

namespace testhjalp {

std::vector<KompletteradFil> kompletteradeFiler() {
    const auto k = körProgram("/usr/bin/python3",
                              {"-B", std::string(KONTOBOK_SOURCE_DIR) + "/faces/complete_faces.py", "--list"});
    EXPECT_EQ(k.status, 0) << k.fel;
    std::vector<KompletteradFil> ut;
    std::istringstream rader(k.ut);
    for (std::string rad; std::getline(rader, rad);) {
        std::vector<std::string> fält;
        std::istringstream delar(rad);
        for (std::string f; std::getline(delar, f, '\t');) fält.push_back(f);
        // Debian's file, the completed file, the letters made anew (often
        // none), the letters it must draw, the face's PostScript name.
        if (fält.size() < 5) continue;
        ut.push_back({fält[0], std::string(KONTOBOK_FACES) + "/" + fält[1], kodpunkter(fält[2]), kodpunkter(fält[3])});
    }
    return ut;
}

}  // namespace testhjalp
