#pragma once
// The document the run works on, as the driver holds it.
#include "Modell/Bokforing.h"
#include "Plattform/Bytes.h"

#include <cstdint>
#include <memory>
#include <span>

using Dokument = std::unique_ptr<Bokföring>;

inline Dokument ingetDokument() { return nullptr; }

// The document in a whole .bok file: the container is opened here, the
// ledger built from its body. Throws FilformatsfelUndantag for the
// container, FormatError or SkadatDokument for a damaged body.
// The file's memory is given back as it is read (see Bokföring::från), so
// its bytes must not be read after this.
Dokument läsDokument(Bytes& fil);
