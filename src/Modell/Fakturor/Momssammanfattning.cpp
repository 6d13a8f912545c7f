#include "Modell/Fakturor/Momssammanfattning.h"

#include "Modell/Belopp.h"
#include "Modell/Beloppsformatterare.h"
#include "Plattform/Lokal.h"
#include "Plattform/NumberFormatter.h"

#include <algorithm>

std::vector<std::pair<Decimal, Decimal>> beloppPerMomssatsFörFaktura(const Fakturaliknande& faktura) {
    if (faktura.omvändSkattskyldighetFörMoms()) return {{noll, faktura.attBetala()}};

    std::vector<std::pair<Decimal, Decimal>> perSats;
    for (const Fakturapostliknande* post : faktura.fakturaposter()) {
        Decimal sats = post->momssats();
        auto it = std::find_if(perSats.begin(), perSats.end(), [&](const auto& p) { return p.first == sats; });
        if (it == perSats.end()) it = perSats.insert(perSats.end(), {sats, noll});
        it->second = it->second.adding(post->beloppExklMoms());
    }
    if (auto rabatt = faktura.rabatt()) {
        Decimal faktor = ett.subtracting(*rabatt, ejAvrundande);
        for (auto& [sats, belopp] : perSats) belopp = belopp.multiplying(faktor, helaÖren);
    }
    return perSats;
}

std::string momssammanfattningFörFaktura(const Fakturaliknande& faktura, bool bytTecken) {
    Beloppsformatterare beloppsformat = Beloppsformatterare::förFaktura(faktura.valuta());
    NumberFormatter procentformat(NumberFormatter::Style::percent, lokal::aktuell());
    procentformat.setFractionDigits(std::nullopt, 1);

    auto perSats = beloppPerMomssatsFörFaktura(faktura);
    std::stable_sort(perSats.begin(), perSats.end(), [](const auto& a, const auto& b) { return a.first > b.first; });

    std::string text;
    for (size_t i = 0; i < perSats.size(); ++i) {
        const auto& [sats, belopp] = perSats[i];
        if (i > 0) text += "\u2028";
        text += procentformat.format(sats).value_or("");
        text += ":\t";
        text += beloppsformat.string(bytTecken ? belopp.multiplying(minusEtt) : belopp).value_or("");
    }
    return text;
}
