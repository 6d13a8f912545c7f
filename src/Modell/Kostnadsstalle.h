#pragma once
// A cost centre: a numbered object within a dimension, to which rows,
// supplier invoices and invoices can be assigned. Other records refer to
// cost centres through the reference list below (dimension and number).
#include "Modell/NumreratObjekt.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class Kostnadsställe : public NumreratObjekt {
public:
    std::optional<std::string> namn;
    int64_t dimensionsnummer = 0;  // fixed when the cost centre is made

    // The ordinal follows from the number text (0 when it has none).
    Kostnadsställe(int64_t dimension, std::string nummer, std::optional<std::string> namn);
    Kostnadsställe(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    // Reads a reference list and gives the cost centres it names, in
    // reference order; a reference without a match (or any reference when
    // no cost centres are given) is read and dropped.
    static std::vector<Kostnadsställe*> läsInReferenserTillKostnadsställen(const Referenser& kostnadsställen,
                                                                          Inström& iStröm);
    // The same into `resultat`, which is emptied first: a reader of many
    // records reuses one list.
    static void läsInReferenserTillKostnadsställen(const Referenser& kostnadsställen, Inström& iStröm,
                                                   std::vector<Kostnadsställe*>& resultat);
    static void sparaReferenserTillKostnadsställen(std::span<Kostnadsställe* const> lista, Utström& iStröm);

    // Equal: same dimension and same name (number and ordinal take no part).
    friend bool operator==(const Kostnadsställe& a, const Kostnadsställe& b);
    // By dimension, then ordinal, then name (absent counts as empty).
    friend bool operator<(const Kostnadsställe& a, const Kostnadsställe& b);
};
