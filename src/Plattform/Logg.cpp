#include "Plattform/Logg.h"

#include <mutex>
#include <string>
#include <syslog.h>

namespace logg {

namespace {

std::mutex lås;
Mottagare mottagaren;

}  // namespace

void skriv(std::string_view rad) {
    Mottagare m;
    {
        std::lock_guard l(lås);
        m = mottagaren;
    }
    if (m) {
        m(rad);
        return;
    }
    const std::string text(rad);
    syslog(LOG_USER | LOG_WARNING, "%s", text.c_str());
}

Mottagare sättMottagare(Mottagare mottagare) {
    std::lock_guard l(lås);
    std::swap(mottagaren, mottagare);
    return mottagare;
}

}  // namespace logg
