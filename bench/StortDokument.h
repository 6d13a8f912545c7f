#pragma once
// The large document every figure here is measured on: 100 000 entries over
// two fiscal years with 12 sent invoices, as `make-example --entries 100000`
// writes it, and the time to decompress its body alone, measured once in
// this run, that the figures are reported against.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"

#include <algorithm>
#include <chrono>
#include <string>

namespace bänk {

inline const Bytes& storFil() {
    static const Bytes fil = [] {
        Exempelval val;
        val.antalVerifikationer = 100'000;
        val.antalSkickadeFakturor = 12;
        return byggExempelbokföring(val)->dataMedMellansteg(versionSomSkrivs);
    }();
    return fil;
}

inline size_t kroppslängd() { return static_cast<size_t>(läsBokfilshuvud(storFil()).kroppslängd); }

// Seconds to open the file and decode its whole body into memory: the best
// of several runs, so that a passing stall does not flatter the ratios.
inline double dekomprimeringstid() {
    static const double tid = [] {
        double bästa = 1e9;
        for (int i = 0; i < 15; ++i) {
            auto start = std::chrono::steady_clock::now();
            Bokfil fil = läsBokfil(storFil());
            double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (fil.kropp.empty()) return 0.0;
            bästa = std::min(bästa, s);
        }
        return bästa;
    }();
    return tid;
}

// Ten thousand entries for the import, in the JSON the tool reads.
inline std::string tiotusenPoster() {
    std::string s = R"({"entries":[)";
    for (int i = 0; i < 10'000; ++i) {
        if (i) s += ',';
        s += R"({"description":"Försäljning )" + std::to_string(i) + R"(","date":")" + std::string(i % 2 ? "2025-" : "2026-") +
             (i % 12 < 9 ? "0" : "") + std::to_string(i % 12 + 1) + R"(-15","pending":)" + (i % 10 ? "false" : "true") +
             R"(,"transactions":[{"account":1930,"amount":"1250.50","tags":"P1"},{"account":3001,"amount":"-1000.40"},)"
             R"({"account":2610,"amount":"-250.10"}]})";
    }
    s += "]}";
    return s;
}

}  // namespace bänk
