// The header every built-in template repeats on each page: logo, title,
// reminder, credit terms and the F-tax note. The template says where each
// goes; this step says whether it is shown and what it says.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Image.h"
#include "Plattform/Lokalisering.h"

namespace {

bool ärIfylld(const std::optional<std::string>& text) { return text && !text->empty(); }

}  // namespace

void Fakturavy::läggTillInnehållMedRamFörLogotyp(const Rect& logotypram, const TextAttributes& titelattribut,
                                                  const Rect& titelram, const TextAttributes& påminnelseattribut,
                                                  const Rect& påminnelseram, const TextAttributes& villkorsattribut,
                                                  const Rect& villkorsram, const TextAttributes& fskattattribut,
                                                  const Rect& fskattsram) {
    // A logo whose stored bytes are no image we can read is left out like
    // a missing one.
    if (b.logotyp)
        if (auto logotyp = Image::fromBytes(*b.logotyp))
            innehållFörAllaSidor.push_back({std::nullopt, std::nullopt, cachad::image{logotyp, logotypram}});

    if (auto titel = f.rubriktextIFakturamall(nullptr, följesedel); ärIfylld(titel))
        innehållFörAllaSidor.emplace_back(AttributedString(*titel, titelattribut), titelram);

    if (auto påminnelse = f.påminnelsetextIFakturamall(nullptr); ärIfylld(påminnelse))
        innehållFörAllaSidor.emplace_back(AttributedString(*påminnelse, påminnelseattribut), påminnelseram);

    if (auto villkor = kreditvillkorSomVisas())
        innehållFörAllaSidor.emplace_back(AttributedString(*villkor, villkorsattribut), villkorsram);

    if (b.godkändFörFSkatt) {
        std::string fskatt = sträng("Registered for tax.",
                                    "Printed on invoice if the corresponding checkbox is ticked.", f.språk());
        innehållFörAllaSidor.emplace_back(AttributedString(fskatt, fskattattribut), fskattsram);
    }
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
