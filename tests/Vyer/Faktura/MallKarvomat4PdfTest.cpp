// Karvomat4 through the shared template checks, as every template goes.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class Karvomat4GenomVerktyget : public mallprov::Mallprov {};

const std::set<std::string> ytor = {"HelveticaNeue-Light", "HelveticaNeue", "HelveticaNeue-Bold"};

TEST_F(Karvomat4GenomVerktyget, OnePageThreePagesAndADeliveryNote) {
    auto en = körMall("Karvomat4");
    kontrolleraDokument(en, 1, {595, 842}, ytor);
    kontrolleraRuta(en, 1, en.nummer(), {443, 42, 116, 31});
    kontrolleraRuta(en, 1, en.attBetala(), {272, 252, 278, 47});

    auto tre = körMall("Karvomat4", {"--latest-items", "40", "--long-comments"});
    kontrolleraDokument(tre, 3, {595, 842}, ytor);

    auto följesedel = this->följesedel("Karvomat4");
    kontrolleraDokument(följesedel, 1, {595, 842}, ytor);
    kontrolleraSaknas(följesedel, 1, följesedel.attBetala());
}

}  // namespace
