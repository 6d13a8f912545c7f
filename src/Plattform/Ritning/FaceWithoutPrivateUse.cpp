#include "Plattform/Ritning/FaceWithoutPrivateUse.h"

#include "Plattform/Ritning/SfntFile.h"
#include "Plattform/Filer.h"

#include <ft2build.h>
#include <freetype/freetype.h>
#include <fontconfig/fcfreetype.h>

#include <algorithm>
#include <map>
#include <memory>

namespace fonts {
namespace {

bool privateUse(uint32_t c) { return (c >= 0xE000 && c <= 0xF8FF) || c >= 0xF0000; }

using sfnt::be16, sfnt::be32;
void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v >> 16);
    put16(out, v);
}

FT_Library library() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        return FT_Init_FreeType(&l) == 0 ? l : nullptr;
    }();
    return lib;
}

// Characters mapped to consecutive glyphs: `first` to `last` onto
// `glyph` on.
struct Run {
    uint32_t first, last, glyph;
};

// The font's Unicode character map as FreeType reads it, in runs, without
// characters of private use; none when it has none of those.
std::optional<std::vector<Run>> runsWithoutPrivateUse(std::span<const uint8_t> font) {
    FT_Library lib = library();
    FT_Face face = nullptr;
    if (!lib || FT_New_Memory_Face(lib, font.data(), static_cast<FT_Long>(font.size()), 0, &face) != 0) return {};
    std::unique_ptr<FT_FaceRec_, decltype(&FT_Done_Face)> owned(face, FT_Done_Face);
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) return {};
    std::vector<Run> runs;
    bool dropped = false;
    FT_UInt glyph = 0;
    for (FT_ULong c = FT_Get_First_Char(face, &glyph); glyph != 0; c = FT_Get_Next_Char(face, c, &glyph)) {
        if (privateUse(static_cast<uint32_t>(c))) {
            dropped = true;
            continue;
        }
        const auto code = static_cast<uint32_t>(c);
        if (!runs.empty() && runs.back().last + 1 == code && runs.back().glyph + (code - runs.back().first) == glyph)
            runs.back().last = code;
        else
            runs.push_back({code, code, glyph});
    }
    if (!dropped) return {};
    return runs;
}

// Format 4 of the runs within the Basic Multilingual Plane, below the
// U+FFFF that ends it; none when it would pass its 64 KiB.
std::optional<std::vector<uint8_t>> format4(const std::vector<Run>& runs) {
    std::vector<Run> bmp;
    for (Run r : runs)
        if (r.first < 0xFFFF) bmp.push_back({r.first, std::min<uint32_t>(r.last, 0xFFFE), r.glyph});
    bmp.push_back({0xFFFF, 0xFFFF, 0});
    const size_t segments = bmp.size(), length = 16 + 8 * segments;
    if (length > 0xFFFF) return std::nullopt;
    uint32_t power = 1, log = 0;
    while (power * 2 <= segments) power *= 2, ++log;
    std::vector<uint8_t> out;
    put16(out, 4), put16(out, static_cast<uint32_t>(length)), put16(out, 0);
    put16(out, static_cast<uint32_t>(2 * segments)), put16(out, 2 * power), put16(out, log);
    put16(out, static_cast<uint32_t>(2 * segments - 2 * power));
    for (const Run& r : bmp) put16(out, r.last);
    put16(out, 0);
    for (const Run& r : bmp) put16(out, r.first);
    // The last segment maps U+FFFF to glyph 0: 0xFFFF + 1 wraps to it.
    for (const Run& r : bmp) put16(out, r.first == 0xFFFF ? 1 : (r.glyph - r.first) & 0xFFFF);
    for (size_t i = 0; i < segments; ++i) put16(out, 0);
    return out;
}

std::vector<uint8_t> format12(const std::vector<Run>& runs) {
    std::vector<uint8_t> out;
    put16(out, 12), put16(out, 0);
    put32(out, static_cast<uint32_t>(16 + 12 * runs.size())), put32(out, 0);
    put32(out, static_cast<uint32_t>(runs.size()));
    for (const Run& r : runs) put32(out, r.first), put32(out, r.last), put32(out, r.glyph);
    return out;
}

// A 'cmap' of the runs: Unicode maps, on both the Unicode and the Windows
// platform, of the Basic Multilingual Plane and, where a character lies
// beyond it, of every plane.
std::optional<std::vector<uint8_t>> cmap(const std::vector<Run>& runs) {
    auto bmp = format4(runs);
    if (!bmp) return std::nullopt;
    std::vector<uint8_t> all;
    if (!runs.empty() && runs.back().last > 0xFFFF) all = format12(runs);
    struct Record {
        uint16_t platform, encoding;
        bool all;
    };
    std::vector<Record> records = {{0, 3, false}, {3, 1, false}};
    if (!all.empty()) records = {{0, 3, false}, {0, 4, true}, {3, 1, false}, {3, 10, true}};
    const uint32_t bmpAt = static_cast<uint32_t>(4 + 8 * records.size());
    const uint32_t allAt = bmpAt + static_cast<uint32_t>(bmp->size());
    std::vector<uint8_t> out;
    put16(out, 0), put16(out, static_cast<uint32_t>(records.size()));
    for (const Record& r : records) put16(out, r.platform), put16(out, r.encoding), put32(out, r.all ? allAt : bmpAt);
    out.insert(out.end(), bmp->begin(), bmp->end());
    out.insert(out.end(), all.begin(), all.end());
    return out;
}

}  // namespace

std::optional<std::vector<uint8_t>> withoutPrivateUse(std::span<const uint8_t> font) {
    constexpr uint32_t cmapTag = 0x636D6170;
    const std::optional<size_t> count = sfnt::tableCount(font);
    if (!count) return std::nullopt;
    const size_t tables = *count;
    bool hasCmap = false;
    for (size_t i = 0; i < tables; ++i) hasCmap |= be32(font.data() + 12 + 16 * i) == cmapTag;
    if (!hasCmap) return std::nullopt;
    const auto runs = runsWithoutPrivateUse(font);
    if (!runs) return std::nullopt;
    const auto newCmap = cmap(*runs);
    if (!newCmap) return std::nullopt;

    // The same tables in the same order, each on a four-byte boundary, the
    // character map replaced.
    std::vector<uint8_t> out(font.begin(), font.begin() + 12);
    out.resize(12 + 16 * tables);
    for (size_t i = 0; i < tables; ++i) {
        const uint8_t* entry = font.data() + 12 + 16 * i;
        const uint32_t tag = be32(entry);
        while (out.size() % 4) out.push_back(0);
        const uint32_t at = static_cast<uint32_t>(out.size());
        uint32_t sum = be32(entry + 4), length = be32(entry + 12);
        if (tag == cmapTag) {
            out.insert(out.end(), newCmap->begin(), newCmap->end());
            sum = sfnt::checksum(*newCmap), length = static_cast<uint32_t>(newCmap->size());
        } else {
            const uint8_t* from = font.data() + be32(entry + 8);
            out.insert(out.end(), from, from + length);
        }
        std::vector<uint8_t> record;
        put32(record, tag), put32(record, sum), put32(record, at), put32(record, length);
        std::copy(record.begin(), record.end(), out.begin() + static_cast<std::ptrdiff_t>(12 + 16 * i));
    }
    while (out.size() % 4) out.push_back(0);
    return out;
}

bool drawWithoutPrivateUse(FcFontSet* fonts, int from, const std::string& file, bool make,
                           std::span<const uint8_t> font) {
    // Each file's copy (empty when it needs none) and its faces by index,
    // for the life of the process: cairo draws with them as long as it runs.
    struct Copy {
        std::vector<uint8_t> font;
        std::map<int, FT_Face> faces;
    };
    static auto* copies = new std::map<std::string, Copy>;
    auto it = copies->find(file);
    if (it == copies->end()) {
        if (!make) return false;
        it = copies->try_emplace(file).first;
        try {
            const Bytes read = font.empty() ? readWholeFile(file, sfnt::largestFile) : Bytes{};
            if (auto made = withoutPrivateUse(font.empty() ? std::span<const uint8_t>(read) : font)) it->second.font = std::move(*made);
        } catch (const FileError&) {
            // Unreadable now: drawn from the file, as fontconfig read it.
        }
    }
    Copy& copy = it->second;
    if (copy.font.empty() || !fonts || !library()) return false;
    bool put = false;
    for (int i = std::max(from, 0); i < fonts->nfont; ++i) {
        FcPattern* pattern = fonts->fonts[i];
        FcChar8* path = nullptr;
        int index = 0;
        if (FcPatternGetString(pattern, FC_FILE, 0, &path) != FcResultMatch || file != reinterpret_cast<char*>(path))
            continue;
        if (FT_Face drawn = nullptr; FcPatternGetFTFace(pattern, FC_FT_FACE, 0, &drawn) == FcResultMatch) continue;
        FcPatternGetInteger(pattern, FC_INDEX, 0, &index);
        auto [face, made] = copy.faces.try_emplace(index, nullptr);
        if (made && FT_New_Memory_Face(library(), copy.font.data(), static_cast<FT_Long>(copy.font.size()), index,
                                       &face->second) != 0)
            face->second = nullptr;
        if (face->second) put |= FcPatternAddFTFace(pattern, FC_FT_FACE, face->second) == FcTrue;
    }
    return put;
}

}  // namespace fonts
