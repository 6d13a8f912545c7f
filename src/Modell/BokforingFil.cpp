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
    // The preview's logo is the document's logo, kept as stored.
    bokföring->logotyp = std::move(fil.logotyp());
    return bokföring;
}

Bytes Bokföring::dataMedMellansteg(uint32_t id, const std::function<void()>& åtgärd) const {
    auto förhandsvisning = [&] {
        Förhandsvisning f;
        f.logotyp = logotyp;
        if (åtgärd) åtgärd();
        f.namn = namn;
        f.organisationsnummer = organisationsnummer;
        if (auto datum = senasteVerifikationsdatum()) f.senasteVerifikationsdatum = datum->d;
        f.störstaFakturaordningstal = störstaFakturaordningstal(*this);
        return f;
    };
    return skrivBokfil(id, [&](Utström& ström) { spara(ström); }, förhandsvisning);
}
