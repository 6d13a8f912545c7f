// Templates DotRed and DotGrey through the tool: one page, three pages and
// a delivery note each, with what every reader looks for inside the
// template's frames.
#include "Hogerspalt.h"

namespace {

class MallDotPdf : public HögerspaltPdf {};

TEST_F(MallDotPdf, OnePage) {
    enSida(rödaPrickar);
    enSida(gråPrickar);
}
TEST_F(MallDotPdf, ThreePages) {
    treSidor(rödaPrickar);
    treSidor(gråPrickar);
}
TEST_F(MallDotPdf, DeliveryNote) {
    följesedeln(rödaPrickar);
    följesedeln(gråPrickar);
}

}  // namespace
