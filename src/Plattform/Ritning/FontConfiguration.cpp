#include "Plattform/Ritning/FontConfiguration.h"

#include "Plattform/Ritning/CompletedFaceFile.h"
#include "Plattform/Ritning/FaceWithoutPrivateUse.h"
#include "Plattform/Ritning/FontFiles.h"
#include "Plattform/Ritning/FontsConfText.h"
#include "Plattform/Filer.h"
#include "Plattform/LeakChecker.h"
#include "Plattform/UnicodeText.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string_view>
#include <vector>

namespace fonts {
namespace {

// A rule that appends `value` to the property of the face of that
// PostScript name when its file is read.
std::string scanRule(std::string_view face, std::string_view property, std::string_view value) {
    std::string rule = "  <match target=\"scan\"><test name=\"postscriptname\"><string>";
    rule += face;
    rule += "</string></test><edit name=\"" + std::string(property) + "\" mode=\"append\"><string>";
    rule += value;
    return rule + "</string></edit></match>\n";
}

// One rule per name: the face whose PostScript name is the substitute
// gets the name as an extra family, so asking for the family finds it.
// One per feature a face is never shaped with: pango shapes a face with
// the features its pattern lists, wherever it draws it.
std::string scanRules() {
    std::string rules;
    for (const Face& f : allFaces()) rules += scanRule(f.substitute, "family", f.name);
    for (const FeatureOff& f : faceFeaturesOff())
        rules += scanRule(f.substitute, "fontfeatures", std::string(f.feature) + "=0");
    return rules;
}

const FcChar8* fc(const std::string& s) { return reinterpret_cast<const FcChar8*>(s.c_str()); }

// The charset of the font the pattern describes, as a reference of our
// own (null for none); the pattern is destroyed.
FcCharSet* charsetOfFirst(FcConfig* config, FcPattern* pattern) {
    FcObjectSet* objects = FcObjectSetBuild(FC_CHARSET, nullptr);
    FcFontSet* found = FcFontList(config, pattern, objects);
    FcCharSet* charset = nullptr;
    if (found && found->nfont > 0) {
        FcCharSet* c = nullptr;
        charset = FcPatternGetCharSet(found->fonts[0], FC_CHARSET, 0, &c) == FcResultMatch ? FcCharSetCopy(c)
                                                                                             : FcCharSetCreate();
    }
    if (found) FcFontSetDestroy(found);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return charset;
}

// The fonts are scanned file by file instead of by fontconfig's directory
// scan, which keeps a cache: that cache would need a writable directory
// (fontconfig complains on standard error without one) and would not
// notice a changed rule of ours. A file takes well under a millisecond;
// all of them some 25 ms.
class LoadedFonts {
public:
    LoadedFonts() : config_(create()) {
        // The faces completed at build time stand beside the program.
        if (auto program = programDirectory()) {
            completedDirectory_ = *program + KONTOBOK_FACES_DIR;
            directories_.push_back(*completedDirectory_);
        }
        FcStrList* dirs = FcConfigGetFontDirs(config_);
        while (FcChar8* dir = FcStrListNext(dirs)) directories_.emplace_back(reinterpret_cast<char*>(dir));
        FcStrListDone(dirs);
    }

    FcConfig* config() const { return config_; }
    unsigned version() const { return version_; }

    // The face's characters; null when it is not installed. The first face
    // brings DejaVu Sans along: pango puts it in every list of fonts it
    // makes, and a text that turns out to need it later would have pango
    // make its lists anew.
    const FcCharSet* face(const Face& face) {
        auto [it, isNew] = faces_.try_emplace(face.name, nullptr);
        if (isNew) {
            try {
                fallback();
                it->second = find(face.name, face.substitute);
            } catch (...) {
                faces_.erase(it);
                throw;
            }
        }
        return it->second;
    }

    const FcCharSet* fallback() {
        if (!fallbackLoaded_) {
            fallbackLoaded_ = true;
            fallback_ = find(std::nullopt, fallbackFace);
        }
        return fallback_;
    }

    // Every font of the directories, in the order of their paths, the files
    // loaded before among them; a file hidden by one of its name in an
    // earlier directory is left out, and so is each of Debian's files a
    // completed face is made from. Any completed face may draw a character,
    // so each is checked as when it is asked for, and one missing or not
    // the build's fails as it does then.
    void loadEverything() {
        if (everything_) return;
        std::vector<std::pair<std::string, std::string>> files;  // by path, the name each is loaded by
        std::set<std::string> names;
        for (const CompletedFace& f : completedFaces) {
            names.emplace(f.madeFrom);
            names.emplace(f.file);
            files.emplace_back(completedPath(f), completedFile(f).path);
        }
        for (const std::string& dir : directories_) {
            std::error_code error;
            for (const auto& entry : std::filesystem::directory_iterator(dir, error))
                if (entry.is_regular_file(error) && names.insert(entry.path().filename().string()).second)
                    files.emplace_back(entry.path().string(), entry.path().string());
        }
        std::sort(files.begin(), files.end());
        everything_ = true;
        FcConfigAppFontClear(config_);
        added_.clear();
        for (const auto& [path, file] : files) add(file);
        ++version_;
    }

    bool everything() const { return everything_; }

private:
    static FcConfig* create() {
        FcConfig* config = FcConfigCreate();
        std::string text = configurationText();
        if (!FcConfigParseAndLoadFromMemory(config, fc(text), FcFalse)) {
            FcConfigDestroy(config);
            return FcConfigCreate();  // no fonts: every name is missing
        }
        return config;
    }

    // The file of that name in the first of fonts.conf's directories that
    // holds one. A face's own file is drawn by cairo from a copy that names
    // its glyphs by their text (FaceWithoutPrivateUse.h), made when the
    // face is first asked for, not for every file loaded with the rest.
    void addFile(std::string_view name) {
        for (const std::string& dir : directories_) {
            std::string path = dir + "/" + std::string(name);
            std::error_code error;
            if (!std::filesystem::is_regular_file(path, error)) continue;
            return addPath(path);
        }
    }

    // `bytes`: the file's, read once, or none to have them read from it.
    void addPath(const std::string& path, std::span<const uint8_t> bytes = {}) {
        const bool added = add(path);
        if (drawWithoutPrivateUse(FcConfigGetFonts(config_, FcSetApplication), 0, path, true, bytes) || added)
            ++version_;
    }

    // A copy made before goes into the file's patterns again when every
    // file is loaded anew.
    bool add(const std::string& path) {
        if (!added_.insert(path).second) return false;
        const FcFontSet* before = FcConfigGetFonts(config_, FcSetApplication);
        const int from = before ? before->nfont : 0;
        FcConfigAppFontAddFile(config_, fc(path));
        drawWithoutPrivateUse(FcConfigGetFonts(config_, FcSetApplication), from, path, false);
        return true;
    }

    // The characters of the face of that PostScript name (carrying `family`
    // as a family when one is given), its file loaded first; a face whose
    // file lies elsewhere or is renamed is looked for in every file, but a
    // completed face only in its own.
    FcCharSet* find(std::optional<std::string_view> family, std::string_view postScriptName) {
        if (const CompletedFace* completed = completedFace(postScriptName)) return findCompleted(family, *completed);
        if (auto file = fileOfFace(postScriptName)) addFile(*file);
        FcCharSet* found = lookUp(family, postScriptName);
        if (!found && !everything_) {
            loadEverything();
            found = lookUp(family, postScriptName);
        }
        return found;
    }

    // A completed face drawn from Debian's file instead would set the letters
    // it was completed with in another face, so it is drawn from the file
    // the build made alone, and from the bytes that were checked to be it.
    FcCharSet* findCompleted(std::optional<std::string_view> family, const CompletedFace& face) {
        const CheckedFaceFile& file = completedFile(face);
        addPath(file.path, file.bytes());
        FcCharSet* found = lookUp(family, face.face);
        if (!found)
            throw FaceFileError("The font file " + completedPath(face) + " holds no face " + std::string(face.face) +
                                "; build or install kontobok again.");
        return found;
    }

    std::string completedPath(const CompletedFace& face) const {
        if (!completedDirectory_)
            throw FaceFileError("The font " + std::string(face.face) +
                                " cannot be found: the program's own path is unknown.");
        return *completedDirectory_ + "/" + std::string(face.file);
    }

    const CheckedFaceFile& completedFile(const CompletedFace& face) const {
        return checkedFaceFile(completedPath(face), face);
    }

    FcCharSet* lookUp(std::optional<std::string_view> family, std::string_view postScriptName) const {
        FcPattern* pattern = FcPatternCreate();
        if (family) FcPatternAddString(pattern, FC_FAMILY, fc(std::string(*family)));
        FcPatternAddString(pattern, FC_POSTSCRIPT_NAME, fc(std::string(postScriptName)));
        return charsetOfFirst(config_, pattern);
    }

    FcConfig* config_;
    std::optional<std::string> completedDirectory_;
    std::vector<std::string> directories_;
    std::set<std::string> added_;
    std::map<std::string_view, FcCharSet*> faces_;  // by name; kept for the life of the process
    FcCharSet* fallback_ = nullptr;
    bool fallbackLoaded_ = false;
    bool everything_ = false;
    unsigned version_ = 0;
};

LoadedFonts& loaded() {
    static LoadedFonts fonts;
    return fonts;
}

// Characters pango gives no face of their own: it draws them in the face
// of the characters around them.
bool drawnInNeighboursFace(UChar32 c) {
    switch (u_charType(c)) {
    case U_CONTROL_CHAR:
    case U_FORMAT_CHAR:
    case U_SURROGATE:
    case U_LINE_SEPARATOR:
    case U_PARAGRAPH_SEPARATOR:
        return true;
    case U_SPACE_SEPARATOR:
        return c != 0x1680;  // the Ogham space mark has a glyph
    default:
        return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);  // variation selectors
    }
}

// What pango is handed for a character of a run: nothing for NUL and the
// separators that end a paragraph; U+FFFD for malformed UTF-8 and for
// noncharacters, which the text engine replaces.
std::optional<UChar32> drawn(UChar32 c) {
    if (c == 0 || endsParagraph(c)) return std::nullopt;
    return c < 0 || isNoncharacter(c) ? 0xFFFD : c;
}

}  // namespace

std::recursive_mutex& fontLock() {
    static std::recursive_mutex mutex;
    return mutex;
}

std::string configurationText() {
    std::string text(embeddedFontsConf);
    size_t end = text.rfind("</fontconfig>");
    if (end == std::string::npos) return text;
    return text.insert(end, scanRules());
}

FcConfig* configuration() {
    std::lock_guard lock(fontLock());
    return loaded().config();
}

bool loadFace(const Face& face) {
    std::lock_guard lock(fontLock());
    return loaded().face(face) != nullptr;
}

void loadFacesFor(const Face& face, std::string_view text, bool hyphenated) {
    std::lock_guard lock(fontLock());
    LoadedFonts& fonts = loaded();
    const FcCharSet* own = fonts.face(face);
    if (!own || fonts.everything()) return;
    // A character the face lacks is drawn from DejaVu Sans, or as a box
    // with its code in DejaVu Sans when pango draws it in the face anyway;
    // a tab is a gap pango makes itself.
    auto covered = [&](UChar32 c) {
        if (c == '\t' || FcCharSetHasChar(own, static_cast<FcChar32>(c))) return true;
        const FcCharSet* fallback = fonts.fallback();
        return drawnInNeighboursFace(c) || (fallback && FcCharSetHasChar(fallback, static_cast<FcChar32>(c)));
    };
    // Pango puts an ellipsis where it cuts a line, and a soft hyphen at
    // each point where hyphenation may break one.
    if (!covered(0x2026) || (hyphenated && !covered(0xAD))) return fonts.loadEverything();
    for (size_t i = 0; i < text.size();) {
        UChar32 c;
        U8_NEXT(text.data(), i, text.size(), c);
        std::optional<UChar32> d = drawn(c);
        if (d && !covered(*d)) return fonts.loadEverything();
    }
}

unsigned fontSetVersion() {
    std::lock_guard lock(fontLock());
    return loaded().version();
}

}  // namespace fonts

// Every program that links the view links this file; the tool, which
// loads the view as a module, says so in main.cpp.
LEAK_CHECKER_DEFAULTS("", "")
