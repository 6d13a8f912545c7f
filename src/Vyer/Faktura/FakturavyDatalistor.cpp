// Data lists and three-column facts (not yet built).
#include "Vyer/Faktura/Fakturavy.h"

Fakturavy::Datalistband Fakturavy::datalistMedKolumndata(const Datalista&, const TextAttributes&,
                                                         const TextAttributes&, const BezierPath&, const Color&,
                                                         double, const Rect&, bool) const {
    return {};
}
void Fakturavy::läggInKolumndataÖverTreKolumner(const TextAttributes&, const TextAttributes&, bool, bool, double,
                                                const std::vector<double>&, double) {}
