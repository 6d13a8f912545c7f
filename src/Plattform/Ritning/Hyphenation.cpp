#include "Plattform/Ritning/Hyphenation.h"

#include "Plattform/Ritning/HyphenationDictionary.h"

#include <hyphen.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace {

constexpr const char* dictionaryDirectory = "/usr/share/hyphen";

// Where a language has no dictionary of its bare code, the country whose
// dictionary stands for it.
std::string dictionaryPath(std::string language) {
    for (char& c : language)
        if (c == '-') c = '_';
    static const std::map<std::string, std::string, std::less<>> countries = {
        {"sv", "sv_SE"}, {"da", "da_DK"}, {"es", "es_ES"}, {"no", "nb_NO"}, {"nb", "nb_NO"}, {"nn", "nn_NO"},
        {"en", "en_US"}, {"de", "de_DE"}, {"fr", "fr_FR"}, {"it", "it_IT"}, {"nl", "nl_NL"},
    };
    std::string bare = language.substr(0, language.find('_'));
    for (const std::string& name : {language, bare, countries.count(bare) ? countries.at(bare) : std::string()}) {
        if (name.empty()) continue;
        std::filesystem::path path = std::filesystem::path(dictionaryDirectory) / ("hyph_" + name + ".dic");
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) return path.string();
    }
    return {};
}

struct DictionaryDeleter {
    void operator()(HyphenDict* d) const { hnj_hyphen_free(d); }
};

// Loaded once per language and kept; null when there is none.
HyphenDict* dictionary(std::string_view language) {
    static std::mutex mutex;
    static std::map<std::string, std::unique_ptr<HyphenDict, DictionaryDeleter>, std::less<>> loaded;
    std::lock_guard lock(mutex);
    auto it = loaded.find(language);
    if (it == loaded.end()) {
        std::string path = dictionaryPath(std::string(language));
        HyphenDict* d = path.empty() ? nullptr : loadHyphenationDictionary(path);
        it = loaded.emplace(std::string(language), d).first;
    }
    return it->second.get();
}

// Appends the points of one word (the letters at [start, end) of text).
void hyphenateWord(HyphenDict* dict, std::string_view text, size_t start, size_t end,
                   std::vector<size_t>& points) {
    // Patterns are lower case, in the dictionary's encoding: UTF-8 or (for
    // the Nordic, German and Dutch dictionaries) ISO 8859-1. A word the
    // encoding cannot hold is left whole.
    std::string word;
    std::vector<size_t> characterStarts;
    for (size_t i = start; i < end;) {
        characterStarts.push_back(i);
        UChar32 c;
        U8_NEXT(text.data(), i, end, c);
        UChar32 lower = u_tolower(c);
        if (dict->utf8) {
            char buffer[U8_MAX_LENGTH];
            size_t n = 0;
            U8_APPEND_UNSAFE(buffer, n, lower);
            word.append(buffer, n);
        } else if (lower >= 0 && lower <= 0xFF) {
            word += static_cast<char>(lower);
        } else {
            return;
        }
    }
    constexpr size_t longestWord = 100;
    if (characterStarts.size() < 2 * shortestWordPart || word.size() > longestWord) return;
    std::string hyphens(word.size() + 5, '\0');
    char** rep = nullptr;
    int* pos = nullptr;
    int* cut = nullptr;
    if (hnj_hyphen_hyphenate3(dict, word.data(), static_cast<int>(word.size()), hyphens.data(), nullptr, &rep, &pos,
                              &cut, shortestWordPart, shortestWordPart, shortestWordPart, shortestWordPart) == 0) {
        // hyphens[i] odd: a break after character i. Breaks that change the
        // spelling (rep) are left out: a soft hyphen cannot express them.
        for (size_t i = 0; i + 1 < characterStarts.size(); ++i)
            if ((hyphens[i] & 1) && !(rep && rep[i])) points.push_back(characterStarts[i + 1]);
    }
    if (rep) {
        for (size_t i = 0; i < word.size(); ++i) std::free(rep[i]);
        std::free(rep);
    }
    std::free(pos);
    std::free(cut);
}

}  // namespace

std::vector<size_t> hyphenationPoints(std::string_view text, std::string_view language) {
    std::vector<size_t> points;
    HyphenDict* dict = language.empty() ? nullptr : dictionary(language);
    if (!dict) return points;
    size_t wordStart = 0;
    bool inWord = false;
    for (size_t i = 0; i < text.size();) {
        size_t at = i;
        UChar32 c;
        U8_NEXT(text.data(), i, text.size(), c);
        bool letter = c >= 0 && (u_isalpha(c) || u_hasBinaryProperty(c, UCHAR_DIACRITIC));
        if (letter && !inWord) wordStart = at, inWord = true;
        if (!letter && inWord) hyphenateWord(dict, text, wordStart, at, points), inWord = false;
    }
    if (inWord) hyphenateWord(dict, text, wordStart, text.size(), points);
    return points;
}
