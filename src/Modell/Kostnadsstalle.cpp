#include "Modell/Kostnadsstalle.h"

#include "Plattform/UnicodeText.h"

#include <algorithm>
#include <string_view>

Kostnadsställe::Kostnadsställe(int64_t dimension, std::string nummer, std::optional<std::string> namn)
    : namn(std::move(namn)), dimensionsnummer(dimension) {
    this->ordningstal = försökOrdningstalFrånNummer(nummer).value_or(0);
    this->nummer = std::move(nummer);
}

Kostnadsställe::Kostnadsställe(Inström& ström, const Referenser& ref) {
    namn = ström.optionalString();
    dimensionsnummer = ström.int64();
    ström.int64();  // closing word of the own part
    // The base part comes last in the record.
    static_cast<NumreratObjekt&>(*this) = NumreratObjekt(ström, ref);
}

void Kostnadsställe::spara(Utström& ström) const {
    ström.writeString(namn);
    ström.writeInt64(dimensionsnummer);
    ström.writeInt64(0);
    NumreratObjekt::spara(ström);
}

std::vector<Kostnadsställe*> Kostnadsställe::läsInReferenserTillKostnadsställen(const Referenser& kostnadsställen,
                                                                                Inström& iStröm) {
    std::vector<Kostnadsställe*> resultat;
    läsInReferenserTillKostnadsställen(kostnadsställen, iStröm, resultat);
    return resultat;
}

void Kostnadsställe::läsInReferenserTillKostnadsställen(const Referenser& kostnadsställen, Inström& iStröm,
                                                        std::vector<Kostnadsställe*>& resultat) {
    resultat.clear();
    int64_t antal = iStröm.listCount();
    // Rows name a cost centre or two; the count is not trusted further.
    if (antal > 0) resultat.reserve(static_cast<size_t>(std::min<int64_t>(antal, 8)));
    for (int64_t i = 0; i < antal; ++i) {
        int64_t dimension = iStröm.int64();
        auto nummer = iStröm.dataInPlace();
        if (!isValidUtf8(nummer)) throw FormatError("a cost-centre reference is not valid UTF-8");
        std::string_view text(reinterpret_cast<const char*>(nummer.data()), nummer.size());
        if (auto* k = kostnadsställen.kostnadsställe(dimension, text)) resultat.push_back(k);
    }
}

void Kostnadsställe::sparaReferenserTillKostnadsställen(std::span<Kostnadsställe* const> lista, Utström& iStröm) {
    iStröm.writeInt64(static_cast<int64_t>(lista.size()));
    for (const auto* k : lista) {
        iStröm.writeInt64(k->dimensionsnummer);
        iStröm.writeString(k->nummer);
    }
}

namespace {
bool sammaNamn(const std::optional<std::string>& a, const std::optional<std::string>& b) {
    if (!a || !b) return !a && !b;
    return canonicallyEqual(*a, *b);
}
}  // namespace

bool operator==(const Kostnadsställe& a, const Kostnadsställe& b) {
    return a.dimensionsnummer == b.dimensionsnummer && sammaNamn(a.namn, b.namn);
}

bool operator<(const Kostnadsställe& a, const Kostnadsställe& b) {
    if (a.dimensionsnummer != b.dimensionsnummer) return a.dimensionsnummer < b.dimensionsnummer;
    if (a.ordningstal != b.ordningstal) return a.ordningstal < b.ordningstal;
    return compareCanonically(a.namn.value_or(""), b.namn.value_or("")) < 0;
}
