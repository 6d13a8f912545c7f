#include "Modell/Adress.h"

#include "Plattform/PostalAddress.h"
#include "Plattform/TextShaping.h"
#include "Plattform/UnicodeText.h"

namespace {

const std::string kRadavgränsare = "\u2028";

bool likaValfria(const std::optional<std::string>& a, const std::optional<std::string>& b) {
    if (!a || !b) return !a && !b;
    return canonicallyEqual(*a, *b);
}

// Both text forms name a foreign country in the language of `landskod`: the
// sender's own language for the customer's country on an invoice, the
// customer's language for the sender's country in the sender block.
std::string formatera(const Adress& a, const std::string& landskod, bool taMedAttention) {
    PostalAddress p;
    p.street = a.gata;
    p.postalCode = a.postnummer;
    p.city = a.postadress;
    p.state = a.delstat.value_or("");
    p.isoCountryCode = a.land;
    if (a.land != landskod) p.country = capitalizingWords(countryName(a.land, landskod));

    std::string text = formatPostalAddress(p);
    if (taMedAttention && a.attention) text = *a.attention + "\n" + text;

    std::string medAvgränsare;
    medAvgränsare.reserve(text.size());
    for (char c : text) {
        if (c == '\n')
            medAvgränsare += kRadavgränsare;
        else
            medAvgränsare += c;
    }
    return trimmingWhitespaceAndNewlines(medAvgränsare);
}

}  // namespace

Adress::Adress(Inström& ström, const Referenser&) {
    attention = ström.optionalString();
    gata = ström.string();
    postnummer = ström.string();
    postadress = ström.string();
    delstat = ström.optionalString();
    land = ström.string();
    ström.int64();  // closing word
}

void Adress::spara(Utström& ström) const {
    ström.writeString(attention);
    ström.writeString(gata);
    ström.writeString(postnummer);
    ström.writeString(postadress);
    ström.writeString(delstat);
    ström.writeString(land);
    ström.writeInt64(0);
}

std::string Adress::formatteradFörAvsändarland(const std::string& landskod, bool taMedAttention) const {
    return formatera(*this, landskod, taMedAttention);
}

std::string Adress::formatteradFörMottagarland(const std::string& landskod, bool taMedAttention) const {
    return formatera(*this, landskod, taMedAttention);
}

bool operator==(const Adress& a, const Adress& b) {
    return canonicallyEqual(a.gata, b.gata) && canonicallyEqual(a.postadress, b.postadress) &&
           canonicallyEqual(a.postnummer, b.postnummer) && likaValfria(a.delstat, b.delstat) &&
           canonicallyEqual(a.land, b.land);
}
