#include "Modell/Fakturor/Frastabell.h"

void Frastabell::sätt(std::string nyckel, std::string värde) {
    auto [it, ny] = plats_.try_emplace(nyckel, poster_.size());
    if (ny) poster_.emplace_back(std::move(nyckel), std::move(värde));
    else poster_[it->second].second = std::move(värde);
}

const std::string* Frastabell::värde(std::string_view nyckel) const {
    auto it = plats_.find(std::string(nyckel));
    return it == plats_.end() ? nullptr : &poster_[it->second].second;
}
