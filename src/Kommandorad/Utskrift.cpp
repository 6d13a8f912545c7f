#include "Kommandorad/Utskrift.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::optional<std::string> utfel;
bool utfelRapporterat = false;

// Every byte of the text, a NUL included, so a line is never cut short.
bool skriv(std::FILE* ström, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), ström) == text.size();
}

// Sends what standard output holds on its way; remembers why it failed.
void tömStandardut() {
    if (std::fflush(stdout) != 0 && !utfel) utfel = std::strerror(errno);
}

}  // namespace

void skrivFel(std::string_view meddelande) {
    // Standard output is buffered and standard error is not: where both go
    // to one pipe or file, the lines printed before this one must arrive
    // before it.
    tömStandardut();
    std::string rad(meddelande);
    rad += '\n';
    skriv(stderr, rad);
}

void skrivRad(std::string_view rad) {
    std::string ut(rad);
    ut += '\n';
    if (!skriv(stdout, ut) && !utfel) utfel = std::strerror(errno);
}

std::optional<std::string> standardutensFel() {
    tömStandardut();
    if (std::ferror(stdout) && !utfel) utfel = "write error";
    return utfel;
}

bool rapporteraStandardutensFel() {
    auto fel = standardutensFel();
    if (!fel) return false;
    if (!utfelRapporterat) skrivFel("Unable to write to standard output: " + *fel + ".");
    utfelRapporterat = true;
    return true;
}
