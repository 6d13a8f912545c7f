#include "Modell/Fakturor/PEPPOLStatus.h"

int64_t kod(const PEPPOLStatus& status) {
    switch (status.fall) {
    case PEPPOLStatus::Fall::ej: return 1;
    case PEPPOLStatus::Fall::inväntarKvitto: return 2;
    case PEPPOLStatus::Fall::mottagen: return 3;
    case PEPPOLStatus::Fall::nekad: return 4;
    case PEPPOLStatus::Fall::laddarUpp: return 5;
    case PEPPOLStatus::Fall::slårUppMottagare: return 6;
    }
    return 1;
}

template <>
std::optional<PEPPOLStatus> frånKod<PEPPOLStatus>(int64_t kod) {
    switch (kod) {
    case 1: return PEPPOLStatus::ej();
    case 2: return PEPPOLStatus::inväntarKvitto();
    case 3: return PEPPOLStatus::mottagen();
    case 4: return PEPPOLStatus::nekad();
    case 5: return PEPPOLStatus::laddarUpp(0, 0);
    case 6: return PEPPOLStatus::slårUppMottagare();
    default: return std::nullopt;
    }
}
