// The room table in docs/ARCHITECTURE.md is the map a newcomer reads first;
// these tests hold the code to it. They read the table itself, so the map
// and the check cannot drift apart: a room that includes one the table does
// not allow, a room the table leaves out or names twice, a library header
// included outside the rooms listed for it, or one the table does not name
// at all fails here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path källträd = KONTOBOK_SOURCE_DIR;

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

// The rows of the first table under the heading that starts with `rubrik`,
// each split into its cells; the heading row and the rule below it left out.
std::vector<std::vector<std::string>> tabellUnder(const std::string& rubrik) {
    std::ifstream karta(källträd / "docs" / "ARCHITECTURE.md");
    EXPECT_TRUE(karta) << "docs/ARCHITECTURE.md cannot be read";
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

// Each room of src/ in the map's room table, with the rooms it may include.
std::map<std::string, std::set<std::string>> rumstabell() {
    std::map<std::string, std::set<std::string>> tabell;
    for (const auto& celler : tabellUnder("## Rooms")) {
        if (celler.size() < 3) {
            ADD_FAILURE() << "a row of the room table has fewer than three cells";
            continue;
        }
        std::set<std::string> får;
        for (const std::string& rum : kodord(celler[2])) får.insert(rumsnamn(rum));
        for (const std::string& rum : kodord(celler[0]))
            if (rum.rfind("src/", 0) == 0 && !tabell.emplace(rumsnamn(rum), får).second)
                ADD_FAILURE() << "the room table names " << rum << " twice";
    }
    return tabell;
}

// The source files under src/, by their path from the repository's root.
std::vector<fs::path> källfiler() {
    std::vector<fs::path> filer;
    for (const auto& post : fs::recursive_directory_iterator(källträd / "src")) {
        const fs::path& p = post.path();
        if (post.is_regular_file() && (p.extension() == ".h" || p.extension() == ".cpp"))
            filer.push_back(fs::relative(p, källträd));
    }
    return filer;
}

std::string rumFör(const fs::path& fil) { return fil.parent_path().generic_string(); }

// A room as messages name it.
std::string visat(const std::string& rum) { return rum == "src" ? "src/ (top level)" : rum + "/"; }

// The names given in `#include "..."` or `#include <...>` lines of a file.
std::vector<std::string> inkluderade(const fs::path& fil, char öppnar) {
    std::ifstream in(källträd / fil);
    std::vector<std::string> namn;
    const std::regex mönster(öppnar == '"' ? R"re(^\s*#\s*include\s*"([^"]+)")re" : R"re(^\s*#\s*include\s*<([^>]+)>)re");
    std::string rad;
    std::smatch träff;
    while (std::getline(in, rad))
        if (std::regex_search(rad, träff, mönster)) namn.push_back(träff[1]);
    return namn;
}

TEST(Arkitektur, EveryRoomOfSrcHasARowInTheMap) {
    const auto tabell = rumstabell();
    ASSERT_FALSE(tabell.empty()) << "no room table under '## Rooms' in docs/ARCHITECTURE.md";
    std::set<std::string> rum;
    for (const fs::path& fil : källfiler()) rum.insert(rumFör(fil));
    for (const std::string& r : rum) EXPECT_TRUE(tabell.contains(r)) << visat(r) << " has no row in the room table";
    for (const auto& [r, får] : tabell) {
        EXPECT_TRUE(rum.contains(r)) << "the room table names " << visat(r) << ", which holds no source file";
        for (const std::string& annat : får)
            EXPECT_TRUE(tabell.contains(annat)) << visat(r) << " may include " << visat(annat) << ", which has no row";
    }
}

// Includes name files from src/ (the library's include directory), so a
// name's room is the directory it names.
TEST(Arkitektur, EveryIncludeIsOneTheRoomTableAllows) {
    const auto tabell = rumstabell();
    ASSERT_FALSE(tabell.empty());
    for (const fs::path& fil : källfiler()) {
        const std::string rum = rumFör(fil);
        const auto rad = tabell.find(rum);
        if (rad == tabell.end()) continue;  // the test above names it
        for (const std::string& namn : inkluderade(fil, '"')) {
            const fs::path mål = fs::path("src") / namn;
            if (!fs::exists(källträd / mål)) {
                ADD_FAILURE() << fil.generic_string() << " includes \"" << namn << "\", which names no file under src/";
                continue;
            }
            const std::string målrum = rumFör(mål.lexically_normal());
            if (målrum != rum && !rad->second.contains(målrum))
                ADD_FAILURE() << fil.generic_string() << " includes \"" << namn << "\": " << visat(rum)
                              << " may not include " << visat(målrum);
        }
    }
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
TEST(Arkitektur, LibrariesAreIncludedOnlyWhereTheMapSays) {
    std::map<std::string, std::set<std::string>> bibliotek;
    for (const auto& celler : tabellUnder("## Libraries")) {
        ASSERT_GE(celler.size(), 2u);
        std::set<std::string> rum;
        for (const std::string& r : kodord(celler[1])) rum.insert(rumsnamn(r));
        for (const std::string& post : kodord(celler[0]))
            if (!bibliotek.emplace(post, rum).second) ADD_FAILURE() << "the libraries table names `" << post << "` twice";
    }
    ASSERT_FALSE(bibliotek.empty()) << "no libraries table under '## Libraries' in docs/ARCHITECTURE.md";
    for (const fs::path& fil : källfiler())
        for (const std::string& namn : inkluderade(fil, '<')) {
            if (standardhuvud(namn)) continue;
            bool nämnt = false;
            for (const auto& [post, rum] : bibliotek) {
                if (!iPosten(namn, post)) continue;
                nämnt = true;
                if (!rum.contains(rumFör(fil)))
                    ADD_FAILURE() << fil.generic_string() << " includes <" << namn << ">, which only "
                                  << "the rooms the libraries table names for `" << post << "` may include";
            }
            if (!nämnt) ADD_FAILURE() << fil.generic_string() << " includes <" << namn << ">, which no row of the "
                                      << "libraries table names";
        }
}

}  // namespace
