// libFuzzer target for user templates from documents we did not write: the
// bytes are a template record as a document stores it. Reading ends in a
// template or a FormatError; the template is then laid out as the latest
// invoice of a fixed ledger, as an invoice and as a delivery note, and
// written as a PDF. The layout must stay bounded (every page holds a line
// of an item at least: no more pages than the items' texts have bytes,
// and two more), and a layout with pages must give a PDF.
#include "Exempel/Exempelbokforing.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Fakturor/Fakturapostliknande.h"
#include "Plattform/Ritning/BoundedProcess.h"
#include "Plattform/Logg.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

namespace {

struct Ledger {
    std::unique_ptr<Bokföring> bok;
    Faktura* faktura = nullptr;

    Ledger() {
        Exempelval val{0, 3, false, false};
        val.antalSkickadeFakturor = 2;
        val.senasteFaktura.antalPoster = 12;
        val.senasteFaktura.långaKommentarer = true;
        bok = byggExempelbokföring(val);
        bok->iban = "FI2112345600000785";
        for (auto& f : bok->skickadeFakturor)
            if (f.get() == senasteSkickadeFaktura(bok->skickadeFakturor)) faktura = f.get();
    }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    logg::sättMottagare([](std::string_view) {});
    // Backgrounds are read here, where the fuzzer sees the reading.
    boundedprocess::runInThisProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Ledger ledger;
    std::unique_ptr<Fakturamall> mall;
    try {
        Inström ström(std::span<const uint8_t>(data, size));
        mall = std::make_unique<Fakturamall>(ström, Referenser{});
    } catch (const FormatError&) {
        return 0;
    }
    ledger.faktura->egenFakturamall_ = mall.get();
    // A line of a cell starts a byte after the line before it; the numbers
    // of a row take less than a hundred bytes.
    size_t rader = 2;
    for (const Fakturapostliknande* post : ledger.faktura->fakturaposter())
        for (const auto& text : {post->artikelnamn(), post->artikelnummer(), post->kommentar(), post->enhet(),
                                 post->rabattbeskrivning()})
            rader += 100 + (text ? text->size() : 0);
    for (bool följesedel : {false, true}) {
        Fakturavy vy(*ledger.faktura, *ledger.bok, följesedel);
        if (size_t(vy.antalSidor()) > rader) __builtin_trap();
        if (vy.antalSidor() == 0) continue;
        try {
            auto pdf = vy.pdf();
            if (pdf.empty()) __builtin_trap();
        } catch (const std::exception&) {
            __builtin_trap();  // pages that cannot be written
        }
    }
    ledger.faktura->egenFakturamall_ = nullptr;
    return 0;
}
