// The README's examples, run as a newcomer runs them: in a fresh directory
// after the demo, in the order shown, each printing what the README shows.
#include "Programkorning.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace testhjalp;

namespace {

struct Exempel {
    std::string kommando;
    std::string utdata;  // standard output and error together
};

// The commands ("$ " and the lines until their quotes close) of every
// fenced block that opens with one, each with the lines shown after it. A
// block that shows exit statuses is the demo's own output, not a command to
// run again.
std::vector<Exempel> readmensExempel() {
    std::ifstream in(fs::path(KONTOBOK_SOURCE_DIR) / "README.md");
    std::vector<Exempel> ut;
    std::vector<Exempel> block;
    bool iBlock = false, iKommando = false, demonsUtdata = false;
    for (std::string rad; std::getline(in, rad);) {
        if (rad.starts_with("```")) {
            if (iBlock && !demonsUtdata) ut.insert(ut.end(), block.begin(), block.end());
            iBlock = !iBlock;
            block.clear();
            iKommando = demonsUtdata = false;
            continue;
        }
        if (!iBlock) continue;
        if (rad.starts_with("(exit status")) demonsUtdata = true;
        if (iKommando) {
            block.back().kommando += "\n" + rad;
        } else if (rad.starts_with("$ ")) {
            block.push_back({rad.substr(2), ""});
        } else if (!block.empty()) {
            block.back().utdata += rad + "\n";
            continue;
        } else {
            continue;  // a block of something else
        }
        iKommando = std::count(block.back().kommando.begin(), block.back().kommando.end(), '\'') % 2 != 0;
    }
    return ut;
}

class Readme : public MedTillfälligKatalog {};

TEST_F(Readme, EveryExampleRunsAsShownAfterTheDemo) {
    const fs::path källa(KONTOBOK_SOURCE_DIR);
    fs::create_directory_symlink(fs::path(KONTOBOK_BINARY).parent_path(), katalog / "build");
    fs::create_directory_symlink(källa / "scripts", katalog / "scripts");
    const std::string här = "cd '" + katalog.string() + "' && ";
    const Körning demo = körProgram("bash", {"-c", här + "scripts/demo build"});
    ASSERT_EQ(demo.status, 0) << demo.ut << demo.fel;

    const std::vector<Exempel> exempel = readmensExempel();
    EXPECT_GE(exempel.size(), 8u);
    for (const Exempel& e : exempel) {
        const Körning k = körProgram("bash", {"-c", här + "{ " + e.kommando + "\n} 2>&1"});
        EXPECT_EQ(k.ut, e.utdata) << e.kommando;
    }
}

}  // namespace
