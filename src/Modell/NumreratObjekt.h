#pragma once
// Base of every object with a user-visible number: the number text
// `nummer` and the ordinal `ordningstal` derived from it.
#include "Modell/Referenser.h"
#include "Strommar.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_set>
#include <vector>

class NumreratObjekt : public Sparbar {
public:
    int64_t ordningstal = 0;
    std::string nummer;

    NumreratObjekt() = default;
    // Reads the base record: number text, ordinal, closing word. The stored
    // ordinal is kept as it is, not derived again.
    NumreratObjekt(Inström& ström, const Referenser& ref);
    // A new object numbered after the earlier ones (by a `Nummerserie` of
    // them). Throws `OgiltigtNummer` when the next number would have no
    // ordinal.
    explicit NumreratObjekt(const std::vector<const NumreratObjekt*>& tidigare);

    // Writes the base record; subclasses write their own fields first.
    void spara(Utström& ström) const override;

    // The ordinal of a number text: its first run of digits, or the
    // platform string hash of a text without digits. Throws
    // `OgiltigtNummer` when the digits do not make a 64-bit integer.
    static int64_t ordningstalFrånNummer(const std::string& nummer);
    // Like the above, but gives none where the ordinal cannot be computed.
    static std::optional<int64_t> försökOrdningstalFrånNummer(const std::string& nummer);
};

// How the numbers that follow a base object are written, and the value the
// series goes on from.
class Nummermönster {
public:
    // Throws `OgiltigtNummer` when no number follows the base.
    explicit Nummermönster(const NumreratObjekt* bas);
    int64_t första() const { return första_; }
    std::string text(int64_t värde) const;

private:
    std::string mall_;
    std::string gammalt_;
    size_t plats_ = std::string::npos;
    int64_t första_ = 1;
};

// Numbers new objects one at a time, each after the earlier list and the
// objects numbered before it (added with läggTill): the base is the last
// object of the greatest ordinal, the number follows it in its pattern,
// and no number the list holds is handed out again. It takes time that
// grows with the objects numbered, not with the list for every object.
// The objects handed in must outlive the series.
class Nummerserie {
public:
    explicit Nummerserie(const std::vector<const NumreratObjekt*>& tidigare);
    // The number text the next object gets. Throws `OgiltigtNummer`.
    std::string nästa();
    // Gives `objekt` the next number and that number's ordinal; throws
    // `OgiltigtNummer`, and leaves `objekt` as it was, when either is
    // missing. The object does not count as an earlier one until läggTill.
    void numrera(NumreratObjekt& objekt);
    // The object now counts as one of the earlier ones.
    void läggTill(const NumreratObjekt& objekt);
    // A number that is never handed out, though it does not move the series.
    void läggTillUpptaget(const std::string& nummer);

private:
    const NumreratObjekt* bas_ = nullptr;
    std::unordered_set<std::string> upptagna_;
    // The base's pattern and where its search stands, while the base holds.
    std::optional<Nummermönster> mönster_;
    int64_t värde_ = 0;
};

// The numbered objects of a document list (of owning or plain pointers),
// as the numbering operations take them.
template <class Lista>
std::vector<const NumreratObjekt*> somNumrerade(const Lista& lista) {
    std::vector<const NumreratObjekt*> ut;
    ut.reserve(lista.size());
    for (const auto& objekt : lista) ut.push_back(&*objekt);
    return ut;
}

// A number text whose ordinal cannot be computed, given for new input.
class OgiltigtNummer : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
