#pragma once
// The .bok container: a fixed header, an uncompressed preview block and the
// compressed document body. This layer works on the body as bytes; building
// the ledger from them belongs to the document root.
//
//   offset 0   u32  magic 20050825 (bytes 89 F3 31 01)
//   offset 4   u32  version
//   offset 8   i64  length of the uncompressed body
//   offset 16  i64  length P of the preview block
//   offset 24  P    preview: logo data?, name, organisation number,
//                   date of the latest entry (0 = none), greatest invoice ordinal
//   24 + P     ..   the compressed body, up to the end of the file
#include "Plattform/Bytes.h"
#include "Strommar.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

// Why a file could not be opened as a document. The cases carry no text of
// their own: the tool prints a fixed message for each.
enum class Filformatsfel {
    kundeIntePackaUpp,
    inteEnBokföringsfilFrånVersion7,
    förGammalVersion,
};

// Thrown with a Filformatsfel. `what()` says which check failed, for
// developers; users see the tool's message for the case.
class FilformatsfelUndantag : public std::runtime_error {
public:
    FilformatsfelUndantag(Filformatsfel fall, const std::string& detalj) : std::runtime_error(detalj), fall(fall) {}
    Filformatsfel fall;
};

// Thrown by the writer when it cannot produce a file that reads back.
class Sparfel : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr uint32_t bokfilensMagiskaTal = 20050825;
// The first version this program no longer reads.
inline constexpr uint32_t förstaOläsbaraVersion = 77000;
// The version the tool writes.
inline constexpr uint32_t versionSomSkrivs = 76000;
// No real ledger comes near this; a larger stored length is damage, and
// believing it would mean allocating that much before decoding a byte.
inline constexpr int64_t störstaKropp = int64_t{2} << 30;

// The five preview fields. Only the logo is read back when loading; the
// other four are for file browsers and are written from the document.
struct Förhandsvisning {
    // The logo's stored bytes (PDF, PNG, JPEG or TIFF), kept verbatim.
    std::optional<Bytes> logotyp;
    std::string namn;
    std::string organisationsnummer;
    int64_t senasteVerifikationsdatum = 0;  // yyyyMMdd, 0 for none
    int64_t störstaFakturaordningstal = 0;
};

// A document file taken apart: what the document root needs to build itself.
struct Bokfil {
    uint32_t version = 0;
    Bytes kropp;
    std::optional<Bytes> logotyp;
};

// The header fields and where the parts lie, without decoding the body.
struct Bokfilshuvud {
    uint32_t version = 0;
    int64_t kroppslängd = 0;
    std::span<const uint8_t> förhandsvisning;
    std::span<const uint8_t> komprimeradKropp;
};

// Checks, in this order: the magic number, the version, the header's
// lengths; then decodes the body. Throws FilformatsfelUndantag, and never
// reads outside `fil`.
Bokfil läsBokfil(std::span<const uint8_t> fil);

// A document file opened for reading its body while the body decodes, a
// block at a time through a small window: the body never stands in memory
// whole. Opening makes the checks of läsBokfil up to the body; damage to the
// body is FilformatsfelUndantag (kundeIntePackaUpp) from the reads that meet
// it, or from läsKlart.
class Bokfilsläsare {
public:
    // Called now and then with the end of the file's leading part that the
    // reader will not look at again, for an owner who wants to give those
    // bytes' memory back while the rest is still read.
    using Indataslut = std::function<void(const uint8_t* lästFöre)>;

    explicit Bokfilsläsare(std::span<const uint8_t> fil, Indataslut läst = {});
    ~Bokfilsläsare();

    uint32_t version() const { return version_; }
    std::optional<Bytes>& logotyp() { return logotyp_; }
    Inström& kropp() { return *kropp_; }
    // Decodes what the reads left of the body, proving it sound and of the
    // stored length. A reader that failed calls this before passing its own
    // error on, so that a damaged body is reported first, as when the whole
    // body is decoded before reading.
    void läsKlart();

private:
    class Källa;
    uint32_t version_;
    std::optional<Bytes> logotyp_;
    std::unique_ptr<Källa> källa_;
    std::unique_ptr<Inström> kropp_;
};

// The header checks of läsBokfil alone (magic, version, lengths).
Bokfilshuvud läsBokfilshuvud(std::span<const uint8_t> fil);

// All five preview fields, for inspection tools. Throws FormatError.
Förhandsvisning läsFörhandsvisning(std::span<const uint8_t> block);

// The whole file. Throws Sparfel when the body is empty or too large, or
// its encoding does not decode back to it, so that a save never leaves an
// unreadable file.
Bytes skrivBokfil(uint32_t version, std::span<const uint8_t> kropp, const Förhandsvisning& förhandsvisning);

// Writes a body into the stream it is given.
using Kroppsskrivare = std::function<void(Utström&)>;

// The same for a body that `skrivKropp` writes, which it is asked to do
// twice: once into the encoder, a piece at a time, and once more to prove
// that what was encoded decodes back to it. So the body never stands in
// memory whole; both writes must give the same bytes. The preview is asked
// for after both.
Bytes skrivBokfil(uint32_t version, const Kroppsskrivare& skrivKropp,
                  const std::function<Förhandsvisning()>& förhandsvisning);
