#include "Plattform/Lokalisering.h"

#include <map>
#include <utility>

namespace {

struct Tabeller {
    std::vector<std::string> språk;
    std::map<std::pair<std::string, std::string>, std::string, std::less<>> texter;
};

const Tabeller& tabeller() {
    static const Tabeller t = [] {
        Tabeller t;
        for (const auto& rad : inbyggdaÖversättningar()) {
            std::string språk(rad.språk);
            bool ny = true;
            for (const auto& s : t.språk) ny = ny && s != språk;
            if (ny) t.språk.push_back(språk);
            t.texter.emplace(std::pair(språk, std::string(rad.nyckel)), std::string(rad.text));
        }
        return t;
    }();
    return t;
}

}  // namespace

const std::vector<std::string>& lokaliseringar() { return tabeller().språk; }

std::optional<std::string> översättning(const std::string& språk, const std::string& nyckel) {
    const auto& texter = tabeller().texter;
    auto it = texter.find(std::pair(språk, nyckel));
    if (it == texter.end()) return std::nullopt;
    return it->second;
}

std::string lokaliseradSträng(const std::string& nyckel, const std::string&) { return nyckel; }

std::string sträng(const std::string& nyckel, const std::string& kommentar, const std::string& påSpråk) {
    if (auto text = översättning(påSpråk, nyckel)) return *text;
    return lokaliseradSträng(nyckel, kommentar);
}
