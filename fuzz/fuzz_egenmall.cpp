// libFuzzer target for user templates from documents we did not write: the
// bytes are a template record as a document stores it. Reading ends in a
// template or a FormatError; the template is then laid out as the latest
// invoice of a fixed ledger, as an invoice and as a delivery note, and
// written as a PDF. The layout must stay bounded (at most one page per
// item and one more, one page without items), and a layout with pages must
// give a PDF.
#include "Exempel/Exempelbokforing.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Plattform/BoundedProcess.h"
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
    const int poster = int(ledger.faktura->fakturaposter().size());
    for (bool följesedel : {false, true}) {
        Fakturavy vy(*ledger.faktura, *ledger.bok, följesedel);
        if (vy.antalSidor() > poster + 1) __builtin_trap();
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
