#include "Plattform/Vardeomvandlare.h"

#include <map>
#include <mutex>

namespace {

struct Register {
    std::mutex lås;
    std::map<std::string, std::shared_ptr<const Värdeomvandlare>> omvandlare;
};

Register& registret() {
    static Register r;
    return r;
}

}  // namespace

void registreraVärdeomvandlare(const std::string& namn, std::shared_ptr<const Värdeomvandlare> omvandlare) {
    auto& r = registret();
    std::lock_guard lås(r.lås);
    r.omvandlare[namn] = std::move(omvandlare);
}

std::shared_ptr<const Värdeomvandlare> värdeomvandlare(const std::string& namn) {
    auto& r = registret();
    std::lock_guard lås(r.lås);
    auto it = r.omvandlare.find(namn);
    return it == r.omvandlare.end() ? nullptr : it->second;
}

void avregistreraVärdeomvandlare(const std::string& namn) {
    auto& r = registret();
    std::lock_guard lås(r.lås);
    r.omvandlare.erase(namn);
}
