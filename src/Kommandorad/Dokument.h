#pragma once
// The document the run works on, as the driver holds it.
#include <cstdint>
#include <memory>
#include <span>

class Bokföring;

// The deleter travels with the pointer, so the driver can own and drop the
// document without seeing the ledger's definition.
using Dokument = std::unique_ptr<Bokföring, void (*)(Bokföring*)>;

inline Dokument ingetDokument() { return Dokument(nullptr, nullptr); }

// The document in a whole .bok file: the container is opened here, the
// ledger built from its body. Throws FilformatsfelUndantag for the
// container, FormatError or SkadatDokument for a damaged body.
Dokument läsDokument(std::span<const uint8_t> fil);
