#include "Plattform/Lokal.h"

#include <cstdlib>
#include <mutex>

namespace lokal {
namespace {

std::mutex& lås() {
    static std::mutex m;
    return m;
}

std::optional<std::string>& åsidosatt() {
    static std::optional<std::string> id;
    return id;
}

}  // namespace

std::string frånMiljövärden(const char* lcAll, const char* lcNumeric, const char* lang) {
    std::string värde;
    for (const char* v : {lcAll, lcNumeric, lang}) {
        if (v != nullptr && *v != '\0') {
            värde = v;
            break;
        }
    }
    värde = värde.substr(0, värde.find_first_of(".@"));
    if (värde.empty() || värde == "C" || värde == "POSIX") return "sv_SE";
    return värde;
}

std::string aktuell() {
    {
        std::lock_guard<std::mutex> g(lås());
        if (åsidosatt()) return *åsidosatt();
    }
    return frånMiljövärden(std::getenv("LC_ALL"), std::getenv("LC_NUMERIC"), std::getenv("LANG"));
}

void sättAktuell(std::optional<std::string> id) {
    std::lock_guard<std::mutex> g(lås());
    åsidosatt() = std::move(id);
}

}  // namespace lokal
