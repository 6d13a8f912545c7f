#include "Installningar.h"

#include "ValutaformatPaFakturor.h"

namespace {

constexpr const char* kNycklar[] = {
    "TVMBFileSelectorHidden", "TVMBInvoiceCurrencyStyle", "TVMBHideDecimalsOnInvoices", "TVMBInvoiceDateToday",
    "TVMBPrintInvoiceAfterSending", "TVMBNoAutocomplete", "TVMBC5Margin", "AppleLanguages",
};

std::string nyckel(GlobalInställning i) { return rawValue(i); }

}  // namespace

const char* rawValue(GlobalInställning inställning) { return kNycklar[static_cast<int>(inställning)]; }

std::optional<GlobalInställning> globalInställningFrånRawValue(const std::string& nyckel) {
    for (int i = 0; i < static_cast<int>(std::size(kNycklar)); ++i)
        if (nyckel == kNycklar[i]) return static_cast<GlobalInställning>(i);
    return std::nullopt;
}

std::optional<std::string> kod(GlobalInställning inställning, const Användarinställningar& inställningar) {
    auto lista = inställningar.textlista(rawValue(inställning));
    if (!lista || lista->empty()) return std::nullopt;
    return lista->front();
}

Programversion nuvarandeProgramversion(const std::optional<std::string>& programidentifierare) {
    return programidentifierare == huvudprogrammetsIdentifierare ? Programversion::huvudprogrammet : Programversion::annan;
}

Installningar::Installningar(Användarinställningar& inställningar, Programversion programversion)
    : inställningar_(inställningar), programversion_(programversion) {}

void Installningar::uppdatera() {
    auto sätt = [](Knapp* k, bool på) {
        if (k) k->tillstånd = på ? 1 : 0;
    };
    sätt(kryssrutaFörFilväljare, !inställningar_.boolVärde(nyckel(GlobalInställning::filväljareDold)));
    sätt(kryssrutaFörDöljÖren, inställningar_.boolVärde(nyckel(GlobalInställning::döljDecimalerPåFakturor)));
    sätt(kryssrutaFörDagensDatum, inställningar_.boolVärde(nyckel(GlobalInställning::fakturadatumTillDagens)));
    sätt(kryssrutaFörUtskrift, inställningar_.boolVärde(nyckel(GlobalInställning::skrivUtEfterSkickning)));
    sätt(kryssrutaFörAutocomplete, !inställningar_.boolVärde(nyckel(GlobalInställning::ingenAutokomplettering)));
    int64_t valuta = kod(valutaformatPåFakturor::valt(inställningar_));
    for (Knapp* k : {knappFörKortValuta, knappFörLångValuta, knappFörIngenValuta}) sätt(k, k && k->tagg == valuta);
    if (sliderFörMarginal)
        sliderFörMarginal->värde = static_cast<float>(inställningar_.flyttal(nyckel(GlobalInställning::marginalFörC5)));
    if (popupFörSpråk) {
        // Outside the main application English is stored as "en-SE".
        auto språk = kod(GlobalInställning::språk, inställningar_);
        if (språk == "en-SE") språk = "en";
        for (size_t i = 0; i < koder.size(); ++i)
            if (språk == koder[i]) popupFörSpråk->valdTagg = static_cast<int64_t>(i);
    }
}

void Installningar::notifiera() { notifikationVäntar_ = true; }

void Installningar::observera(std::function<void(const std::string&)> observatör) {
    observatörer_.push_back(std::move(observatör));
}

bool Installningar::närLedig() {
    if (!notifikationVäntar_) return false;
    notifikationVäntar_ = false;
    for (const auto& o : observatörer_) o(notifikation);
    return true;
}

void Installningar::kryssruta(const Knapp* ruta, GlobalInställning inställning, bool lagraNärPå, bool postar) {
    if (!ruta) return;
    bool värde = (ruta->tillstånd == 1) == lagraNärPå;
    if (inställningar_.boolVärde(nyckel(inställning)) == värde) return;
    inställningar_.sätt(nyckel(inställning), värde);
    if (postar) notifiera();
}

void Installningar::visaFilväljare(const Knapp&) {
    kryssruta(kryssrutaFörFilväljare, GlobalInställning::filväljareDold, false, true);
}

void Installningar::döljDecimaler(const Knapp&) {
    kryssruta(kryssrutaFörDöljÖren, GlobalInställning::döljDecimalerPåFakturor, true, true);
}

void Installningar::fakturadatumTillDagens(const Knapp&) {
    kryssruta(kryssrutaFörDagensDatum, GlobalInställning::fakturadatumTillDagens, true, false);
}

void Installningar::skrivUtFakturor(const Knapp&) {
    kryssruta(kryssrutaFörUtskrift, GlobalInställning::skrivUtEfterSkickning, true, false);
}

void Installningar::hämtaPoster(const Knapp&) {
    kryssruta(kryssrutaFörAutocomplete, GlobalInställning::ingenAutokomplettering, false, false);
}

void Installningar::sättValutaformatPåFakturor(const Knapp& avsändare) {
    if (avsändare.tagg == kod(valutaformatPåFakturor::valt(inställningar_))) return;
    inställningar_.sätt(nyckel(GlobalInställning::valutaformatPåFakturor), avsändare.tagg);
    notifiera();
}

void Installningar::ändraMarginal(const Reglage&) {
    if (!sliderFörMarginal) return;
    float värde = sliderFörMarginal->värde;
    float lagrat = static_cast<float>(inställningar_.flyttal(nyckel(GlobalInställning::marginalFörC5)));
    // A stored 0 is rewritten even by 0, so the key is always present
    // once the slider has been touched.
    if (lagrat != 0 && lagrat == värde) return;
    inställningar_.sätt(nyckel(GlobalInställning::marginalFörC5), static_cast<double>(värde));
}

void Installningar::väljSpråk(const Popupmeny&) {
    if (!popupFörSpråk) return;
    int64_t tagg = popupFörSpråk->valdTagg;
    if (tagg < 0 || tagg >= static_cast<int64_t>(koder.size())) return;
    std::string valt = koder[static_cast<size_t>(tagg)];
    if (valt == "en" && programversion_ != Programversion::huvudprogrammet) valt = "en-SE";
    if (kod(GlobalInställning::språk, inställningar_) == valt) return;
    inställningar_.sätt(nyckel(GlobalInställning::språk), std::vector<std::string>{valt});
    // The new language takes effect on the next start.
    if (omstartsmeddelande) omstartsmeddelande->dold = false;
    if (omstartsikon) omstartsikon->dold = false;
}
