#include "Plattform/Anvandarinstallningar.h"

Användarinställningar& Användarinställningar::standard() {
    static Användarinställningar s;
    return s;
}

bool Användarinställningar::boolVärde(const std::string& nyckel) const {
    auto it = värden_.find(nyckel);
    if (it == värden_.end()) return false;
    if (auto* b = std::get_if<bool>(&it->second)) return *b;
    if (auto* i = std::get_if<int64_t>(&it->second)) return *i != 0;
    if (auto* d = std::get_if<double>(&it->second)) return *d != 0;
    return false;
}

int64_t Användarinställningar::heltal(const std::string& nyckel) const {
    auto it = värden_.find(nyckel);
    if (it == värden_.end()) return 0;
    if (auto* i = std::get_if<int64_t>(&it->second)) return *i;
    if (auto* b = std::get_if<bool>(&it->second)) return *b ? 1 : 0;
    // A stored fraction reads as its integer part, clamped to the range.
    if (auto* d = std::get_if<double>(&it->second)) {
        if (!(*d == *d)) return 0;
        if (*d >= 9.2233720368547758e18) return INT64_MAX;
        if (*d <= -9.2233720368547758e18) return INT64_MIN;
        return static_cast<int64_t>(*d);
    }
    return 0;
}

std::optional<std::string> Användarinställningar::text(const std::string& nyckel) const {
    auto it = värden_.find(nyckel);
    if (it == värden_.end()) return std::nullopt;
    if (auto* s = std::get_if<std::string>(&it->second)) return *s;
    return std::nullopt;
}

double Användarinställningar::flyttal(const std::string& nyckel) const {
    auto it = värden_.find(nyckel);
    if (it == värden_.end()) return 0;
    if (auto* d = std::get_if<double>(&it->second)) return *d;
    if (auto* i = std::get_if<int64_t>(&it->second)) return static_cast<double>(*i);
    if (auto* b = std::get_if<bool>(&it->second)) return *b ? 1 : 0;
    return 0;
}

std::optional<std::vector<std::string>> Användarinställningar::textlista(const std::string& nyckel) const {
    auto it = värden_.find(nyckel);
    if (it == värden_.end()) return std::nullopt;
    if (auto* l = std::get_if<std::vector<std::string>>(&it->second)) return *l;
    return std::nullopt;
}
