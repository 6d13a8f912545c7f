#include "Modell/Fakturor/Faktura.h"

#include "Modell/Affarskontakt.h"
#include "Modell/Belopp.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Fakturor/Fakturarubriker.h"
#include "Modell/Fakturor/Momssammanfattning.h"
#include "Modell/Kostnadsstalle.h"

Faktura::~Faktura() = default;

Fakturastatus Faktura::status() const {
    if (återköpsdatum) return Fakturastatus::återköpt;
    if (kundförlustsdatum) return Fakturastatus::kundförlust;
    if (betalningsdatum) return Fakturastatus::betald;
    if (!hittillsBetaltBelopp.isZero()) return Fakturastatus::delbetald;
    if (påminnelserSkickade.size() == 1) return Fakturastatus::påmind;
    if (påminnelserSkickade.size() >= 2) return Fakturastatus::påmindFleraGånger;
    // Due today is not yet overdue.
    if (förfallodatum_.d < Datum::idag().d) return Fakturastatus::förfallen;
    return Fakturastatus::skickad;
}

Decimal Faktura::medTecken(const Decimal& belopp) const { return krediterad() ? belopp.negated() : belopp; }

Decimal Faktura::attBetala() const { return medTecken(_attBetala); }
Decimal Faktura::nettobelopp() const { return medTecken(_nettobelopp); }
Decimal Faktura::momsbelopp() const { return medTecken(_momsbelopp); }
Decimal Faktura::beloppExklMoms() const { return medTecken(_beloppExklMoms); }
Decimal Faktura::öresutjämningsbelopp() const { return medTecken(_öresutjämningsbelopp); }

Decimal Faktura::rabattbelopp() const {
    // Exact: both totals are already in whole öre.
    constexpr DecimalBehavior exakt{RoundingMode::plain, std::nullopt, false, false, false};
    return medTecken(_nettobelopp.subtracting(_beloppExklMoms, exakt));
}

std::optional<Decimal> Faktura::avdragsbelopp() const {
    if (!_avdragsbelopp) return std::nullopt;
    return medTecken(*_avdragsbelopp);
}

std::vector<const Fakturapostliknande*> Faktura::fakturaposter() const {
    std::vector<const Fakturapostliknande*> ut;
    ut.reserve(poster.size());
    for (const auto& post : poster) ut.push_back(post.get());
    return ut;
}

std::optional<std::string> Faktura::kundnummer() const {
    if (!mottagare) return std::string();
    return mottagare->nummer;
}

std::optional<std::string> Faktura::rubriktextIFakturamall(const Fakturamall* mall, bool följesedel) const {
    return rubriktextFörMall(mall, språk_, status(), följesedel, attBetala() < noll);
}

std::optional<std::string> Faktura::påminnelsetextIFakturamall(const Fakturamall* mall) const {
    return påminnelsetextFörMall(mall, språk_, status());
}

namespace {
// The name, a line separator, then the address block.
std::string adresstext(const std::string& företag, const Adress& adress, const std::string& land) {
    return företag + "\u2028" + adress.formatteradFörAvsändarland(land, true);
}
}  // namespace

std::optional<std::string> Faktura::fakturaadressGivetAvsändarland(const std::string& avsändarland) const {
    return adresstext(_företag, _mottagaradress, avsändarland);
}

std::optional<std::string> Faktura::adressAttLevereraTillGivetAvsändarland(const std::string& avsändarland) const {
    if (!leveransadress_) return std::nullopt;
    return adresstext(_företag, *leveransadress_, avsändarland);
}

const Faktura* senasteSkickadeFaktura(const std::vector<std::unique_ptr<Faktura>>& fakturor) {
    const Faktura* vald = nullptr;
    for (const auto& f : fakturor)
        if (!vald || f->ordningstal > vald->ordningstal) vald = f.get();
    return vald;
}

std::string Faktura::momssammanfattning() const { return momssammanfattningFörFaktura(*this, krediterad()); }
