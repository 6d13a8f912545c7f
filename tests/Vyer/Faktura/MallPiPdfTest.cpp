// Template Pi through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Hogerspalt.h"

namespace {

class MallPiPdf : public HögerspaltPdf {};

TEST_F(MallPiPdf, OnePage) { enSida(pixi); }
TEST_F(MallPiPdf, ThreePages) { treSidor(pixi); }
TEST_F(MallPiPdf, DeliveryNote) { följesedeln(pixi); }

}  // namespace
