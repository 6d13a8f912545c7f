#pragma once
// Record primitives of the document body: how integers, Booleans, strings,
// byte blocks, decimals and dates are written to and read from the memory
// streams, the list record, and the `Sparbar` shape of stored types.
#include "Modell/Datum.h"
#include "Plattform/Bytes.h"
#include "Plattform/Decimal.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class Konto;
class Kostnadsställe;
class Artikel;
class Affärskontakt;

class Inström : public ByteReader {
public:
    using ByteReader::ByteReader;

    int64_t int64() { return i64(); }
    // A Boolean byte: only 1 is true.
    bool boolByte() { return u8() == 1; }
    // 0 false, 1 true, 2 none; any other byte false.
    std::optional<bool> optionalBool();
    std::optional<std::string> optionalString();
    // The same, read straight into `ut` (which is replaced or emptied):
    // readers of many records skip a temporary per text this way.
    void optionalStringInto(std::optional<std::string>& ut) {
        auto d = optionalBlock();
        if (!d) {
            ut.reset();
            return;
        }
        if (!isValidUtf8(*d)) throwInvalidUtf8();
        ut.emplace(reinterpret_cast<const char*>(d->data()), d->size());
    }
    // A string that must be present (a stored -1 is a format error).
    std::string string();
    std::optional<Bytes> optionalData();
    Bytes data();
    // A byte block that must be present, left in place: valid until the
    // stream's bytes go away. Fails as `data` does.
    std::span<const uint8_t> dataInPlace() {
        auto del = optionalBlock();
        if (!del) throwMissingData();
        return *del;
    }
    std::optional<Decimal> optionalDecimalNumber();
    // A decimal that must be present (flag byte other than 1 is an error).
    Decimal decimalNumber();
    std::optional<Datum> optionalDatum() {
        int64_t v = i64();
        if (v == 0) return std::nullopt;
        return Datum(v);
    }
    double float64() { return f64(); }

    // Reads a list count; a count below 1 is an empty list. A count larger
    // than the bytes left could hold is a format error.
    int64_t listCount() {
        int64_t antal = i64();
        if (antal < 1) return 0;
        // Every element takes at least one byte, so a larger count cannot be real.
        if (static_cast<uint64_t>(antal) > remaining()) throwCount(antal);
        return antal;
    }

private:
    // A length-prefixed block in place (none for -1), without copying it.
    // Inline, like the counts and dates: a document holds millions of them.
    std::optional<std::span<const uint8_t>> optionalBlock() {
        int64_t längd = i64();
        if (längd == -1) return std::nullopt;
        if (längd < 0 || static_cast<uint64_t>(längd) > remaining()) throwLength(längd);
        return take(static_cast<size_t>(längd));
    }
    [[noreturn]] static void throwMissingData();
    [[noreturn]] static void throwInvalidUtf8();
    [[noreturn]] void throwCount(int64_t antal) const;
    [[noreturn]] void throwLength(int64_t längd) const;
};

class Utström : public ByteWriter {
public:
    void writeInt64(int64_t v) { i64(v); }
    void writeByte(bool v) { u8(v ? 1 : 0); }
    void writeBool(std::optional<bool> v) { u8(v ? (*v ? 1 : 0) : 2); }
    void writeString(const std::optional<std::string>& s);
    void writeData(const std::optional<Bytes>& data);
    void writeDecimalNumber(const std::optional<Decimal>& d);
    void writeDatum(std::optional<Datum> datum) { i64(datum ? datum->d : 0); }
    void writeFloat64(double v) { f64(v); }
};

// What has been read of the document so far, handed to every record
// reader. Each table is either not given or given (possibly empty): some
// readers behave differently in the two cases. The setters are templates so
// this header needs only the names of the model types.
class Referenser {
public:
    template <class L>
    void sättKonton(const L& konton) {
        konton_.emplace();
        for (const auto& k : konton) konton_->emplace_back(k->nummer, &*k);
        // Sorted by number, the first in list order first among equals; rows
        // look their account up here hundreds of thousands of times.
        std::stable_sort(konton_->begin(), konton_->end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        byggKontotabell();
    }
    template <class L>
    void sättKostnadsställen(const L& kostnadsställen) {
        kostnadsställen_.emplace();
        for (const auto& k : kostnadsställen) kostnadsställen_->push_back({k->dimensionsnummer, k->nummer, &*k});
        // Sorted like the accounts, the first in list order first among
        // equals, so that a reference is found without building a key.
        std::stable_sort(kostnadsställen_->begin(), kostnadsställen_->end(),
                         [](const auto& a, const auto& b) { return a.före(b.dimension, b.nummer); });
    }
    template <class L>
    void sättArtiklar(const L& artiklar) {
        artiklar_.emplace();
        for (const auto& a : artiklar) artiklar_->emplace(a->nummer, &*a);
    }
    // Contacts are keyed by ordinal; a later contact with the same ordinal
    // replaces an earlier one, as in a table built from the list.
    template <class L>
    void sättKontakter(const L& kontakter) {
        kontakter_.emplace();
        kontakterPåNummer_.clear();
        for (const auto& k : kontakter) {
            (*kontakter_)[k->ordningstal] = &*k;
            kontakterPåNummer_.emplace(k->nummer, &*k);
        }
    }

    bool harKonton() const { return konton_.has_value(); }
    bool harKostnadsställen() const { return kostnadsställen_.has_value(); }
    bool harArtiklar() const { return artiklar_.has_value(); }
    bool harKontakter() const { return kontakter_.has_value(); }

    // Lookups give null when the table is not given or holds no match.
    Konto* konto(int64_t nummer) const {
        if (!konton_) return nullptr;
        if (harKontotabell_) {
            // Outside the table's span there is no account with the number.
            uint64_t plats = static_cast<uint64_t>(nummer) - static_cast<uint64_t>(kontotabellensFörsta_);
            return plats < kontotabell_.size() ? kontotabell_[plats] : nullptr;
        }
        auto it = std::lower_bound(konton_->begin(), konton_->end(), nummer,
                                   [](const auto& par, int64_t n) { return par.first < n; });
        return it != konton_->end() && it->first == nummer ? it->second : nullptr;
    }
    // The first cost centre in list order with this dimension and number.
    Kostnadsställe* kostnadsställe(int64_t dimension, std::string_view nummer) const {
        if (!kostnadsställen_) return nullptr;
        auto it = std::partition_point(kostnadsställen_->begin(), kostnadsställen_->end(),
                                       [&](const KostnadsställePlats& p) { return p.före(dimension, nummer); });
        return it != kostnadsställen_->end() && it->dimension == dimension && it->nummer == nummer ? it->ställe
                                                                                                  : nullptr;
    }
    Artikel* artikel(const std::string& nummer) const { return hitta(artiklar_, nummer); }
    Affärskontakt* kontakt(int64_t ordningstal) const { return hitta(kontakter_, ordningstal); }
    // The contact that a record names by number text: the first contact
    // with exactly that number, else the one whose stored ordinal is the
    // ordinal of the text. The exact text goes first so that a reference
    // never moves to another contact that merely shares its ordinal ("12"
    // and "K12"), which would change the document on every save.
    Affärskontakt* kontaktMedNummer(const std::string& nummer) const;

private:
    struct KostnadsställePlats {
        int64_t dimension;
        std::string nummer;
        Kostnadsställe* ställe;
        bool före(int64_t d, std::string_view n) const { return dimension != d ? dimension < d : nummer < n; }
    };
    // Rows look their account up hundreds of thousands of times while a
    // document is read; when the numbers span a modest range, a table
    // indexed by number answers without a search.
    void byggKontotabell();
    template <class M, class K>
    static auto hitta(const std::optional<M>& tabell, const K& nyckel) -> typename M::mapped_type {
        if (!tabell) return nullptr;
        auto it = tabell->find(nyckel);
        return it == tabell->end() ? nullptr : it->second;
    }

    std::optional<std::vector<std::pair<int64_t, Konto*>>> konton_;
    bool harKontotabell_ = false;
    int64_t kontotabellensFörsta_ = 0;
    std::vector<Konto*> kontotabell_;  // the first account with number kontotabellensFörsta_ + i, or null
    std::optional<std::vector<KostnadsställePlats>> kostnadsställen_;
    std::optional<std::unordered_map<std::string, Artikel*>> artiklar_;
    std::optional<std::unordered_map<int64_t, Affärskontakt*>> kontakter_;
    std::unordered_map<std::string, Affärskontakt*> kontakterPåNummer_;
};

// The protocol of every stored type: a reading constructor
// `T(Inström&, const Referenser&)` and `spara`.
class Sparbar {
public:
    virtual ~Sparbar() = default;
    virtual void spara(Utström& ström) const = 0;
};

template <class T>
void skrivListaMedSparbaraObjekt(Utström& ström, const std::vector<std::unique_ptr<T>>& lista) {
    ström.writeInt64(static_cast<int64_t>(lista.size()));
    for (const auto& objekt : lista) objekt->spara(ström);
}

template <class T>
void skrivListaMedSparbaraObjekt(Utström& ström, const std::vector<T>& lista) {
    ström.writeInt64(static_cast<int64_t>(lista.size()));
    for (const auto& objekt : lista) objekt.spara(ström);
}

// Appends the elements of a list record to `lista` (not cleared first).
// Room for at most this many elements is made before reading a list: a
// count is not trusted further than that until its elements have been read.
inline constexpr int64_t störstaFörhandsreservation = 4096;

template <class T>
void läsInLista(Inström& ström, std::vector<std::unique_ptr<T>>& lista, const Referenser& ref) {
    int64_t antal = ström.listCount();
    lista.reserve(lista.size() + static_cast<size_t>(std::min(antal, störstaFörhandsreservation)));
    for (int64_t i = 0; i < antal; ++i) lista.push_back(std::make_unique<T>(ström, ref));
}

template <class T>
void läsInLista(Inström& ström, std::vector<T>& lista, const Referenser& ref) {
    int64_t antal = ström.listCount();
    lista.reserve(lista.size() + static_cast<size_t>(std::min(antal, störstaFörhandsreservation)));
    for (int64_t i = 0; i < antal; ++i) lista.emplace_back(ström, ref);
}
