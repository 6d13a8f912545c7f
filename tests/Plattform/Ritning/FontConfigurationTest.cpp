// Fonts loaded file by file: each face from the file named for it, and
// pango's choice of face for a character the same as with every font of
// fonts.conf's directories loaded.
#include "Plattform/Ritning/FontConfiguration.h"
#include "Plattform/Ritning/FontFaces.h"
#include "Plattform/Ritning/FontFiles.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Ritning/PangoFonts.h"

#include <gtest/gtest.h>
#include <pango/pangofc-font.h>

#include <algorithm>
#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

std::string postScriptName(FcPattern* pattern) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, FC_POSTSCRIPT_NAME, 0, &value) != FcResultMatch) return "";
    return reinterpret_cast<char*>(value);
}

// The files the configuration holds fonts of; a completed face's by the
// name its sealed copy carries ("/memfd:NAME (deleted)" in /proc).
std::vector<std::filesystem::path> loadedFiles() {
    std::vector<std::filesystem::path> files;
    FcFontSet* set = FcConfigGetFonts(fonts::configuration(), FcSetApplication);
    for (int i = 0; set && i < set->nfont; ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) != FcResultMatch) continue;
        std::string path = reinterpret_cast<char*>(file);
        if (path.starts_with("/proc/self/fd/")) {
            constexpr std::string_view memfd = "/memfd:";
            const std::string copy = std::filesystem::read_symlink(path).string();
            path = copy.substr(memfd.size(), copy.rfind(" (deleted)") - memfd.size());
        }
        files.emplace_back(path);
    }
    return files;
}

// Whether the file of that name is loaded.
bool holds(const std::vector<std::filesystem::path>& files, std::string_view name) {
    return std::any_of(files.begin(), files.end(), [&](const auto& file) { return file.filename() == name; });
}

// The first fonts of pango's list for the face's name, by PostScript name.
std::vector<std::string> firstFontsOf(const fonts::Face& face, int count) {
    struct Collected {
        std::vector<std::string> names;
        int count;
    } collected{{}, count};
    PangoFontDescription* d = fonts::pangoDescription({std::string(face.name), 10});
    PangoFontset* set = pango_font_map_load_fontset(fonts::pangoFontMap(), fonts::pangoContext(), d,
                                                    pango_language_from_string("sv"));
    pango_font_description_free(d);
    pango_fontset_foreach(
        set,
        [](PangoFontset*, PangoFont* font, gpointer data) -> gboolean {
            auto* c = static_cast<Collected*>(data);
            c->names.push_back(postScriptName(pango_fc_font_get_pattern(PANGO_FC_FONT(font))));
            return static_cast<int>(c->names.size()) >= c->count;
        },
        &collected);
    g_object_unref(set);
    return collected.names;
}

}  // namespace

// A face that were found only by reading every file would still draw, but
// each run would read them all again.
TEST(FontConfiguration, EveryFaceIsLoadedFromTheFileNamedForIt) {
    std::lock_guard lock(fonts::fontLock());
    for (const fonts::Face& face : fonts::allFaces()) {
        SCOPED_TRACE(std::string(face.name));
        std::optional<std::string_view> file = fonts::fileOfFace(face.substitute);
        ASSERT_TRUE(file);
        ASSERT_TRUE(fonts::loadFace(face));
        EXPECT_TRUE(holds(loadedFiles(), *file));
    }
    // The face that draws what the others lack comes along with the first.
    EXPECT_TRUE(holds(loadedFiles(), *fonts::fileOfFace(fonts::fallbackFace)));
}

// What loading by file rests on: with every font loaded, the list pango
// makes for each name of the table starts with the name's face and then
// DejaVu Sans, whatever fonts the directories hold besides. A character
// no font has (from the last private use plane) loads them all.
TEST(FontConfiguration, WithEveryFontLoadedEachListStartsWithTheFaceAndDejaVuSans) {
    std::lock_guard lock(fonts::fontLock());
    const unsigned before = fonts::fontSetVersion();
    fonts::loadFacesFor(fonts::allFaces().front(), "x\U0010FFFD");
    EXPECT_GT(fonts::fontSetVersion(), before);
    // Every font file once, but Debian's files the completed faces are made
    // from: never one of those in a completed face's place.
    std::vector<std::string> directories = {KONTOBOK_FACES};
    FcStrList* dirs = FcConfigGetFontDirs(fonts::configuration());
    while (FcChar8* dir = FcStrListNext(dirs)) directories.emplace_back(reinterpret_cast<char*>(dir));
    FcStrListDone(dirs);
    std::set<std::string> names;
    for (const std::string& dir : directories)
        for (const auto& entry : std::filesystem::directory_iterator(dir))
            if (entry.path().extension() == ".otf" || entry.path().extension() == ".ttf")
                names.insert(entry.path().filename().string());
    for (const fonts::CompletedFace& face : fonts::completedFaces) EXPECT_EQ(names.erase(std::string(face.madeFrom)), 1u);
    std::vector<std::string> loaded;
    for (const auto& file : loadedFiles()) loaded.push_back(file.filename().string());
    EXPECT_EQ(std::set<std::string>(loaded.begin(), loaded.end()), names);
    EXPECT_EQ(loaded.size(), names.size());

    for (const fonts::Face& face : fonts::allFaces()) {
        SCOPED_TRACE(std::string(face.name));
        std::vector<std::string> first = firstFontsOf(face, 2);
        ASSERT_EQ(first.size(), 2u);
        EXPECT_EQ(first[0], face.substitute);
        if (face.substitute != fonts::fallbackFace) {
            EXPECT_EQ(first[1], fonts::fallbackFace);
        }
    }
}

// Pango initialises fontconfig with a configuration of ours made current,
// so that it has nothing to load; afterwards a library that uses the
// default configuration (poppler, for fonts a PDF does not embed) still
// finds the system's fonts.
TEST(FontConfiguration, OtherLibrariesStillFindTheSystemsFonts) {
    {
        std::lock_guard lock(fonts::fontLock());
        fonts::pangoFontMap();
    }
    FcFontSet* system = FcConfigGetFonts(FcConfigGetCurrent(), FcSetSystem);
    ASSERT_TRUE(system);
    EXPECT_GT(system->nfont, 0);
}
