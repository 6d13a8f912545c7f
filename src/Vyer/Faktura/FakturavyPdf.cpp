// The PDF document: every page drawn as on screen, under the document's
// title, author and creator.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Application.h"
#include "Plattform/Lokalisering.h"
#include "Plattform/Ritning/PdfWriter.h"
#include "Plattform/UserAccount.h"

namespace {

std::string medNummer(std::string format, const std::string& nummer) {
    if (size_t plats = format.find("%@"); plats != std::string::npos) format.replace(plats, 2, nummer);
    return format;
}

}  // namespace

std::vector<uint8_t> Fakturavy::pdf() const {
    const std::string nummer = f.nummer();
    const std::string fel = "Invoice " + nummer + " cannot be laid out: ";
    // An empty document would pass for an invoice; a background that did
    // not load would leave white text on white.
    if (saknadBakgrund)
        throw Layoutfel(fel + "its background " + *saknadBakgrund + " cannot be loaded" +
                        (varförBakgrundSaknas ? ": " + *varförBakgrundSaknas : "") + ".");
    if (antalSidor() == 0) {
        if (saknatTypsnitt) throw Layoutfel(fel + "the font " + *saknatTypsnitt + " is missing.");
        throw Layoutfel(fel + "its layout gives no page.");
    }

    PdfWriter skrivare({.title = medNummer(lokaliseradSträng("Invoice #%@"), nummer),
                        .author = fullUserName(),
                        .creator = std::string(applicationName()) + " " + std::string(applicationVersion()),
                        .creationDate = std::nullopt});
    const Size storlek = ramFörEnSida().size();
    for (int sida = 1; sida <= antalSidor(); ++sida) {
        ritaSida(skrivare.beginPage(storlek), sida);
        skrivare.endPage();
    }
    return skrivare.finish();
}
