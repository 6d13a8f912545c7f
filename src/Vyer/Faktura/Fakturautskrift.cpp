#include "Vyer/Faktura/Fakturautskrift.h"

#include "Modell/Fakturor/Faktura.h"
#include "Plattform/Ritning/PdfWriter.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <exception>

void skrivFakturan(const Faktura& faktura, const Bokföring& bokföring, Fakturautskrift& ut) {
    // The messages are those the tool has always printed for these failures.
    try {
        const Fakturavy vy(faktura, bokföring, false);
        ut.pdf = vy.pdf();
        ut.utelämnadLogotyp = vy.utelämnadLogotyp;
        return;
    } catch (const Layoutfel& fel) {
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

extern "C" void KONTOBOK_MODULE_ENTRY(KONTOBOK_BUILD_STAMP)(const Faktura& faktura, const Bokföring& bokföring,
                                                                   Fakturautskrift& ut) {
    skrivFakturan(faktura, bokföring, ut);
}
