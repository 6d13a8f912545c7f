// The document as a whole .bok file: the container around the body.
#include "Fillagring.h"
#include "Modell/Bokforing.h"
#include "Modell/Dokumentlistor.h"

std::unique_ptr<Bokföring> Bokföring::från(std::span<const uint8_t> data,
                                           const std::function<void(const uint8_t*)>& läst) {
    Bokfilsläsare fil(data, läst);
    std::unique_ptr<Bokföring> bokföring;
    try {
        bokföring = std::make_unique<Bokföring>(fil.kropp());
    } catch (...) {
        fil.läsKlart();
        throw;
    }
    fil.läsKlart();
    bokföring->lästKroppslängd_ = fil.kropp().position() + fil.kropp().remaining();
    // The preview's logo is the document's logo, kept as stored.
    bokföring->logotyp = std::move(fil.logotyp());
    return bokföring;
}

Bytes Bokföring::dataMedMellansteg(uint32_t id, const std::function<void()>& åtgärd) const {
    Utström ström;
    // A saved document is mostly what was read, plus what was added since.
    ström.reserve(lästKroppslängd_ + lästKroppslängd_ / 8);
    spara(ström);
    std::optional<Bytes> logotypensForm = logotyp;
    if (åtgärd) åtgärd();
    Förhandsvisning förhandsvisning;
    förhandsvisning.logotyp = std::move(logotypensForm);
    förhandsvisning.namn = namn;
    förhandsvisning.organisationsnummer = organisationsnummer;
    if (auto datum = senasteVerifikationsdatum()) förhandsvisning.senasteVerifikationsdatum = datum->d;
    förhandsvisning.störstaFakturaordningstal = störstaFakturaordningstal(*this);
    return skrivBokfil(id, ström.bytes(), förhandsvisning);
}
