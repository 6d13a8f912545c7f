#include "Kommandorad/Utskrift.h"

#include <cstdio>
#include <string>

void StderrOutputStream::write(std::string_view text) const {
    std::string sträng(text);
    std::fputs(sträng.c_str(), stderr);
}

void skrivFel(std::string_view meddelande) {
    std::string rad(meddelande);
    rad += '\n';
    StderrOutputStream{}.write(rad);
}

void skrivRad(std::string_view rad) {
    std::string ut(rad);
    ut += '\n';
    std::fputs(ut.c_str(), stdout);
}
