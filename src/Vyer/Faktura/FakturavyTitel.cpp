// The header every built-in template repeats on each page: logo, title,
// reminder, credit terms and the F-tax note. The template says where each
// goes; this step says whether it is shown and what it says, and sets
// each text smaller where it would otherwise wrap past its frame (a
// long title or F-tax note in some languages). An empty frame leaves the
// reminder, the credit terms or the note to the template.
#include "Vyer/Faktura/FakturavyTitel.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Ritning/Image.h"
#include "Plattform/Ritning/StoredImage.h"
#include "Plattform/Lokalisering.h"
#include "Vyer/Faktura/Mallverktyg.h"
#include "Vyer/Faktura/Rumsplan.h"

namespace {

bool ärIfylld(const std::optional<std::string>& text) { return text && !text->empty(); }

}  // namespace

void Fakturavy::läggTillInnehållMedRamFörLogotyp(rumsplan::Plan& plan, const Rect& logotypram,
                                                  const TextAttributes& titelattribut, const Rect& titelram,
                                                  const TextAttributes& påminnelseattribut, const Rect& påminnelseram,
                                                  const TextAttributes& villkorsattribut, const Rect& villkorsram,
                                                  const TextAttributes& fskattattribut, const Rect& fskattsram,
                                                  const Titelrum& rum) {
    if (auto bild = logotyp(logotypram.size())) plan.rita({std::nullopt, std::nullopt, cachad::image{bild, logotypram}});
    auto iRum = [&](const char* namn, const std::optional<std::string>& text, const TextAttributes& attribut,
                    const Rect& ram, const std::optional<Rect>& yta, Sidslag sidor = Sidslag::alla) {
        if (ärIfylld(text) && !ram.isEmpty())
            plan.text(namn, AttributedString(*text, attribut), ram, {.rum = yta, .sidor = sidor});
    };
    iRum("title", f.rubriktextIFakturamall(nullptr, följesedel), titelattribut, titelram, rum.titel);
    iRum("reminder", påminnelseSomVisas(*this), påminnelseattribut, påminnelseram, rum.påminnelse);
    iRum("credit terms", kreditvillkorSomVisas(), villkorsattribut, villkorsram, rum.villkor, rum.villkorensSidor);
    iRum("F-tax note", fskattSomVisas(*this), fskattattribut, fskattsram, rum.fskatt);
}

std::shared_ptr<const Image> Fakturavy::logotyp(Size ram) {
    // No bytes are no logo; any other logo that cannot be shown is left
    // out with a warning that says why.
    if (!b.logotyp || b.logotyp->empty()) return nullptr;
    if (!lästLogotyp) lästLogotyp = std::make_unique<StoredImage>(*b.logotyp);
    Image::Read läst = lästLogotyp->forFrame(ram);
    if (!läst.image && !utelämnadLogotyp)
        utelämnadLogotyp = läst.refusal.value_or("it cannot be read as an image");
    return läst.image;
}

void Fakturavy::läsLogotypenFör(std::span<const Size> ramar) {
    if (!b.logotyp || b.logotyp->empty()) return;
    if (!lästLogotyp) lästLogotyp = std::make_unique<StoredImage>(*b.logotyp);
    lästLogotyp->forFrames(ramar);
}

std::optional<std::string> påminnelseSomVisas(const Fakturavy& vy) {
    auto påminnelse = vy.f.påminnelsetextIFakturamall(nullptr);
    if (!ärIfylld(påminnelse)) return std::nullopt;
    return påminnelse;
}

std::optional<std::string> fskattSomVisas(const Fakturavy& vy) {
    if (!vy.b.godkändFörFSkatt) return std::nullopt;
    return sträng("Registered for tax.", "Printed on invoice if the corresponding checkbox is ticked.", vy.f.språk());
}

std::optional<std::string> Fakturavy::kreditvillkorSomVisas() const {
    // The invoice's own terms win, also when they are empty; only an
    // invoice without any asks the ledger.
    std::optional<std::string> villkor = f.kreditvillkor();
    if (!villkor)
        if (const std::string* förSpråket = b.kreditvillkorFör(f.språk())) villkor = *förSpråket;
    if (!ärIfylld(villkor)) return std::nullopt;
    return villkor;
}
