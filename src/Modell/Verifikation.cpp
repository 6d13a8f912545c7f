#include "Modell/Verifikation.h"

#include "Modell/Konto.h"
#include "Plattform/UnicodeText.h"

#include <algorithm>
#include <stdexcept>

namespace {
std::optional<std::string> förstaUtdragshash(const Radlista& rader) {
    for (const auto& rad : rader)
        if (rad->utdragshash) return rad->utdragshash;
    return std::nullopt;
}

// The text of an invoice event; the keys of the localisation double as the
// texts where no translation exists, as in this tool.
const char* fakturahändelsetext(Verifikationstyp typ) {
    switch (typ) {
        case Verifikationstyp::skickadFaktura: return "Faktura #%@ skickad";
        case Verifikationstyp::delbetaldFaktura: return "Faktura #%@ delbetald";
        case Verifikationstyp::betaldFaktura: return "Faktura #%@ betald";
        case Verifikationstyp::kundförlust: return "Kundförlust avseende #%@";
        case Verifikationstyp::Återköp: return "Retur/återköp för faktura #%@";
        case Verifikationstyp::påminnelseavgift: return "Reminder fee for invoice #%@";
        default: return nullptr;
    }
}

std::vector<const Rad*> pekare(const Radlista& rader) {
    std::vector<const Rad*> ut;
    ut.reserve(rader.size());
    for (const auto& r : rader) ut.push_back(r.get());
    return ut;
}
}  // namespace

Verifikation::Verifikation(std::optional<int64_t> nummer, std::string namn, Verifikationstyp typ, Datum datum,
                           Radlista rader, std::optional<std::string> kommentar,
                           std::optional<Bildinfo> bildinfo, std::optional<std::string> leverantörsfakturanummer)
    : namn(std::move(namn)),
      datum(datum),
      leverantörsfakturanummer(std::move(leverantörsfakturanummer)),
      rader(std::move(rader)),
      kommentar(std::move(kommentar)),
      typ(typ) {
    sättLagratNummer(nummer);
    if (bildinfo) {
        bildobjekt = std::move(bildinfo->objekt);
        bildbokmärke = std::move(bildinfo->bokmärke);
        bildURL = std::move(bildinfo->sandlådeURL);
    }
    utdrag = förstaUtdragshash(this->rader);
}

std::unique_ptr<Verifikation> Verifikation::förFakturahändelse(Verifikationstyp typ, const std::string& nummer,
                                                              Datum datum, Radlista rader,
                                                              std::optional<std::string> kommentar,
                                                              std::optional<Bildinfo> bildinfo,
                                                              std::optional<std::string>) {
    const char* mall = fakturahändelsetext(typ);
    if (!mall) throw std::logic_error("Okänd verifikationstyp för denna init");
    std::string namn = mall;
    namn.replace(namn.find("%@"), 2, nummer);
    auto v = std::make_unique<Verifikation>(std::nullopt, std::move(namn), typ, datum, std::move(rader),
                                            std::move(kommentar), std::move(bildinfo), std::nullopt);
    v->fakturanummer = nummer;
    return v;
}

Verifikation::Verifikation(Inström& ström, const Referenser& ref) {
    int64_t lagratNummer = ström.int64();
    if (lagratNummer != -1) sättLagratNummer(lagratNummer);
    namn = ström.textInPlace();
    datum = Datum(ström.int64());
    // Codes outside the table are read as the unknown kind.
    typ = frånKod<Verifikationstyp>(ström.int64()).value_or(Verifikationstyp::okänd);
    ström.optionalStringInto(kommentar);
    ström.optionalStringInto(fakturanummer);
    ström.optionalStringInto(leverantörsfakturanummer);
    ström.optionalStringInto(momsregistreringsnummer);
    bildURL = ström.optionalData();
    bildobjekt = ström.optionalData();
    bildbokmärke = ström.optionalData();
    ström.optionalStringInto(utdrag);
    läsInLista(ström, rader, ref);
    // The registration date, when there is one, takes the place of the
    // closing word and is followed by it.
    int64_t ord = ström.int64();
    if (ord >= 1) {
        registreringsdatum = Datum(ord);
        ström.int64();
    }
}

void Verifikation::spara(Utström& ström) const {
    ström.writeInt64(numrerad_ ? nummer_ : -1);
    ström.writeRequiredText(namn);
    ström.writeInt64(datum.d);
    ström.writeInt64(kod(typ));
    ström.writeText(kommentar);
    ström.writeText(fakturanummer);
    ström.writeText(leverantörsfakturanummer);
    ström.writeText(momsregistreringsnummer);
    ström.writeCompactData(bildURL);
    ström.writeCompactData(bildobjekt);
    ström.writeCompactData(bildbokmärke);
    ström.writeText(utdrag);
    skrivListaMedSparbaraObjekt(ström, rader);
    if (registreringsdatum && registreringsdatum->d > 0) ström.writeInt64(registreringsdatum->d);
    ström.writeInt64(0);
}

void Verifikation::sättNummer(std::optional<int64_t> nummer) {
    sättLagratNummer(nummer);
    registreringsdatum = nummer ? std::optional(Datum::idag()) : std::nullopt;
}

bool Verifikation::jämförRader(const std::vector<const Rad*>& rad1, const std::vector<const Rad*>& rad2) {
    if (rad1.size() != rad2.size()) return false;
    auto ordning = [](const Rad* a, const Rad* b) { return *a < *b; };
    auto a = rad1, b = rad2;
    std::stable_sort(a.begin(), a.end(), ordning);
    std::stable_sort(b.begin(), b.end(), ordning);
    return std::equal(a.begin(), a.end(), b.begin(), [](const Rad* x, const Rad* y) { return *x == *y; });
}

bool Verifikation::jämförRader(const Radlista& rad1, const Radlista& rad2) {
    return jämförRader(pekare(rad1), pekare(rad2));
}

bool Verifikation::kommerFöre(const std::optional<int64_t>& nummerA, Datum datumA, Verifikationstyp typA,
                              std::string_view namnA, const std::optional<int64_t>& nummerB, Datum datumB,
                              Verifikationstyp typB, std::string_view namnB) {
    if (nummerA != nummerB) return nummerA.value_or(0) < nummerB.value_or(0);
    if (datumA != datumB) return datumA < datumB;
    if (typA != typB) return kod(typA) < kod(typB);
    return compareCanonically(namnA, namnB) < 0;
}

bool operator==(const Verifikation& a, const Verifikation& b) {
    return a.nummer() == b.nummer() && a.datum == b.datum && canonicallyEqual(a.namn, b.namn) &&
           Verifikation::jämförRader(a.rader, b.rader);
}

bool operator<(const Verifikation& a, const Verifikation& b) {
    return Verifikation::kommerFöre(a.nummer(), a.datum, a.typ, a.namn, b.nummer(), b.datum, b.typ, b.namn);
}
