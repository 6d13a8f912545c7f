#pragma once
// Realistic example ledgers built through the model, for the example tool,
// the benchmarks, the fuzzing seeds and the tests. The same options always
// give the same document, byte for byte.
#include "Exempel/ExempelFakturor.h"
#include "Modell/Bokforing.h"

#include <cstdint>
#include <memory>

struct Exempelval {
    // Entries spread over two fiscal years, numbered from 1 in each.
    int64_t antalVerifikationer = 200;
    int64_t antalKontakter = 24;
    // A user invoice template with one language version.
    bool medFakturamall = true;
    // Pending entries, closed periods, credit terms and opening balances.
    bool medÖvrigt = true;
    // Sent invoices (with the articles they use), numbered from 1001.
    int64_t antalSkickadeFakturor = 0;
    Senastefakturaval senasteFaktura;
};

std::unique_ptr<Bokföring> byggExempelbokföring(const Exempelval& val = {});
