// Template Di through the tool: one page, three pages and a delivery note,
// with what every reader looks for inside the template's frames.
#include "Hogerspalt.h"

namespace {

class MallDiPdf : public HögerspaltPdf {};

TEST_F(MallDiPdf, OnePage) { enSida(diagonal); }
TEST_F(MallDiPdf, ThreePages) { treSidor(diagonal); }
TEST_F(MallDiPdf, DeliveryNote) { följesedeln(diagonal); }

}  // namespace
