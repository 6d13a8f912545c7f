#include "Modell/Referenser.h"

#include "Modell/NumreratObjekt.h"

void Referenser::byggKontotabell() {
    harKontotabell_ = false;
    kontotabell_.clear();
    if (konton_->empty()) return;
    // Plan numbers are four digits; a table for a wider spread would cost
    // more to build than the searches it saves.
    constexpr uint64_t störstaSpann = 1 << 16;
    int64_t första = konton_->front().first, sista = konton_->back().first;
    uint64_t spann = static_cast<uint64_t>(sista) - static_cast<uint64_t>(första);
    if (spann >= störstaSpann || spann > 64 * konton_->size() + 16384) return;
    kontotabell_.assign(spann + 1, nullptr);
    // Walking the sorted list backwards leaves the first among equals.
    for (auto it = konton_->rbegin(); it != konton_->rend(); ++it)
        kontotabell_[static_cast<uint64_t>(it->first) - static_cast<uint64_t>(första)] = it->second;
    kontotabellensFörsta_ = första;
    harKontotabell_ = true;
}

Affärskontakt* Referenser::kontaktMedNummer(const std::string& nummer) const {
    if (!kontakter_) return nullptr;
    auto it = kontakterPåNummer_.find(nummer);
    if (it != kontakterPåNummer_.end()) return it->second;
    if (auto ordningstal = NumreratObjekt::försökOrdningstalFrånNummer(nummer)) return kontakt(*ordningstal);
    return nullptr;
}
