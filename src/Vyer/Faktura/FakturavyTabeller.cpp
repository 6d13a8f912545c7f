// Label and value tables (not yet built).
#include "Vyer/Faktura/Fakturavy.h"

Fakturavy::Tabell Fakturavy::tabellMedData(const Datalista&, const TextAttributes&, const TextAttributes&, bool,
                                           bool) const {
    return {};
}
std::vector<CachatObjekt> Fakturavy::cachadeObjektFörData(const Datalista&, const TextAttributes&,
                                                          const TextAttributes&, double, Point, double, double,
                                                          const std::optional<std::string>&, bool, double) const {
    return {};
}
void riktaUppTabbarIKolumn(AttributedString&, AttributedString&) {}
