#include "Modell/Bokforingsbas.h"

#include "Modell/Dokumentlistor.h"
#include "Modell/Konto.h"
#include "Modell/Rad.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/Verifikation.h"
#include "Plattform/RandomBytes.h"

#include <algorithm>
#include <array>

std::string Bokföringsbas::nyUUID() {
    std::array<uint8_t, 16> slump;
    fillWithRandomBytes(slump);
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string uuid;
    for (int i = 0; i < 32; ++i) {
        if (i == 8 || i == 12 || i == 16 || i == 20) uuid += '-';
        int v = (slump[i / 2] >> (i % 2 ? 0 : 4)) & 15;
        if (i == 12) v = 4;                 // version 4: random
        if (i == 16) v = 8 | (v & 3);       // the RFC 4122 variant
        uuid += hex[v];
    }
    return uuid;
}

namespace {
std::string utan(std::string text, char tecken) {
    text.erase(std::remove(text.begin(), text.end(), tecken), text.end());
    return text;
}

bool ärAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The fiscal years by first day; years with the same first day keep their
// list order.
std::vector<const Räkenskapsår*> åriOrdning(const std::vector<std::unique_ptr<Räkenskapsår>>& år) {
    std::vector<const Räkenskapsår*> ordnade;
    for (const auto& r : år) ordnade.push_back(r.get());
    std::stable_sort(ordnade.begin(), ordnade.end(), [](auto* a, auto* b) { return *a < *b; });
    return ordnade;
}
}  // namespace

std::optional<std::string> Bokföringsbas::momsregistreringsnummer() const {
    if (!momsregistrerat) return std::nullopt;
    const std::string& o = organisationsnummer;
    switch (land) {
    case Land::Sverige: {
        std::string siffror = utan(o, '-');
        if (siffror.size() == 12 && ärAscii(siffror)) siffror.erase(0, 2);
        return "SE" + siffror + "01";
    }
    case Land::Danmark: return "DK" + o;
    case Land::Norge: return "NO " + o + " MVA";
    case Land::Finland: return "FI" + utan(o, '-');
    case Land::Belgien: return "BE" + o;
    case Land::Nederländerna: return "NL" + utan(o, '.') + "B01";
    case Land::Luxemburg: return "LU" + utan(o, ' ');
    default: return std::nullopt;
    }
}

std::optional<Datum> Bokföringsbas::senasteVerifikationsdatum() const {
    std::optional<Datum> senaste;
    for (const auto* år : åriOrdning(räkenskapsår)) {
        if (år->verifikationer.empty()) continue;
        Datum störst = år->verifikationer.front()->datum;
        for (const auto& v : år->verifikationer) störst = std::max(störst, v->datum);
        senaste = störst;
    }
    return senaste;
}

std::optional<int64_t> Bokföringsbas::senasteVerifikationsnummer() const {
    std::optional<int64_t> senaste;
    for (const auto* år : åriOrdning(räkenskapsår)) {
        if (år->verifikationer.empty()) continue;
        // The entry a sort would put last: among equal ones, the later.
        const Verifikation* sist = år->verifikationer.front().get();
        for (const auto& v : år->verifikationer)
            if (!(*v < *sist)) sist = v.get();
        if (sist->nummer()) senaste = *sist->nummer();
    }
    return senaste;
}

Decimal Bokföringsbas::kundfordringsbelopp(const Verifikation& verifikation) const {
    Decimal summa;
    for (const auto& rad : verifikation.rader)
        if (rad->konto == kontoFörKundfordringar && !rad->borttagen()) summa = summa.adding(rad->ursprungligtBelopp);
    return summa;
}

std::vector<Verifikation*> Bokföringsbas::kundfordringskandidater() const {
    std::vector<Verifikation*> kandidater;
    if (!kontoFörKundfordringar) return kandidater;
    for (const auto& år : räkenskapsår)
        for (const auto& v : år->verifikationer) {
            bool påKontot = std::any_of(v->rader.begin(), v->rader.end(),
                                        [&](const auto& rad) { return rad->konto == kontoFörKundfordringar; });
            if (påKontot && !kundfordringsbelopp(*v).isZero()) kandidater.push_back(v.get());
        }
    for (const auto& v : kommandeVerifikationer) kandidater.push_back(v.get());
    return kandidater;
}

std::vector<Kundfordringsändring> Bokföringsbas::kundfordringsändringarFörFaktura(
    const std::string& nummer, const std::vector<Verifikation*>& kandidater) const {
    const std::string mellanrum = " " + nummer + " ";
    const std::string nummertecken = "#" + nummer + " ";
    std::vector<Kundfordringsändring> ändringar;
    for (Verifikation* v : kandidater) {
        const std::string_view namn = v->namn;
        if (namn.find(mellanrum) == std::string::npos && namn.find(nummertecken) == std::string::npos) continue;
        v->fakturanummer = nummer;
        if (v->nummer()) ändringar.push_back({v->datum, *v->nummer(), kundfordringsbelopp(*v)});
    }
    return ändringar;
}

void Bokföringsbas::räknaOmKundfordringsändringar() {
    if (!kontoFörKundfordringar) return;
    tillämpaKundfordringsändringar(*this, kundfordringskandidater());
}

bool Bokföringsbas::tillåterKolumn(Fakturakolumn kolumn) const {
    return std::find(tillåtnaKolumner.begin(), tillåtnaKolumner.end(), kolumn) != tillåtnaKolumner.end();
}

void Bokföringsbas::läggTillKolumn(Fakturakolumn kolumn) {
    if (!tillåterKolumn(kolumn)) tillåtnaKolumner.push_back(kolumn);
}

const std::string* Bokföringsbas::kreditvillkorFör(const std::string& språk) const {
    for (const auto& [nyckel, text] : kreditvillkor)
        if (nyckel == språk) return &text;
    return nullptr;
}

void Bokföringsbas::sättKreditvillkor(const std::string& språk, std::string text) {
    for (auto& [nyckel, värde] : kreditvillkor)
        if (nyckel == språk) {
            värde = std::move(text);
            return;
        }
    kreditvillkor.emplace_back(språk, std::move(text));
}
