#include "Vyer/Faktura/MallverktygFakta.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Land.h"
#include "Vyer/Faktura/Mallverktyg.h"

#include <algorithm>

namespace mallverktyg {

namespace {

std::optional<std::string> adresstext(const Fakturavy& vy, const std::optional<Adress>& adress) {
    if (!adress) return std::nullopt;
    return adress->formatteradFörAvsändarland(std::string(kod(vy.b.land)), true);
}

// The four ROT and RUT facts in the order rotOchRutUppgifter gives them.
Datapost rotOchRut(const Fakturavy& vy, size_t i) { return rotOchRutUppgifter(vy).at(i); }

}  // namespace

Datapost fakt(const Fakturavy& vy, Fakt fakt) {
    const Fakturaliknande& f = vy.f;
    const Bokföring& b = vy.b;
    switch (fakt) {
        case Fakt::mottagare: return {vy.rubrikFörMottagare(), f.företag()};
        case Fakt::mottagaradress: return {vy.rubrikFörMottagaradress(), adresstext(vy, f.mottagaradress())};
        case Fakt::fakturaadress:
            return {vy.rubrikFörMottagare(), f.fakturaadressGivetAvsändarland(std::string(kod(b.land)))};
        case Fakt::leveransadress: return {vy.rubrikFörLeveransadress(), adresstext(vy, f.leveransadress())};
        case Fakt::erReferens: return {vy.rubrikFörErReferens(), f.erReferens()};
        case Fakt::vårReferens: return {vy.rubrikFörVårReferens(), f.vårReferens()};
        case Fakt::kundnummer: return {vy.rubrikFörKundnummer(), f.kundnummer()};
        case Fakt::personnummer: return rotOchRut(vy, 0);
        case Fakt::personnummer2: return rotOchRut(vy, 1);
        case Fakt::fastighetsbeteckning: return rotOchRut(vy, 2);
        case Fakt::lägenhetsnummer: return rotOchRut(vy, 3);
        case Fakt::mottagarensMomsregistreringsnummer:
            return {vy.rubrikFörMottagarensMomsregistreringsnummer(), f.momsregistreringsnummer()};
        case Fakt::inköpsordernummer: return {vy.rubrikFörInköpsordernummer(), f.inköpsordernummer()};
        case Fakt::leveranssätt: return {vy.rubrikFörLeveranssätt(), f.leveranssätt()};
        case Fakt::leveransdatum: return {vy.rubrikFörLeveransdatum(), datum(f.leveransdatum())};
        case Fakt::fakturanummer: return {vy.rubrikFörFakturanummer(), f.nummer()};
        case Fakt::fakturadatum: return {vy.rubrikFörFakturadatum(), Fakturavy::datumtext(f.fakturadatum())};
        case Fakt::förfallodatum: return {vy.rubrikFörFörfallodatum(), Fakturavy::datumtext(f.förfallodatum())};
        case Fakt::betalningsvillkor: return {vy.rubrikFörBetalningsvillkor(), vy.rubrikFörDagar()};
        case Fakt::avsändare: return {vy.rubrikFörAvsändare(), b.namn};
        case Fakt::säte: return {vy.rubrikFörOrt(), b.säte()};
        case Fakt::organisationsnummer: return {vy.rubrikFörOrganisationsnummer(), b.organisationsnummer};
        case Fakt::momsregistreringsnummer: return {vy.rubrikFörMomsregistreringsnummer(), b.momsregistreringsnummer()};
        case Fakt::avsändaradress:
            return {vy.rubrikFörAdress(), b.adress.formatteradFörMottagarland(landFörAvsändaradressen(vy), true)};
        case Fakt::telefon: return {vy.rubrikFörTelefon(), b.telefon};
        case Fakt::fax: return {vy.rubrikFörFax(), b.fax};
        case Fakt::email: return {vy.rubrikFörEmail(), b.email};
        case Fakt::hemsida: return {vy.rubrikFörWebsite(), b.hemsida};
    }
    return {};
}

Datalista fakta(const Fakturavy& vy, const std::vector<Fakt>& lista) {
    Datalista ut;
    for (Fakt f : lista) ut.push_back(fakt(vy, f));
    return ut;
}

bool alltidMed(Fakt fakt) {
    return fakt == Fakt::fakturanummer || fakt == Fakt::fakturadatum || fakt == Fakt::förfallodatum;
}

Datalista faktaSomFårPlats(const Fakturavy& vy, const std::vector<Fakt>& lista,
                           const std::function<bool(const Datalista&)>& fårPlats) {
    struct Visat {
        Datapost post;
        bool alltidMed;
    };
    std::vector<Visat> visade;
    for (Fakt f : lista)
        if (Datapost post = fakt(vy, f); post.rubrik && post.värde) visade.push_back({std::move(post), alltidMed(f)});
    for (;;) {
        Datalista data;
        for (const Visat& v : visade) data.push_back(v.post);
        if (fårPlats(data)) return data;
        auto sista = std::find_if(visade.rbegin(), visade.rend(), [](const Visat& v) { return !v.alltidMed; });
        if (sista == visade.rend()) return data;
        visade.erase(std::next(sista).base());
    }
}

Datalista faktaSomFårPlats(const Fakturavy& vy, const std::vector<Fakt>& lista, size_t platser) {
    return faktaSomFårPlats(vy, lista, [platser](const Datalista& data) { return data.size() <= platser; });
}

Datalista faktaOchBetalning(const Fakturavy& vy, const std::vector<Fakt>& lista) {
    Datalista ut = fakta(vy, lista);
    for (Datapost& post : vy.betalningsinformation()) ut.push_back(std::move(post));
    return ut;
}

}  // namespace mallverktyg
