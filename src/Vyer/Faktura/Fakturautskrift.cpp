#include "Vyer/Fakturautskrift.h"

#include "Modell/Fakturor/Faktura.h"
#include "Plattform/BuildStampNote.h"
#include "Plattform/Ritning/FontFiles.h"
#include "Plattform/Ritning/PdfWriter.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <cstdint>
#include <exception>

namespace {

#define KONTOBOK_STRING_I(x) #x
#define KONTOBOK_STRING(x) KONTOBOK_STRING_I(x)
constexpr char stämpel[] = KONTOBOK_STRING(KONTOBOK_BUILD_STAMP);

// Read by the tool from the module's file (Kommandorad/Fakturamodul.cpp).
[[gnu::used, gnu::section(".note.kontobok")]] alignas(4) const elf::StampNote<sizeof stämpel> stämpelnoten(stämpel);

}  // namespace

void skrivFakturan(const Faktura& faktura, const Bokföring& bokföring, Fakturautskrift& ut) {
    // The messages are those the tool has always printed for these failures.
    try {
        const Fakturavy vy(faktura, bokföring, false);
        ut.pdf = vy.pdf();
        ut.utelämnadLogotyp = vy.utelämnadLogotyp;
        return;
    } catch (const Layoutfel& fel) {
        ut.fel = fel.what();
    } catch (const fonts::FaceFileError& fel) {
        ut.fel = fel.what();
    } catch (const PdfError& fel) {
        ut.fel = std::string("The invoice PDF cannot be made: ") + fel.what();
    } catch (const std::exception& fel) {
        ut.fel = std::string("Internal error: ") + fel.what();
    } catch (...) {
        ut.fel = "Internal error.";
    }
    ut.pdf.clear();
}

// The module's entry, one of the two symbols it exports (the other is
// Plattform/Ritning/PangoThreads.cpp's g_thread_new); everything else of it
// is hidden.
extern "C" [[gnu::visibility("default")]] void KONTOBOK_MODULE_ENTRY(KONTOBOK_BUILD_STAMP)(
    const Faktura& faktura, const Bokföring& bokföring, Fakturautskrift& ut) {
    skrivFakturan(faktura, bokföring, ut);
}
