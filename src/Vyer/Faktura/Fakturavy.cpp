#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Fakturor/InbyggdFakturamall.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Ritning/StoredImage.h"
#include "Plattform/Lokal.h"
#include "Vyer/Faktura/Bakgrunder.h"

#include <cstdio>
#include <string>

Fakturavy::Fakturavy(const Fakturaliknande& faktura, const Bokföring& bokföring, bool följesedel,
                     const TextMeasurer& mätare)
    : f(faktura),
      b(bokföring),
      radmätare(mätare),
      sidmätare(mätare),
      mätare(sidmätare),
      formatterare(Beloppsformatterare::förFaktura(faktura.valuta())),
      procentformatterare(NumberFormatter::Style::percent, lokal::aktuell()),
      följesedel(följesedel) {
    uppdateraBakgrund(nullptr);
    uppdateraInnehåll(nullptr);
}

Fakturavy::~Fakturavy() = default;

void Fakturavy::uppdateraBakgrund(const Fakturamall* mall) {
    saknadBakgrund.reset();
    varförBakgrundSaknas.reset();
    if (!mall) mall = f.egenFakturamall();
    if (mall) {
        laddaBakgrundFörFakturamall(*mall);
        return;
    }
    bakgrund = nullptr;
    auto inbyggd = f.inbyggdFakturamall();
    if (!inbyggd) return;
    if (auto namn = pdfnamn(*inbyggd)) {
        bakgrund = inbyggdBakgrund(*namn);
        if (!bakgrund) saknadBakgrund = std::string(*namn);
        mallOchSpråk.reset();
    }
}

Rect Fakturavy::uppdateraInnehåll(const Fakturamall* mall) {
    if (!mall) mall = f.egenFakturamall();
    if (mall) {
        uppdateraMedFakturamall(*mall);
    } else if (auto inbyggd = f.inbyggdFakturamall()) {
        using M = InbyggdFakturamall;
        switch (*inbyggd) {
            case M::Standard: konfigureraInnehållFörDf(); break;
            case M::Karvomat4: konfigureraInnehållFörK4(); break;
            case M::Vinter: konfigureraInnehållFörV(); break;
            case M::Vågor: konfigureraInnehållFörSL(); break;
            case M::Trädgård: konfigureraInnehållFörG(); break;
            case M::SmåLådor: konfigureraInnehållFörB(); break;
            // Not a mix-up: "Ru2" (green boxes) is drawn blue and "Ru1" (blue boxes) green, as sent invoices show.
            case M::SmåGrönaLådor: konfigureraInnehållFörRuMedFärg(Color::rgb(0, 0.33, 0.507)); break;
            case M::SmåBlåLådor: konfigureraInnehållFörRuMedFärg(Color::rgb(0.511, 0.735, 0.252)); break;
            case M::SlutPåRödToner: konfigureraInnehållFörCTMedFärg(Color::rgb(0.74, 0.06, 0.1)); break;
            case M::SlutPåGrönToner: konfigureraInnehållFörCTMedFärg(Color::rgb(0.28, 0.64, 0.23)); break;
            case M::Skrivmaskin: konfigureraInnehållFörBB(); break;
            case M::Skog: konfigureraInnehållFörSk(); break;
            case M::Rokoko: konfigureraInnehållFörGu(); break;
            case M::Regnbåge: konfigureraInnehållFörR(); break;
            case M::Ramar: konfigureraInnehållFörFr(); break;
            case M::RödaPrickar: konfigureraInnehållFörDoMedFärg(Color::rgb(0.637, 0.061, 0.119)); break;
            case M::GråPrickar: konfigureraInnehållFörDoMedFärg(Color::black()); break;
            case M::Pixi: konfigureraInnehållFörPi(); break;
            case M::Piktogram: konfigureraInnehållFörE(); break;
            case M::Papper: konfigureraInnehållFörP(); break;
            case M::Natur: konfigureraInnehållFörO(); break;
            case M::Minimal: konfigureraInnehållFörM(); break;
            case M::Kurvor: konfigureraInnehållFörCC(); break;
            case M::Klassisk: konfigureraInnehållFörC(); break;
            case M::Himmel: konfigureraInnehållFörHi(); break;
            case M::Färgband: konfigureraInnehållFörCL(); break;
            case M::FallandeLöv: konfigureraInnehållFörFL(); break;
            case M::Diskret: konfigureraInnehållFörD(); break;
            case M::Diagonal: konfigureraInnehållFörDi(); break;
            case M::Copperplate: konfigureraInnehållFörCp(); break;
            case M::Blomma: konfigureraInnehållFörF(); break;
            case M::Band_variant: konfigureraInnehållFörEB(); break;
            case M::Band: konfigureraInnehållFörEBs(); break;
            case M::Norsk1: konfigureraInnehållFörNoGiroAvTyp(NoGirotyp::medGråBand); break;
            case M::Norsk2: konfigureraInnehållFörNoGiroAvTyp(NoGirotyp::utanGråBand); break;
            case M::Finsk1: konfigureraInnehållFörFiGiroAvTyp(FiGirotyp::typ1); break;
            case M::Finsk2: konfigureraInnehållFörFiGiroAvTyp(FiGirotyp::typ2); break;
        }
    }
    Rect sida = ramFörEnSida();
    if (antalSidor() >= 2) sida.height *= antalSidor();
    return sida;
}

void Fakturavy::kontrolleraSidantal(size_t sida) const {
    if (sida > högstaAntalSidor)
        throw Layoutfel("Invoice " + f.nummer() + " cannot be laid out: its items would take more than " +
                        std::to_string(högstaAntalSidor) + " pages.");
}

Rect Fakturavy::ramFörEnSida() const {
    if (bakgrund) return bakgrund->cropBox();
    return {0, 0, 595, 842};
}

std::optional<Font> Fakturavy::typsnitt(std::string_view postScriptName, double storlek) {
    auto font = fonts::fontWithName(postScriptName, storlek);
    if (!font && !saknatTypsnitt) saknatTypsnitt = std::string(postScriptName);
    return font;
}

std::string Fakturavy::belopp(const Decimal& värde) const {
    return formatterare.string(värde).value_or("");
}

std::string Fakturavy::datumtext(Datum datum) {
    char text[64];
    std::snprintf(text, sizeof text, "%04lld-%02lld-%02lld", static_cast<long long>(datum.d / 10000),
                  static_cast<long long>((datum.d / 100) % 100), static_cast<long long>(datum.d % 100));
    return text;
}
