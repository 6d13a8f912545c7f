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

// As the README shows them, in the suite's locale, which the tool reads as
// Swedish; and again under en_US, which changes nothing they print.
TEST_F(Readme, EveryExampleRunsAsShownAfterTheDemoInAnyLocale) {
    const fs::path källa(KONTOBOK_SOURCE_DIR);
    const Readmetext readme = läsReadme();
    EXPECT_GE(readme.demonsUtdata.size(), 1u);
    EXPECT_GE(readme.exempel.size(), 8u);
    const std::vector<std::pair<std::string, std::string>> miljöer[] = {
        {}, {{"LC_ALL", ""}, {"LC_NUMERIC", ""}, {"LANG", "en_US.UTF-8"}}};
    for (const auto& miljö : miljöer) {
        const fs::path här = katalog / std::to_string(miljö.size());
        SCOPED_TRACE(miljö.empty() ? "the suite's locale" : "LANG=" + miljö.back().second);
        fs::create_directories(här);
        fs::create_directory_symlink(fs::path(KONTOBOK_BINARY).parent_path(), här / "build");
        fs::create_directory_symlink(källa / "scripts", här / "scripts");
        const auto kör = [&](const std::string& kommando) {
            return körProgram("bash", {"-c", "cd '" + här.string() + "' && " + kommando}, {.miljö = miljö});
        };
        const Körning demo = kör("scripts/demo build");
        ASSERT_EQ(demo.status, 0) << demo.ut << demo.fel;
        for (const std::string& utdrag : readme.demonsUtdata)
            EXPECT_NE(demo.ut.find(utdrag), std::string::npos) << utdrag;
        for (const Exempel& e : readme.exempel) EXPECT_EQ(kör("{ " + e.kommando + "\n} 2>&1").ut, e.utdata) << e.kommando;
    }
}

}  // namespace
