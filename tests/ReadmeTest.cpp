// The README's examples, run as a newcomer runs them: in a fresh directory
// after the demo, in the order shown, each printing what the README shows;
// and what it quotes of the demo, found in what the demo printed.
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

struct Readmetext {
    std::vector<Exempel> exempel;
    std::vector<std::string> demonsUtdata;
};

// The commands ("$ " and the lines until their quotes close) of every
// fenced block that opens with one, each with the lines shown after it; and
// the blocks without a command that show exit statuses: what the demo
// printed, not commands to run again.
Readmetext läsReadme() {
    std::ifstream in(fs::path(KONTOBOK_SOURCE_DIR) / "README.md");
    Readmetext ut;
    std::vector<Exempel> block;
    std::string text;
    bool iBlock = false, iKommando = false, visarStatus = false;
    for (std::string rad; std::getline(in, rad);) {
        if (rad.starts_with("```")) {
            if (iBlock && !block.empty()) ut.exempel.insert(ut.exempel.end(), block.begin(), block.end());
            if (iBlock && block.empty() && visarStatus) ut.demonsUtdata.push_back(text);
            iBlock = !iBlock;
            block.clear();
            text.clear();
            iKommando = visarStatus = false;
            continue;
        }
        if (!iBlock) continue;
        text += rad + "\n";
        if (rad.starts_with("(exit status")) visarStatus = true;
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

    const Readmetext readme = läsReadme();
    EXPECT_GE(readme.demonsUtdata.size(), 1u);
    for (const std::string& utdrag : readme.demonsUtdata) EXPECT_NE(demo.ut.find(utdrag), std::string::npos) << utdrag;
    EXPECT_GE(readme.exempel.size(), 8u);
    for (const Exempel& e : readme.exempel) {
        const Körning k = körProgram("bash", {"-c", här + "{ " + e.kommando + "\n} 2>&1"});
        EXPECT_EQ(k.ut, e.utdata) << e.kommando;
    }
}

}  // namespace
