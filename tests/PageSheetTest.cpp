// The developer tool page-sheet: first pages of PDFs tiled on one page with
// their captions, read back with poppler's tools.
#include "Pdfkontroll.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace testhjalp;

namespace {

class PageSheet : public MedTillfälligKatalog {
protected:
    Körning sätt(const std::vector<std::string>& argument) {
        return körProgram((fs::path(KONTOBOK_BINARY).parent_path() / "page-sheet").string(), argument);
    }
};

// The tool reads each PDF it tiles in a child.
class PageSheetCpu : public PageSheet {};

TEST_F(PageSheetCpu, TilesFirstPagesAndGreysOutWhatCannotBeRead) {
    // A first sheet of two grey tiles is the page tiled in the second.
    const fs::path inre = katalog / "inre.pdf", yttre = katalog / "yttre.pdf";
    ASSERT_EQ(sätt({inre.string(), "Alfa", "Beta"}).status, 0);
    Körning k = sätt({"--columns", "2", yttre.string(), "Gamma=" + inre.string(), "Delta",
                      "Epsilon=" + (katalog / "saknas.pdf").string()});
    ASSERT_EQ(k.status, 0) << k.fel;

    const auto info = pdfkontroll::information(yttre);
    EXPECT_EQ(info.at("Pages"), "1");
    const auto ord = pdfkontroll::ord(yttre);
    // Each caption under its tile; a grey tile also bears it inside.
    EXPECT_EQ(pdfkontroll::rutorFörText(ord, 1, "Gamma").size(), 1u);
    EXPECT_EQ(pdfkontroll::rutorFörText(ord, 1, "Delta").size(), 2u);
    EXPECT_EQ(pdfkontroll::rutorFörText(ord, 1, "Epsilon").size(), 2u);
    // The tiled page is drawn, its own captions with it, smaller and
    // inside the first tile, above its caption.
    const auto alfa = pdfkontroll::rutaFörText(ord, 1, "Alfa");
    const auto gamma = pdfkontroll::rutaFörText(ord, 1, "Gamma");
    ASSERT_TRUE(alfa && gamma);
    EXPECT_LT(alfa->height, gamma->height);
    EXPECT_LT(alfa->maxY(), gamma->minY());
    // Two to a row: Epsilon starts the second row.
    const auto delta = pdfkontroll::rutorFörText(ord, 1, "Delta").back();
    const auto epsilon = pdfkontroll::rutorFörText(ord, 1, "Epsilon").back();
    EXPECT_GT(delta.minX(), gamma->maxX());
    EXPECT_GT(epsilon.minY(), gamma->maxY());
}

TEST_F(PageSheet, WithoutAnEntryItShowsItsUsage) {
    Körning k = sätt({(katalog / "ut.pdf").string()});
    EXPECT_EQ(k.status, 2);
    EXPECT_NE(k.fel.find("usage: page-sheet"), std::string::npos);
    EXPECT_FALSE(fs::exists(katalog / "ut.pdf"));
}

}  // namespace
