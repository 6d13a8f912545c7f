#pragma once
// The lookup tables of references that every record reader is handed.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class Konto;
class Kostnadsställe;
class Artikel;
class Affärskontakt;

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
        // A ledger keeps a handful of cost centres, and its rows name them
        // hundreds of thousands of times: a scan comparing dimensions first
        // beats a search comparing texts at every step.
        if (kostnadsställen_->size() <= 16) {
            for (const auto& plats : *kostnadsställen_)
                if (plats.dimension == dimension && plats.nummer == nummer) return plats.ställe;
            return nullptr;
        }
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
