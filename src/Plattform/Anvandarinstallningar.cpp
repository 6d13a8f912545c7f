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
    return false;
}

int64_t Användarinställningar::heltal(const std::string& nyckel) const {
    auto it = värden_.find(nyckel);
    if (it == värden_.end()) return 0;
    if (auto* i = std::get_if<int64_t>(&it->second)) return *i;
    if (auto* b = std::get_if<bool>(&it->second)) return *b ? 1 : 0;
    return 0;
}

std::optional<std::string> Användarinställningar::text(const std::string& nyckel) const {
    auto it = värden_.find(nyckel);
    if (it == värden_.end()) return std::nullopt;
    if (auto* s = std::get_if<std::string>(&it->second)) return *s;
    return std::nullopt;
}
