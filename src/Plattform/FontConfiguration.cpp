#include "Plattform/FontConfiguration.h"

#include "Plattform/FontsConfText.h"

#include <algorithm>
#include <filesystem>
#include <vector>

namespace fonts {
namespace {

// One rule per name: the face whose PostScript name is the substitute
// gets the name as an extra family, so asking for the family finds it.
std::string scanRules() {
    std::string rules;
    for (const Face& f : allFaces()) {
        rules += "  <match target=\"scan\"><test name=\"postscriptname\"><string>";
        rules += f.substitute;
        rules += "</string></test><edit name=\"family\" mode=\"append\"><string>";
        rules += f.name;
        rules += "</string></edit></match>\n";
    }
    return rules;
}

// The font files of the configuration's directories, in a fixed order.
std::vector<std::string> fontFiles(FcConfig* config) {
    std::vector<std::string> files;
    FcStrList* dirs = FcConfigGetFontDirs(config);
    while (FcChar8* dir = FcStrListNext(dirs)) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(reinterpret_cast<char*>(dir), error))
            if (entry.is_regular_file(error)) files.push_back(entry.path().string());
    }
    FcStrListDone(dirs);
    std::sort(files.begin(), files.end());
    return files;
}

// The fonts are scanned file by file instead of by fontconfig's directory
// scan, which keeps a cache: that cache would need a writable directory
// (fontconfig complains on standard error without one) and would not
// notice a changed rule of ours. A scan takes some 25 ms.
FcConfig* load() {
    FcConfig* config = FcConfigCreate();
    std::string text = configurationText();
    if (!FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(text.c_str()), FcFalse)) {
        FcConfigDestroy(config);
        return FcConfigCreate();  // no fonts: every name is missing
    }
    for (const std::string& file : fontFiles(config))
        FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(file.c_str()));
    return config;
}

}  // namespace

std::string configurationText() {
    std::string text(embeddedFontsConf);
    size_t end = text.rfind("</fontconfig>");
    if (end == std::string::npos) return text;
    return text.insert(end, scanRules());
}

FcConfig* configuration() {
    static FcConfig* const config = load();
    return config;
}

bool isFaceInstalled(const Face& face) {
    std::string name(face.name), substitute(face.substitute);
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    FcPatternAddString(pattern, FC_POSTSCRIPT_NAME, reinterpret_cast<const FcChar8*>(substitute.c_str()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* found = FcFontList(configuration(), pattern, objects);
    bool any = found && found->nfont > 0;
    if (found) FcFontSetDestroy(found);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return any;
}

}  // namespace fonts

// What a leak checker must not report, read only by AddressSanitizer
// builds (every program that draws text links this file). Fontconfig
// refers to parts of its patterns by offset instead of by pointer, so every
// pattern held for the life of the process looks lost; libhyphen loses a
// few bytes once when it loads some dictionaries, which are loaded once.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\nleak:libhyphen.so\n"; }
// Without this the checker lists the suppressions it used on standard
// error at exit, which the program must keep for its own messages.
extern "C" const char* __lsan_default_options() { return "print_suppressions=0"; }
