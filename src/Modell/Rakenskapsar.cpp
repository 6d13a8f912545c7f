#include "Modell/Rakenskapsar.h"

#include "Modell/Konto.h"
#include "Modell/SkadatDokument.h"
#include "Plattform/UnicodeText.h"

#include <algorithm>

namespace {
// A count of table pairs; each pair takes at least `minstaStorlek` bytes,
// so a larger count than the bytes left could hold is not real.
int64_t läsAntal(Inström& ström, size_t minstaStorlek) {
    int64_t antal = ström.int64();
    if (antal < 0) throw FormatError("negative table count " + std::to_string(antal));
    if (static_cast<uint64_t>(antal) > ström.remaining() / minstaStorlek)
        throw FormatError("table count " + std::to_string(antal) + " is larger than the data left");
    return antal;
}

std::string läsText(Inström& ström) {
    Bytes b = ström.data();
    if (!isValidUtf8(b)) throw FormatError("a stored text is not valid UTF-8");
    return std::string(b.begin(), b.end());
}
}  // namespace

Räkenskapsår::Räkenskapsår(Datum frånOchMed, Datum tillOchMed, std::string namn)
    : namn(std::move(namn)), frånOchMed(frånOchMed), tillOchMed(tillOchMed) {}

Räkenskapsår::Räkenskapsår(Inström& ström, const Referenser& ref) {
    stängt = ström.int64() == 1;
    namn = ström.string();
    frånOchMed = Datum(ström.int64());
    tillOchMed = Datum(ström.int64());
    notering = ström.optionalString();

    int64_t antalVärden = läsAntal(ström, 16);
    for (int64_t i = 0; i < antalVärden; ++i) {
        std::string nyckel = läsText(ström);
        läggTillSparatVärde(std::move(nyckel), läsText(ström));
    }

    int64_t antalSaldon = läsAntal(ström, 9);
    for (int64_t i = 0; i < antalSaldon; ++i) {
        Konto* konto = ref.konto(ström.int64());
        if (!konto) throw SkadatDokument("Uppslagning av kontonummer för ingående saldon fungerar inte");
        auto saldo = ström.optionalDecimalNumber();
        if (!saldo) throw SkadatDokument("Ingående saldo för konto " + std::to_string(konto->nummer) + " saknar belopp");
        sättIngåendeSaldo(*konto, *saldo);
    }

    läsInLista(ström, verifikationer, ref);
    ström.int64();  // closing word
}

void Räkenskapsår::spara(Utström& ström) const {
    ström.writeInt64(stängt ? 1 : 0);
    ström.writeString(namn);
    ström.writeInt64(frånOchMed.d);
    ström.writeInt64(tillOchMed.d);
    ström.writeString(notering);
    ström.writeInt64(static_cast<int64_t>(sparadeBlankettvärden.size()));
    for (const auto& [nyckel, värde] : sparadeBlankettvärden) {
        ström.writeString(nyckel);
        ström.writeString(värde);
    }
    ström.writeInt64(static_cast<int64_t>(ingåendeSaldon.size()));
    for (const auto& [konto, saldo] : ingåendeSaldon) {
        ström.writeInt64(konto->nummer);
        ström.writeDecimalNumber(saldo);
    }
    skrivListaMedSparbaraObjekt(ström, verifikationer);
    ström.writeInt64(0);
}

int64_t Räkenskapsår::högstaVerifikationsnummer() const {
    std::optional<int64_t> högsta;
    for (const auto& v : verifikationer)
        if (v->nummer() && (!högsta || *v->nummer() > *högsta)) högsta = v->nummer();
    return högsta.value_or(0);
}

const Decimal* Räkenskapsår::ingåendeSaldo(const Konto& konto) const {
    for (const auto& [k, saldo] : ingåendeSaldon)
        if (k->nummer == konto.nummer) return &saldo;
    return nullptr;
}

void Räkenskapsår::sättIngåendeSaldo(Konto& konto, Decimal saldo) {
    for (auto& [k, befintligt] : ingåendeSaldon)
        if (k->nummer == konto.nummer) {
            befintligt = saldo;
            return;
        }
    ingåendeSaldon.emplace_back(&konto, saldo);
}

void Räkenskapsår::läggTillSparatVärde(std::string nyckel, std::string värde) {
    // Keys are the same when canonically equivalent, as texts are.
    for (auto& [k, befintligt] : sparadeBlankettvärden)
        if (canonicallyEqual(k, nyckel)) {
            befintligt = std::move(värde);
            return;
        }
    sparadeBlankettvärden.emplace_back(std::move(nyckel), std::move(värde));
}
