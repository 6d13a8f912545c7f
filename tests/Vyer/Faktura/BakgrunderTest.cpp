// Every background the program carries keeps the contract written beside
// its artwork: the page size, dark ground where white text goes, an even
// middle tone where white values stand beside dark captions, something to
// see where a layout whites out, and calm where rows and amounts stand.
// Checked on the built-in bytes, rasterised by poppler.
#include "Vyer/Faktura/Bakgrunder.h"

#include "Pdfkontroll.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace testhjalp;
using namespace pdfkontroll;
namespace fs = std::filesystem;

namespace {

const fs::path artwork = fs::path(KONTOBOK_SOURCE_DIR) / "resources" / "backgrounds";

struct Kontrakt {
    double bredd = 0, höjd = 0;
    std::vector<Rect> mörka, mellan, vitade, lugna;
};

Kontrakt läsKontrakt(const fs::path& fil) {
    Kontrakt k;
    std::ifstream in(fil);
    std::string rad;
    while (std::getline(in, rad)) {
        rad = rad.substr(0, rad.find('#'));
        std::istringstream ord(rad);
        std::string slag;
        if (!(ord >> slag)) continue;
        if (slag == "page") {
            ord >> k.bredd >> k.höjd;
            continue;
        }
        Rect r;
        ord >> r.x >> r.y >> r.width >> r.height;
        EXPECT_FALSE(ord.fail()) << fil << ": " << rad;
        if (slag == "dark") k.mörka.push_back(r);
        else if (slag == "mid") k.mellan.push_back(r);
        else if (slag == "whiteout") k.vitade.push_back(r);
        else if (slag == "calm") k.lugna.push_back(r);
        else ADD_FAILURE() << fil << ": unknown line " << rad;
    }
    return k;
}

class Bakgrunder : public MedTillfälligKatalog {};

TEST_F(Bakgrunder, EveryBuiltInBackgroundKeepsItsContract) {
    std::set<std::string> konstverk;
    for (const auto& fil : fs::directory_iterator(artwork))
        if (fil.path().extension() == ".svg") konstverk.insert(fil.path().stem().string());
    std::set<std::string> inbyggda;
    for (const auto& b : inbyggdaBakgrunder()) inbyggda.insert(std::string(b.namn));
    EXPECT_EQ(inbyggda, konstverk) << "every SVG is built in, and nothing else";
    ASSERT_FALSE(inbyggda.empty());

    for (const auto& b : inbyggdaBakgrunder()) {
        const std::string namn(b.namn);
        SCOPED_TRACE(namn);
        ASSERT_TRUE(fs::exists(artwork / (namn + ".contract")));
        const Kontrakt k = läsKontrakt(artwork / (namn + ".contract"));

        const fs::path pdf = katalog / (namn + ".pdf");
        skrivFil(pdf, Bytes(b.pdf.begin(), b.pdf.end()));
        Körning info = körProgram("pdfinfo", {pdf.string()});
        ASSERT_EQ(info.status, 0) << info.fel;
        EXPECT_NE(info.ut.find("Pages:           1\n"), std::string::npos) << info.ut;
        std::ostringstream storlek;
        storlek << "Page size:       " << k.bredd << " x " << k.höjd << " pts";
        EXPECT_NE(info.ut.find(storlek.str()), std::string::npos) << info.ut;

        const Raster raster = rastrera(pdf, 1, 36);

        for (const Rect& r : k.mörka) {
            auto p = raster.inom(r);
            ASSERT_FALSE(p.empty());
            double medel = 0;
            for (double v : p) medel += v / p.size();
            EXPECT_LT(medel, 0.45) << "dark ground at " << r.x << ", " << r.y;
        }
        for (const Rect& r : k.mellan) {
            auto p = raster.inom(r);
            ASSERT_FALSE(p.empty());
            const auto [mörkast, ljusast] = std::minmax_element(p.begin(), p.end());
            EXPECT_GE(*mörkast, 0.45) << "middle tone at " << r.x << ", " << r.y;
            EXPECT_LE(*ljusast, 0.7) << "middle tone at " << r.x << ", " << r.y;
        }
        for (const Rect& r : k.vitade) {
            auto p = raster.inom(r);
            ASSERT_FALSE(p.empty());
            size_t synliga = std::count_if(p.begin(), p.end(), [](double v) { return v < 0.9; });
            EXPECT_GE(synliga * 100, p.size()) << "something to white out at " << r.x << ", " << r.y;
        }
        for (const Rect& r : k.lugna) {
            auto p = raster.inom(r);
            ASSERT_FALSE(p.empty());
            EXPECT_GE(*std::min_element(p.begin(), p.end()), 0.75) << "calm at " << r.x << ", " << r.y;
        }
    }
}

}  // namespace
