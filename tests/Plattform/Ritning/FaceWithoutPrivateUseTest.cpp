// The copy of a font cairo draws with: of every file the font table draws
// from, read back by HarfBuzz, the same tables but the character map, which
// maps every character as the file does but those of private use, and
// none at all where the file maps none of them.
#include "Plattform/Filer.h"
#include "Plattform/Ritning/FaceWithoutPrivateUse.h"
#include "Plattform/Ritning/FontConfiguration.h"
#include "Plattform/Ritning/FontFaces.h"

#include <gtest/gtest.h>
#include <hb.h>

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

namespace {

bool privateUse(hb_codepoint_t c) { return (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000; }

using FacePtr = std::unique_ptr<hb_face_t, decltype(&hb_face_destroy)>;

FacePtr faceOf(const std::vector<uint8_t>& font) {
    hb_blob_t* blob = hb_blob_create(reinterpret_cast<const char*>(font.data()), static_cast<unsigned>(font.size()),
                                     HB_MEMORY_MODE_READONLY, nullptr, nullptr);
    FacePtr face(hb_face_create(blob, 0), hb_face_destroy);
    hb_blob_destroy(blob);
    return face;
}

std::map<hb_codepoint_t, hb_codepoint_t> characterMap(hb_face_t* face) {
    hb_font_t* font = hb_font_create(face);
    hb_set_t* unicodes = hb_set_create();
    hb_face_collect_unicodes(face, unicodes);
    std::map<hb_codepoint_t, hb_codepoint_t> out;
    for (hb_codepoint_t u = HB_SET_VALUE_INVALID; hb_set_next(unicodes, &u);)
        if (hb_codepoint_t glyph; hb_font_get_nominal_glyph(font, u, &glyph)) out[u] = glyph;
    hb_set_destroy(unicodes);
    hb_font_destroy(font);
    return out;
}

std::string table(hb_face_t* face, hb_tag_t tag) {
    hb_blob_t* blob = hb_face_reference_table(face, tag);
    unsigned length = 0;
    const char* data = hb_blob_get_data(blob, &length);
    std::string out(data ? data : "", length);
    hb_blob_destroy(blob);
    return out;
}

// The file of every face of the table, as fontconfig loaded it.
std::set<std::string> fontFiles() {
    std::lock_guard lock(fonts::fontLock());
    for (const fonts::Face& face : fonts::allFaces()) fonts::loadFace(face);
    std::set<std::string> files;
    const FcFontSet* set = FcConfigGetFonts(fonts::configuration(), FcSetApplication);
    for (int i = 0; set && i < set->nfont; ++i)
        if (FcChar8* file = nullptr; FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
            files.insert(reinterpret_cast<char*>(file));
    return files;
}

}  // namespace

TEST(FaceWithoutPrivateUse, MapsEveryOtherCharacterAsTheFileDoesAndKeepsEveryOtherTable) {
    int copied = 0;
    for (const std::string& file : fontFiles()) {
        SCOPED_TRACE(file);
        const std::vector<uint8_t> font = readWholeFile(file);
        const FacePtr original = faceOf(font);
        const auto map = characterMap(original.get());
        const bool anyPrivate = std::any_of(map.begin(), map.end(), [](auto& m) { return privateUse(m.first); });
        const auto copy = fonts::withoutPrivateUse(font);
        ASSERT_EQ(copy.has_value(), anyPrivate);
        if (!copy) continue;
        ++copied;
        const FacePtr drawn = faceOf(*copy);
        std::map<hb_codepoint_t, hb_codepoint_t> expected;
        for (auto [c, glyph] : map)
            if (!privateUse(c)) expected[c] = glyph;
        EXPECT_EQ(characterMap(drawn.get()), expected);
        hb_tag_t tags[64];
        unsigned count = 64;
        hb_face_get_table_tags(original.get(), 0, &count, tags);
        unsigned copyCount = 64;
        hb_tag_t copyTags[64];
        hb_face_get_table_tags(drawn.get(), 0, &copyCount, copyTags);
        ASSERT_EQ(std::vector(tags, tags + count), std::vector(copyTags, copyTags + copyCount));
        for (unsigned i = 0; i < count; ++i)
            if (tags[i] != HB_TAG('c', 'm', 'a', 'p'))
                EXPECT_EQ(table(drawn.get(), tags[i]), table(original.get(), tags[i])) << i;
    }
    // Baskervald's and Accanthis's four faces at least.
    EXPECT_GE(copied, 8);
}

TEST(FaceWithoutPrivateUse, NothingElseIsCopied) {
    const std::string text = "not a font at all";
    EXPECT_FALSE(fonts::withoutPrivateUse(std::vector<uint8_t>(text.begin(), text.end())));
    std::vector<uint8_t> collection = {'t', 't', 'c', 'f', 0, 1, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(fonts::withoutPrivateUse(collection));
    // A table that runs past the file's end.
    std::vector<uint8_t> cut = {0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 'c', 'm', 'a', 'p', 0, 0, 0, 0, 0, 0, 0, 28, 0, 0, 1, 0};
    EXPECT_FALSE(fonts::withoutPrivateUse(cut));
}
