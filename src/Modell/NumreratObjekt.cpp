#include "Modell/NumreratObjekt.h"

NumreratObjekt::NumreratObjekt(Inström& ström, const Referenser&) {
    nummer = ström.string();
    ordningstal = ström.int64();
    ström.int64();  // closing word, ignored
}

void NumreratObjekt::spara(Utström& ström) const {
    ström.writeString(nummer);
    ström.writeInt64(ordningstal);
    ström.writeInt64(0);
}

// Placeholder until the full ordinal rule lands: the first run of ASCII digits.
std::optional<int64_t> NumreratObjekt::försökOrdningstalFrånNummer(const std::string& nummer) {
    size_t i = nummer.find_first_of("0123456789");
    if (i == std::string::npos) return std::nullopt;
    int64_t v = 0;
    for (; i < nummer.size() && nummer[i] >= '0' && nummer[i] <= '9'; ++i) {
        if (v > (INT64_MAX - 9) / 10) return std::nullopt;
        v = v * 10 + (nummer[i] - '0');
    }
    return v;
}

int64_t NumreratObjekt::ordningstalFrånNummer(const std::string& nummer) {
    auto v = försökOrdningstalFrånNummer(nummer);
    if (!v) throw OgiltigtNummer("the number \"" + nummer + "\" has no ordinal");
    return *v;
}
