#include "Kommandorad/Dokument.h"

Dokument läsDokument(std::span<const uint8_t> fil) { return Bokföring::från(fil); }
