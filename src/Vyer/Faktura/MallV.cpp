// Template V, winter: template O's page over the background "V", with a
// black title, fact values and address captions in slate blue and written
// as the captions give them, a bright red reminder, and the item table 45
// points taller, from y 288.
#include "Vyer/Faktura/MallO.h"

void Fakturavy::konfigureraInnehållFörV() {
    const Color skifferblå = Color::rgb(0.178, 0.29, 0.372);
    mallO::Utseende vinter = mallO::natur();
    vinter.titelfärg = std::nullopt;
    vinter.påminnelsefärg = Color::rgb(1, 0, 0);
    vinter.adressrubrikfärg = skifferblå;
    vinter.faktavärdesfärg = skifferblå;
    vinter.adressrubrikerMedVersaler = false;
    vinter.villkorsram = {62, 662, 471, 34};
    vinter.faktaVid = 587;
    vinter.faktaNederkant = 284;
    vinter.tabellenHögre = 45;
    mallO::läggUt(*this, vinter);
}
