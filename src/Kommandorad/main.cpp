// kontobok: one job on one .bok document per run.
#include "Kommandorad/Kommandorad.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv, argv + argc);
    return kör(args);
}
