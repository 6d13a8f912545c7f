#include "Modell/LagradKod.h"

void okändKod(std::string_view okänd, int64_t kod, std::string_view var) {
    throw SkadatDokument(std::string(okänd) + " " + std::to_string(kod) + std::string(var));
}
