#include "Kommandorad/Dokument.h"

#include "Plattform/MemoryPages.h"

Dokument läsDokument(Bytes& fil) {
    // Pages already given back are passed over cheaply, so each call names
    // the whole leading part: no page between two calls is missed.
    return Bokföring::från(fil, [&](const uint8_t* lästFöre) { releaseWholePages({fil.data(), lästFöre}); });
}
