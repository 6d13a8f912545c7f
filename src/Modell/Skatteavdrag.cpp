#include "Modell/Skatteavdrag.h"

#include "Plattform/UnicodeText.h"

namespace {

bool likaTexter(const std::optional<std::string>& a, const std::optional<std::string>& b) {
    if (!a || !b) return !a && !b;
    return canonicallyEqual(*a, *b);
}

bool likaSatser(const std::optional<Decimal>& a, const std::optional<Decimal>& b) {
    if (!a || !b) return !a && !b;
    return *a == *b;
}

void sparaPersonerOchAndel(Utström& ström, const std::optional<std::string>& p1, const std::optional<std::string>& p2,
                           const Decimal& andel) {
    ström.writeString(p1);
    ström.writeString(p2);
    ström.writeDecimalNumber(andel);
}

}  // namespace

void Skatteavdrag::spara(Utström& ström) const {
    if (const Rot* r = somRot()) {
        ström.writeInt64(1);
        sparaPersonerOchAndel(ström, r->personnummer1, r->personnummer2, r->andel);
        if (r->uppgifter) {
            ström.u8(1);
            r->uppgifter->spara(ström);
        } else {
            ström.u8(0);
        }
        ström.writeDecimalNumber(r->avdragssats);
    } else if (const Rut* r = somRut()) {
        ström.writeInt64(2);
        sparaPersonerOchAndel(ström, r->personnummer1, r->personnummer2, r->andel);
        ström.writeDecimalNumber(r->avdragssats);
    } else {
        ström.writeInt64(0);
    }
}

Skatteavdrag Skatteavdrag::ladda(Inström& ström) {
    int64_t typ = ström.int64();
    if (typ != 1 && typ != 2) return inget();
    auto p1 = ström.optionalString();
    auto p2 = ström.optionalString();
    Decimal andel = ström.decimalNumber();
    if (typ == 2) return rut(std::move(p1), std::move(p2), andel, ström.optionalDecimalNumber());
    std::optional<Rotuppgifter> uppgifter;
    if (ström.u8() == 1) uppgifter = Rotuppgifter::ladda(ström);
    return rot(std::move(p1), std::move(p2), andel, std::move(uppgifter), ström.optionalDecimalNumber());
}

bool operator==(const Skatteavdrag& a, const Skatteavdrag& b) {
    if (const auto* ra = a.somRot()) {
        const auto* rb = b.somRot();
        return rb && likaTexter(ra->personnummer1, rb->personnummer1) &&
               likaTexter(ra->personnummer2, rb->personnummer2) && ra->andel == rb->andel &&
               ra->uppgifter == rb->uppgifter && likaSatser(ra->avdragssats, rb->avdragssats);
    }
    if (const auto* ra = a.somRut()) {
        const auto* rb = b.somRut();
        return rb && likaTexter(ra->personnummer1, rb->personnummer1) &&
               likaTexter(ra->personnummer2, rb->personnummer2) && ra->andel == rb->andel &&
               likaSatser(ra->avdragssats, rb->avdragssats);
    }
    return b.ärInget();
}
