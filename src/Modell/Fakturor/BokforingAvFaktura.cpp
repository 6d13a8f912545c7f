// The ledger entry that sending an invoice books under the invoice method:
// sales and VAT credited per account, the ROT/RUT deduction debited to its
// account and the rest to accounts receivable.
#include "Modell/Artikel.h"
#include "Modell/Belopp.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturafel.h"
#include "Modell/Konto.h"
#include "Modell/Momsniva.h"
#include "Modell/Rad.h"
#include "Modell/Verifikation.h"

#include <map>

namespace {
// Amounts per account, visited in account-number order so that row numbers
// and the tie-breaks below do not depend on how a hash table happens to lay
// its keys out.
struct Kontobelopp {
    Konto* konto;
    Decimal belopp;
};
using Kontokarta = std::map<int64_t, Kontobelopp>;

void lägg(Kontokarta& karta, Konto* konto, const Decimal& belopp) {
    auto [it, ny] = karta.try_emplace(konto->nummer, Kontobelopp{konto, noll});
    it->second.belopp = it->second.belopp.adding(belopp, ejAvrundande);
}

Decimal summa(const Kontokarta& karta) {
    Decimal s = noll;
    for (const auto& [nummer, kb] : karta) s = s.adding(kb.belopp, ejAvrundande);
    return s;
}

bool ärIntäktEllerKostnad(const Konto& konto) {
    return konto.typ == Kontotyp::intäkt || konto.typ == Kontotyp::kostnad || konto.typ == Kontotyp::okänd;
}
}  // namespace

Radlista Faktura::försäljningsrader(const Bokföring& bokföring) const {
    Konto* förvaltKonto = bokföring.förvaldArtikel ? bokföring.förvaldArtikel->försäljningskonto : nullptr;
    Kontokarta försäljning;
    Kontokarta moms;
    for (const auto& post : poster) {
        Konto* konto = post->försäljningskonto ? post->försäljningskonto : förvaltKonto;
        if (!konto) throw Fakturafel(Fakturafel::Fall::någonPostSaknarFörsäljningskonto);
        lägg(försäljning, konto, post->beloppExklMoms_);
        if (post->momsbelopp_.isZero()) continue;
        if (!konto->momsnivå) throw Fakturafel::ettFörsäljningskontoSaknarMomsnivå(konto->nummer);
        Konto* momskonto = konto->momsnivå->kontoFörUtgåendeMoms;
        if (!momskonto) throw Fakturafel::någonPostSaknarMomskonto(konto->momsnivå->nivå);
        lägg(moms, momskonto, post->momsbelopp_);
    }

    // The invoice discount, account by account.
    if (rabatt_) {
        Decimal faktor = ett.subtracting(*rabatt_, ejAvrundande);
        for (auto* karta : {&försäljning, &moms})
            for (auto& [nummer, kb] : *karta) kb.belopp = kb.belopp.multiplying(faktor, helaÖren);
    }

    // What the per-account discount rounding lost against the frozen VAT
    // goes to the largest VAT account (the last of equals).
    Decimal momsskillnad = _momsbelopp.subtracting(summa(moms), ejAvrundande);
    if (!momsskillnad.isZero()) {
        if (moms.empty()) throw Fakturafel(Fakturafel::Fall::momsskillnadUtanMomskonto);
        Kontobelopp* störst = nullptr;
        for (auto& [nummer, kb] : moms)
            if (!störst || !(störst->belopp > kb.belopp)) störst = &kb;
        störst->belopp = störst->belopp.adding(momsskillnad, ejAvrundande);
    }

    if (öresutjämna_ && !_öresutjämningsbelopp.isZero()) {
        if (!bokföring.kontoFörÖresutjämning)
            throw Fakturafel(Fakturafel::Fall::kontoFörÖresutjämningÄrInteInställt);
        lägg(försäljning, bokföring.kontoFörÖresutjämning, _öresutjämningsbelopp);
    }

    for (const auto& [nummer, kb] : moms) lägg(försäljning, kb.konto, kb.belopp);

    // Anything still missing against the frozen total goes to the rounding
    // account, else to the largest positive account (the first of equals).
    Decimal förväntat = _attBetala.adding(_avdragsbelopp.value_or(noll), ejAvrundande);
    Decimal summaFörsäljning = summa(försäljning);
    if (summaFörsäljning != förväntat) {
        Decimal rest = förväntat.subtracting(summaFörsäljning, ejAvrundande);
        if (bokföring.kontoFörÖresutjämning) {
            lägg(försäljning, bokföring.kontoFörÖresutjämning, rest);
        } else {
            Kontobelopp* störst = nullptr;
            Decimal största = noll;
            for (auto& [nummer, kb] : försäljning)
                if (kb.belopp > största) {
                    störst = &kb;
                    största = kb.belopp;
                }
            if (störst) störst->belopp = störst->belopp.adding(rest, ejAvrundande);
        }
    }

    if (valuta_ != "SEK")
        for (auto& [nummer, kb] : försäljning) kb.belopp = kb.belopp.multiplying(växelkurs, ejAvrundande);

    Radlista rader;
    for (const auto& [nummer, kb] : försäljning) {
        auto rad = std::make_unique<Rad>(*kb.konto, kb.belopp.multiplying(minusEtt, ejAvrundande),
                                         static_cast<int64_t>(rader.size() + 1), std::vector<Kostnadsställe*>{},
                                         std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt);
        if (ärIntäktEllerKostnad(*kb.konto)) {
            rad->kostnadsställen = kostnadsställen;
            if (!omvändSkattskyldighetFörMoms_) {
                rad->försäljningstyp = Försäljningstyp::medMomsEllerUtanförEU;
            } else {
                // Under reverse charge the row says whether it sold goods or
                // services, when its items agree.
                bool varor = false;
                bool tjänster = false;
                bool allaPoster = förvaltKonto == kb.konto;
                for (const auto& post : poster)
                    if (allaPoster || post->försäljningskonto == kb.konto) {
                        varor = varor || post->typ == Artikeltyp::varor;
                        tjänster = tjänster || post->typ == Artikeltyp::tjänster;
                    }
                if (varor != tjänster)
                    rad->försäljningstyp = tjänster ? Försäljningstyp::momsfriTjänst : Försäljningstyp::momsfriVara;
            }
        }
        rader.push_back(std::move(rad));
    }
    return rader;
}

std::unique_ptr<Verifikation> Faktura::verifikationFörSkickandet(const Bokföring& bokföring) const {
    if (!bokföring.bokförFakturorAutomatiskt || metod != Bokföringsmetod::fakturametoden) return nullptr;
    Konto* kundfordringar = bokföring.kontoFörKundfordringar;
    if (!kundfordringar) throw Fakturafel(Fakturafel::Fall::kundfordringskontoSaknas);

    Radlista rader = försäljningsrader(bokföring);
    if (_avdragsbelopp && !_avdragsbelopp->isZero()) {
        if (!bokföring.kontoFörROT) throw Fakturafel(Fakturafel::Fall::saknarKontoFörROT);
        // The deduction row's number is fixed by the receivables account,
        // not by its position.
        int64_t radnummer = static_cast<int64_t>(static_cast<uint64_t>(kundfordringar->nummer) + 10001);
        rader.push_back(std::make_unique<Rad>(*bokföring.kontoFörROT, *_avdragsbelopp, radnummer,
                                              std::vector<Kostnadsställe*>{}, std::nullopt, std::nullopt,
                                              std::nullopt, std::nullopt, std::nullopt));
    }
    Decimal summaRader = noll;
    for (const auto& rad : rader) summaRader = summaRader.adding(rad->belopp(), ejAvrundande);
    Decimal fordran = summaRader.multiplying(minusEtt, ejAvrundande);
    int64_t sista = static_cast<int64_t>(rader.size() + 1);
    rader.push_back(std::make_unique<Rad>(*kundfordringar, fordran, sista, std::vector<Kostnadsställe*>{},
                                          std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt));

    auto verifikation = Verifikation::förFakturahändelse(Verifikationstyp::skickadFaktura, nummer(), fakturadatum_,
                                                         std::move(rader), std::nullopt, std::nullopt, std::nullopt);
    verifikation->momsregistreringsnummer = momsregistreringsnummer_;
    return verifikation;
}
