// make-example: writes a realistic example .bok document.
//
//   make-example [--entries N] [--contacts N] [--invoices N] [--unsent N]
//                [--every-shape] [--no-template] [--bare] OUTPUT
//
// --unsent adds unsent invoices; --every-shape adds records of every kind
// in each of their shapes (see Exempel/Exempelvarianter.h). The same
// options always give the same bytes.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Plattform/Filer.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

namespace {
int användning() {
    std::fprintf(stderr,
                 "usage: make-example [--entries N] [--contacts N] [--invoices N] [--unsent N] [--every-shape] "
                 "[--no-template] [--bare] OUTPUT\n");
    return 2;
}

bool tal(const char* text, int64_t& ut) {
    char* slut = nullptr;
    long long v = std::strtoll(text, &slut, 10);
    if (!*text || *slut || v < 0) return false;
    ut = v;
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    Exempelval val;
    // The tool's example carries sent invoices unless told otherwise.
    val.antalSkickadeFakturor = 12;
    std::string utfil;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--entries" && i + 1 < argc) {
            if (!tal(argv[++i], val.antalVerifikationer)) return användning();
        } else if (a == "--contacts" && i + 1 < argc) {
            if (!tal(argv[++i], val.antalKontakter)) return användning();
        } else if (a == "--invoices" && i + 1 < argc) {
            if (!tal(argv[++i], val.antalSkickadeFakturor)) return användning();
        } else if (a == "--unsent" && i + 1 < argc) {
            if (!tal(argv[++i], val.antalEjSkickadeFakturor)) return användning();
        } else if (a == "--every-shape") {
            val.allaPostformer = true;
        } else if (a == "--no-template") {
            val.medFakturamall = false;
        } else if (a == "--bare") {
            val.medÖvrigt = false;
        } else if (!a.empty() && a[0] != '-' && utfil.empty()) {
            utfil = a;
        } else {
            return användning();
        }
    }
    if (utfil.empty()) return användning();
    try {
        auto bok = byggExempelbokföring(val);
        Bytes fil = bok->dataMedMellansteg(versionSomSkrivs);
        writeFileSafely(utfil, fil);
        std::printf("wrote %s: %lld entries, %zu accounts, %zu contacts, %zu sent and %zu unsent invoices, %zu bytes\n",
                    utfil.c_str(), static_cast<long long>(val.antalVerifikationer), bok->konton.size(),
                    bok->kontakter.size(), bok->skickadeFakturor.size(), bok->ejSkickadeFakturor.size(), fil.size());
    } catch (const std::exception& fel) {
        std::fprintf(stderr, "make-example: %s\n", fel.what());
        return 1;
    }
    return 0;
}
