#pragma once
// Loading the run's document and saving it back.
#include "Fillagring.h"
#include "Kommandorad/Dokument.h"
#include "Plattform/FileLock.h"
#include "Plattform/Filer.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The most the tool reads of a document or of standard input.
inline constexpr uint64_t störstaIndata = uint64_t{1} << 30;
// How long an import waits for another run that is changing the document.
inline constexpr std::chrono::seconds väntanPåDokumentet{5};

// The message the tool prints for each container failure.
std::string_view meddelande(Filformatsfel fel);

// Reads the whole file and builds the document from it, for a job that only
// reads it (no lock is taken). On any failure the reason has been printed
// and no document is returned.
Dokument bokföring(const std::string& fil);

// The same for a job that changes the document: the file must be
// writable. `läst` is set to the file that was read, kept open (the lock
// compares the file it takes with it). No lock is taken yet (see
// låsFörÄndring), so the job may wait for its input without holding up any
// other.
Dokument bokföringFörÄndring(const std::string& fil, HeldFile& läst);

// Locks the document file for changing, held in `lås` until `lås` goes
// away, which must be after the save. When the file is no longer the
// file `läst` that `dokument` was read from, as it was read (another run
// saved it meanwhile), `dokument` is read again, under the lock. On any
// failure the reason has been printed and false is returned.
bool låsFörÄndring(const std::string& fil, Dokument& dokument, const HeldFile& läst,
                   std::optional<LockedFile>& lås);

// Replaces the document file with `utdata` so that a failed save leaves the
// old file whole; prints "Unable to write output file!" and the cause and
// gives false on failure. The save goes only over `lästFil`, the file the
// document was read from: not over one another program has put under its
// name since. Once the new file is in place the run has saved, and no
// signal ends it before it says so. `innanErsättning` runs between writing
// and replacing, `efterErsättning` just after (tests).
bool skrivÖverDokumentfilen(const std::string& fil, std::span<const uint8_t> utdata, const FileIdentity& lästFil,
                            const BeforeReplaceHook& innanErsättning = {},
                            const std::function<void()>& efterErsättning = {});

// The save's failure: "Unable to write output file!" and, on the next line,
// the file and what failed.
void skrivSparfel(const std::string& fil, const std::string& orsak);
