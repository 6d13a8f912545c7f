#pragma once
// Loading the run's document and saving it back.
#include "Fillagring.h"
#include "Kommandorad/Dokument.h"
#include "Plattform/Filer.h"

#include <span>
#include <string>
#include <string_view>

// The message the tool prints for each container failure.
std::string_view meddelande(Filformatsfel fel);

// Reads the whole file and builds the document from it. On any failure the
// reason has been printed and no document is returned.
Dokument bokföring(const std::string& fil);

// Replaces the document file with `utdata` so that a failed save leaves the
// old file whole; prints "Unable to write output file!" and gives false on
// failure. `innanErsättning` runs between writing and replacing (tests).
bool skrivÖverDokumentfilen(const std::string& fil, std::span<const uint8_t> utdata,
                            const BeforeReplaceHook& innanErsättning = {});
