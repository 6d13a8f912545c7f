#include "Modell/Rad.h"

#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/LagradKod.h"
#include "Modell/LagratDatum.h"
#include "Modell/SkadatDokument.h"

#include <algorithm>

Rad::Rad(Konto& konto, Decimal belopp, int64_t nummer, std::vector<Kostnadsställe*> kostnadsställe,
         std::optional<std::string> tillagdAv, std::optional<Datum> tillagdDatum, std::optional<std::string> borttagenAv,
         std::optional<Datum> borttagenDatum, std::optional<std::string> hash)
    : konto(&konto),
      ursprungligtBelopp(belopp),
      nummer(nummer),
      kostnadsställen(std::move(kostnadsställe)),
      tillagdAv(std::move(tillagdAv)),
      tillagdDatum(tillagdDatum),
      borttagenAv(std::move(borttagenAv)),
      borttagenDatum(borttagenDatum),
      utdragshash(std::move(hash)) {}

Rad::Rad(Inström& ström, const Referenser& ref) {
    nummer = ström.int64();
    konto = ref.konto(ström.int64());
    if (!konto) throw SkadatDokument("Konto för rad saknas");
    auto belopp = ström.optionalDecimalNumber();
    if (!belopp) throw SkadatDokument("Belopp för rad saknas");
    ursprungligtBelopp = *belopp;
    ström.optionalStringInto(tillagdAv);
    tillagdDatum = optionalDatum(ström);
    ström.optionalStringInto(borttagenAv);
    borttagenDatum = optionalDatum(ström);
    försäljningstyp = läsKod<Försäljningstyp>(ström, "Okänd försäljningstyp");
    ström.optionalStringInto(utdragshash);
    // One list for all rows read on this thread, so that a row costs no
    // list of its own while it is read.
    thread_local std::vector<Kostnadsställe*> lästa;
    Kostnadsställe::läsInReferenserTillKostnadsställen(ref, ström, lästa);
    kostnadsställen = std::span<Kostnadsställe* const>(lästa);
    ström.int64();  // closing word
}

void Rad::spara(Utström& ström) const {
    ström.writeInt64(nummer);
    ström.writeInt64(konto->nummer);
    ström.writeDecimalNumber(ursprungligtBelopp);
    ström.writeText(tillagdAv);
    writeDatum(ström, tillagdDatum);
    ström.writeText(borttagenAv);
    writeDatum(ström, borttagenDatum);
    ström.writeInt64(kod(försäljningstyp));
    ström.writeText(utdragshash);
    Kostnadsställe::sparaReferenserTillKostnadsställen(kostnadsställen.span(), ström);
    ström.writeInt64(0);
}

Decimal Rad::belopp() const { return borttagen() ? Decimal() : ursprungligtBelopp; }

namespace {
std::vector<const Kostnadsställe*> sorterade(const CompactPointers<Kostnadsställe>& lista) {
    std::vector<const Kostnadsställe*> kopia(lista.begin(), lista.end());
    std::stable_sort(kopia.begin(), kopia.end(), [](const auto* a, const auto* b) { return *a < *b; });
    return kopia;
}
}  // namespace

bool operator==(const Rad& a, const Rad& b) {
    if (a.konto->nummer != b.konto->nummer || a.borttagen() != b.borttagen()) return false;
    if (a.kostnadsställen.size() != b.kostnadsställen.size()) return false;
    if (a.belopp() != b.belopp()) return false;
    auto ka = sorterade(a.kostnadsställen), kb = sorterade(b.kostnadsställen);
    return std::equal(ka.begin(), ka.end(), kb.begin(), [](const auto* x, const auto* y) { return *x == *y; });
}

bool operator<(const Rad& a, const Rad& b) {
    if (a.konto->nummer != b.konto->nummer) return a.konto->nummer < b.konto->nummer;
    auto ba = a.belopp(), bb = b.belopp();
    if (ba != bb) return ba < bb;
    if (a.borttagen() != b.borttagen()) return a.borttagen();
    return a.kostnadsställen.size() < b.kostnadsställen.size();
}
