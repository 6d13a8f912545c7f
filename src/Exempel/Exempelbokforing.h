#pragma once
// Realistic example ledgers built through the model, for the example tool,
// the benchmarks, the fuzzing seeds and the tests. The same options always
// give the same document, byte for byte.
#include "Exempel/ExempelFakturor.h"
#include "Modell/Bokforing.h"
#include "Plattform/Bytes.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

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
    Senastefakturaval senasteFaktura{};
    // Unsent invoices after the sent ones, cycling through the shapes their
    // record takes: with and without a recipient, each tax deduction, item
    // discounts of both kinds, delivery details, another currency.
    int64_t antalEjSkickadeFakturor = 0;
    // Every record kind in each of its shapes: optional fields given and
    // left out, templates with several languages and a background, supplier
    // invoices and smart folders of each kind, contacts of each type, a
    // closed year with annotated entries; sent invoices take the shapes of
    // the unsent ones.
    bool allaPostformer = false;
    // The ledger's country: "se", or "fi" for a Finnish ledger invoicing in
    // euro and paid by IBAN and BIC only. A document read from a file is
    // always Swedish, so only ledgers laid out in memory are Finnish.
    std::string land = "se";
    // The ledger's organisation number; empty: the example's own.
    std::string organisationsnummer;
    // Fax and mobile besides telephone, e-mail and web site.
    bool allaKontaktuppgifter = false;
    // The ledger's logo as stored (PNG, JPEG, TIFF or PDF bytes).
    std::optional<Bytes> logotyp;
};

std::unique_ptr<Bokföring> byggExempelbokföring(const Exempelval& val = {});
