// The room table in docs/ARCHITECTURE.md is the map a newcomer reads first;
// these tests hold the code to it. They read the table itself, so the map
// and the check cannot drift apart: a room that includes one the table does
// not allow, a room the table leaves out or names twice, a row that may
// include a room below it, a room outside the drawing side that may include
// it (the ledger side enters it through the door alone), a library header
// included outside the rooms listed for it, or one the table does not name
// at all fails here, and so does a map grown past 300 lines. Each check is
// a function over a source tree, so the tests also run it on a copy changed
// to break the map.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// What the map and the code disagree on, one message each.
using Avvikelser = std::vector<std::string>;

// A room as the map writes it, `src/Modell/`, and as a path: src/Modell.
std::string rumsnamn(std::string skrivet) {
    while (!skrivet.empty() && skrivet.back() == '/') skrivet.pop_back();
    return skrivet;
}

// The words in backticks of a table cell.
std::vector<std::string> kodord(const std::string& cell) {
    std::vector<std::string> ord;
    static const std::regex bakfnutt("`([^`]+)`");
    for (std::sregex_iterator i(cell.begin(), cell.end(), bakfnutt), slut; i != slut; ++i) ord.push_back((*i)[1]);
    return ord;
}

// The rows of the first table under the heading that starts with `rubrik`
// in the map of the tree at `rot`, each split into its cells; the heading
// row and the rule below it left out.
std::vector<std::vector<std::string>> tabellUnder(const fs::path& rot, const std::string& rubrik, Avvikelser& fel) {
    std::ifstream karta(rot / "docs" / "ARCHITECTURE.md");
    if (!karta) fel.push_back("docs/ARCHITECTURE.md cannot be read");
    std::vector<std::vector<std::string>> rader;
    std::string rad;
    bool underRubriken = false;
    int tabellrad = 0;
    while (std::getline(karta, rad)) {
        if (rad.rfind("## ", 0) == 0) {
            if (underRubriken && tabellrad > 0) break;
            underRubriken = rad.rfind(rubrik, 0) == 0;
            continue;
        }
        if (!underRubriken) continue;
        if (rad.rfind("|", 0) != 0) {
            if (tabellrad > 0) break;
            continue;
        }
        if (++tabellrad <= 2) continue;
        std::vector<std::string> celler;
        std::istringstream delar(rad.substr(1));
        std::string cell;
        while (std::getline(delar, cell, '|')) celler.push_back(cell);
        rader.push_back(celler);
    }
    return rader;
}

struct Rumsrad {
    size_t rad;                // its place in the table, from the top
    std::set<std::string> får;  // the rooms it may include
};

// Each room of src/ in the map's room table, with its row and the rooms it
// may include.
std::map<std::string, Rumsrad> rumstabell(const fs::path& rot, Avvikelser& fel) {
    std::map<std::string, Rumsrad> tabell;
    size_t rad = 0;
    for (const auto& celler : tabellUnder(rot, "## Rooms", fel)) {
        ++rad;
        if (celler.size() < 3) {
            fel.push_back("a row of the room table has fewer than three cells");
            continue;
        }
        std::set<std::string> får;
        for (const std::string& rum : kodord(celler[2])) får.insert(rumsnamn(rum));
        for (const std::string& rum : kodord(celler[0]))
            if (rum.rfind("src/", 0) == 0 && !tabell.emplace(rumsnamn(rum), Rumsrad{rad, får}).second)
                fel.push_back("the room table names " + rum + " twice");
    }
    if (tabell.empty()) fel.push_back("no room table under '## Rooms' in docs/ARCHITECTURE.md");
    return tabell;
}

// The source files under src/, by their path from the tree's root.
std::vector<fs::path> källfiler(const fs::path& rot) {
    std::vector<fs::path> filer;
    for (const auto& post : fs::recursive_directory_iterator(rot / "src")) {
        const fs::path& p = post.path();
        if (post.is_regular_file() && (p.extension() == ".h" || p.extension() == ".cpp"))
            filer.push_back(fs::relative(p, rot));
    }
    return filer;
}

std::string rumFör(const fs::path& fil) { return fil.parent_path().generic_string(); }

// A room as messages name it.
std::string visat(const std::string& rum) { return rum == "src" ? "src/ (top level)" : rum + "/"; }

// The names given in `#include "..."` or `#include <...>` lines of a file.
std::vector<std::string> inkluderade(const fs::path& rot, const fs::path& fil, char öppnar) {
    std::ifstream in(rot / fil);
    std::vector<std::string> namn;
    const std::regex mönster(öppnar == '"' ? R"re(^\s*#\s*include\s*"([^"]+)")re" : R"re(^\s*#\s*include\s*<([^>]+)>)re");
    std::string rad;
    std::smatch träff;
    while (std::getline(in, rad))
        if (std::regex_search(rad, träff, mönster)) namn.push_back(träff[1]);
    return namn;
}

Avvikelser rumUtanRad(const fs::path& rot) {
    Avvikelser fel;
    const auto tabell = rumstabell(rot, fel);
    std::set<std::string> rum;
    for (const fs::path& fil : källfiler(rot)) rum.insert(rumFör(fil));
    for (const std::string& r : rum)
        if (!tabell.contains(r)) fel.push_back(visat(r) + " has no row in the room table");
    for (const auto& [r, rad] : tabell) {
        if (!rum.contains(r)) fel.push_back("the room table names " + visat(r) + ", which holds no source file");
        for (const std::string& annat : rad.får)
            if (!tabell.contains(annat)) fel.push_back(visat(r) + " may include " + visat(annat) + ", which has no row");
    }
    return fel;
}

// Includes name files from src/ (the library's include directory), so a
// name's room is the directory it names.
Avvikelser otillåtnaInkluderingar(const fs::path& rot) {
    Avvikelser fel;
    const auto tabell = rumstabell(rot, fel);
    for (const fs::path& fil : källfiler(rot)) {
        const std::string rum = rumFör(fil);
        const auto rad = tabell.find(rum);
        if (rad == tabell.end()) continue;  // rumUtanRad names it
        for (const std::string& namn : inkluderade(rot, fil, '"')) {
            const fs::path mål = fs::path("src") / namn;
            if (!fs::exists(rot / mål)) {
                fel.push_back(fil.generic_string() + " includes \"" + namn + "\", which names no file under src/");
                continue;
            }
            const std::string målrum = rumFör(mål.lexically_normal());
            if (målrum != rum && !rad->second.får.contains(målrum))
                fel.push_back(fil.generic_string() + " includes \"" + namn + "\": " + visat(rum) + " may not include " +
                              visat(målrum));
        }
    }
    return fel;
}

// The order of the rows is the direction of the includes: a room may
// include only rooms of the rows above its own. And the rooms the map's
// door table names as the drawing side may be included by the drawing side
// alone: every other room reaches it through the door.
Avvikelser riktningOchDörr(const fs::path& rot) {
    Avvikelser fel;
    const auto tabell = rumstabell(rot, fel);
    for (const auto& [rum, rad] : tabell)
        for (const std::string& annat : rad.får) {
            const auto annan = tabell.find(annat);
            if (annan != tabell.end() && annan->second.rad >= rad.rad)
                fel.push_back(visat(rum) + " may include " + visat(annat) +
                              ", whose row is not above its own: the rows' order is the direction of the includes");
        }
    std::map<std::string, std::set<std::string>> sidor;
    for (const auto& celler : tabellUnder(rot, "## The door", fel)) {
        if (celler.size() < 2) continue;
        const size_t början = celler[0].find_first_not_of(' '), slut = celler[0].find_last_not_of(' ');
        const std::string sida = början == std::string::npos ? "" : celler[0].substr(början, slut - början + 1);
        for (const std::string& rum : kodord(celler[1])) sidor[sida].insert(rumsnamn(rum));
    }
    const std::set<std::string>& ritning = sidor["drawing side"];
    const std::set<std::string>& dörr = sidor["door"];
    if (ritning.empty() || dörr.size() != 1)
        fel.push_back("the table under '## The door' names no drawing side, or not one door");
    for (const auto& [namn, rummen] : sidor)
        for (const std::string& rum : rummen)
            if (!tabell.contains(rum)) fel.push_back("the door table names " + visat(rum) + ", which has no row");
    // The door stands alone: one header in a room of its own.
    size_t idörren = 0;
    for (const fs::path& fil : källfiler(rot))
        if (dörr.contains(rumFör(fil)) && (fil.extension() != ".h" || ++idörren > 1))
            fel.push_back(fil.generic_string() + " stands in the door's room, which holds the door's header alone");
    for (const auto& [rum, rad] : tabell) {
        if (ritning.contains(rum)) continue;
        for (const std::string& annat : rad.får)
            if (ritning.contains(annat))
                fel.push_back(visat(rum) + " may include " + visat(annat) +
                              ", of the drawing side, which the rest of the code enters through the door alone");
    }
    return fel;
}

// A header of the libraries table: a folder of headers (`pango/`) holds
// every header below it, a file (`cairo.h`) only itself.
bool iPosten(const std::string& namn, const std::string& post) {
    return post.ends_with('/') ? namn.starts_with(post) : namn == post;
}

// The C++ standard library's headers are the only ones named without a
// folder or an extension.
bool standardhuvud(const std::string& namn) { return namn.find_first_of("./") == std::string::npos; }

// The libraries table names every header from outside the C++ standard
// library, and the only rooms that may include it: the drawing, font and
// code libraries stay behind the platform layer's interfaces.
Avvikelser bibliotekUtanförSinaRum(const fs::path& rot) {
    Avvikelser fel;
    std::map<std::string, std::set<std::string>> bibliotek;
    for (const auto& celler : tabellUnder(rot, "## Libraries", fel)) {
        if (celler.size() < 2) {
            fel.push_back("a row of the libraries table has fewer than two cells");
            continue;
        }
        std::set<std::string> rum;
        for (const std::string& r : kodord(celler[1])) rum.insert(rumsnamn(r));
        for (const std::string& post : kodord(celler[0]))
            if (!bibliotek.emplace(post, rum).second) fel.push_back("the libraries table names `" + post + "` twice");
    }
    if (bibliotek.empty()) fel.push_back("no libraries table under '## Libraries' in docs/ARCHITECTURE.md");
    for (const fs::path& fil : källfiler(rot))
        for (const std::string& namn : inkluderade(rot, fil, '<')) {
            if (standardhuvud(namn)) continue;
            bool nämnt = false;
            for (const auto& [post, rum] : bibliotek) {
                if (!iPosten(namn, post)) continue;
                nämnt = true;
                if (!rum.contains(rumFör(fil)))
                    fel.push_back(fil.generic_string() + " includes <" + namn + ">, which only the rooms the " +
                                  "libraries table names for `" + post + "` may include");
            }
            if (!nämnt)
                fel.push_back(fil.generic_string() + " includes <" + namn + ">, which no row of the libraries table names");
        }
    return fel;
}

std::string rader(const Avvikelser& fel) {
    std::string text;
    for (const std::string& f : fel) text += f + "\n";
    return text;
}

const fs::path källträd = KONTOBOK_SOURCE_DIR;

TEST(Arkitektur, EveryRoomOfSrcHasARowInTheMap) { EXPECT_EQ(rader(rumUtanRad(källträd)), ""); }

TEST(Arkitektur, EveryIncludeIsOneTheRoomTableAllows) { EXPECT_EQ(rader(otillåtnaInkluderingar(källträd)), ""); }

TEST(Arkitektur, TheRoomTableRunsOneWayAndTheDrawingSideHasOneDoor) {
    EXPECT_EQ(rader(riktningOchDörr(källträd)), "");
}

TEST(Arkitektur, LibrariesAreIncludedOnlyWhereTheMapSays) { EXPECT_EQ(rader(bibliotekUtanförSinaRum(källträd)), ""); }

// A map is read whole or not at all: it gives each thing its place and
// leaves the why to decisions.md.
TEST(Arkitektur, TheMapStaysShort) {
    std::ifstream karta(källträd / "docs" / "ARCHITECTURE.md");
    size_t rader = 0;
    for (std::string rad; std::getline(karta, rad);) ++rader;
    EXPECT_GT(rader, 0u);
    EXPECT_LE(rader, 300u);
}

// The checks run on a copy of the map and src/, changed as a careless edit
// would change them.
class ÄndradKopia : public ::testing::Test {
protected:
    void SetUp() override {
        rot = fs::temp_directory_path() / ("kontobok-arkitektur-" + std::to_string(::getpid()));
        fs::remove_all(rot);
        fs::create_directories(rot / "docs");
        fs::copy(källträd / "src", rot / "src", fs::copy_options::recursive);
        fs::copy_file(källträd / "docs" / "ARCHITECTURE.md", rot / "docs" / "ARCHITECTURE.md");
    }
    void TearDown() override { fs::remove_all(rot); }

    void skriv(const fs::path& fil, const std::string& text) { std::ofstream(rot / fil) << text; }
    // The map's row of `rum` with `tillagt` added to the rooms it may include.
    void tillåt(const std::string& rum, const std::string& tillagt) {
        std::ifstream in(rot / "docs" / "ARCHITECTURE.md");
        std::string karta{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        const size_t rad = karta.find("\n| `" + rum + "` |");
        ASSERT_NE(rad, std::string::npos) << rum;
        const size_t slut = karta.find(" |\n", rad + 1);
        karta.insert(slut, ", `" + tillagt + "`");
        skriv("docs/ARCHITECTURE.md", karta);
    }

    fs::path rot;
};

TEST_F(ÄndradKopia, TheUnchangedCopyPasses) {
    EXPECT_EQ(rader(otillåtnaInkluderingar(rot)) + rader(riktningOchDörr(rot)), "");
}

TEST_F(ÄndradKopia, TheLedgerSideIncludingTheViewPastTheDoorFails) {
    skriv("src/Kommandorad/Genvag.cpp", "#include \"Vyer/Faktura/Fakturavy.h\"\n");
    EXPECT_NE(rader(otillåtnaInkluderingar(rot)).find("src/Kommandorad/Genvag.cpp includes \"Vyer/Faktura/Fakturavy.h\""),
              std::string::npos);
    // Nor may the map let it.
    tillåt("src/Kommandorad/", "src/Vyer/Faktura/");
    EXPECT_EQ(rader(otillåtnaInkluderingar(rot)), "");
    EXPECT_NE(rader(riktningOchDörr(rot)).find("src/Kommandorad/ may include src/Vyer/Faktura/, of the drawing side"),
              std::string::npos)
        << rader(riktningOchDörr(rot));
}

TEST_F(ÄndradKopia, ASecondFileInTheDoorsRoomFails) {
    skriv("src/Vyer/Fakturavyn.h", "#pragma once\n");
    EXPECT_NE(rader(riktningOchDörr(rot)).find("stands in the door's room"), std::string::npos);
}

TEST_F(ÄndradKopia, ARowThatMayIncludeARoomBelowItFails) {
    tillåt("src/Plattform/", "src/Modell/");
    EXPECT_NE(rader(riktningOchDörr(rot)).find("src/Plattform/ may include src/Modell/, whose row is not above its own"),
              std::string::npos)
        << rader(riktningOchDörr(rot));
}

}  // namespace
