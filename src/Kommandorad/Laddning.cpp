#include "Kommandorad/Laddning.h"

#include "Kommandorad/Utskrift.h"

#include <exception>
#include <functional>
#include <string>

std::string_view meddelande(Filformatsfel fel) {
    switch (fel) {
    case Filformatsfel::kundeIntePackaUpp:
        return "Could not decompress archive - file possibly corrupt.";
    case Filformatsfel::inteEnBokföringsfilFrånVersion7:
        return "Magic number missing - this is not a .bok file from version 7 or later.";
    case Filformatsfel::förGammalVersion:
        return "Version number too low - this version cannot load this file.";
    }
    return "";
}

namespace {

// Runs `steg`, which reads the document; its failure is printed with the
// tool's messages, and false returned.
bool medMeddelanden(const std::function<void()>& steg) {
    try {
        steg();
        return true;
    } catch (const FileNotChangeableError& fel) {
        // The file reads well; it is not this run's to change.
        skrivFel(fel.what());
    } catch (const FilformatsfelUndantag& fel) {
        if (fel.fall == Filformatsfel::kundeIntePackaUpp) {
            // The decoder's result, which is 0 whenever it fails; callers of
            // the tool have always seen this line on standard output.
            skrivRad("Error with status: 0");
        }
        skrivFel(meddelande(fel.fall));
    } catch (const std::exception& fel) {
        // A missing or unreadable file, or a body that breaks the encoding or
        // the ledger's rules.
        skrivFel(std::string(fel.what()) + "\n\tCould not read input .bok file.\n");
    }
    return false;
}

}  // namespace

Dokument bokföring(const std::string& fil) {
    Dokument dokument;
    const bool läst = medMeddelanden([&] {
        Bytes data = readWholeFile(fil, störstaIndata);
        dokument = läsDokument(data);
    });
    return läst ? std::move(dokument) : ingetDokument();
}

Dokument bokföringFörÄndring(const std::string& fil, HeldFile& läst) {
    Dokument dokument;
    const bool ok = medMeddelanden([&] {
        Bytes data = readWholeFile(fil, störstaIndata, läst);
        refuseUnlessWritable(fil);
        dokument = läsDokument(data);
    });
    return ok ? std::move(dokument) : ingetDokument();
}

bool låsFörÄndring(const std::string& fil, Dokument& dokument, const HeldFile& läst,
                   std::optional<LockedFile>& lås) {
    return medMeddelanden([&] {
        lås.emplace(fil, störstaIndata, väntanPåDokumentet, &läst);
        if (lås->isKnownVersion()) return;
        // The document read before is gone before the newer one is read.
        dokument.reset();
        Bytes data = lås->takeContents();
        dokument = läsDokument(data);
    });
}

void skrivSparfel(const std::string& fil, const std::string& orsak) {
    skrivFel("Unable to write output file!");
    skrivFel(fil + ": " + orsak);
}

bool skrivÖverDokumentfilen(const std::string& fil, std::span<const uint8_t> utdata,
                            const FileIdentity& lästFil, const BeforeReplaceHook& innanErsättning,
                            const std::function<void()>& efterErsättning) {
    try {
        // The new document in place is the import done: a user who sees the
        // run die then would import it again and book everything twice.
        writeFileSafely(fil, utdata, innanErsättning, lästFil,
                        {.endingSignalsIgnored = true, .hook = efterErsättning});
        return true;
    } catch (const FileError& fel) {
        skrivSparfel(fil, fel.cause);
        return false;
    }
}
