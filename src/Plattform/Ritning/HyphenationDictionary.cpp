#include "Plattform/Ritning/HyphenationDictionary.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

// The file is read as libhyphen reads it, line for line, so that every
// dictionary gives the automaton libhyphen would give it: the character
// set on the first line; lines of MAX_CHARS bytes or more passed over;
// "%" lines are comments; the settings LEFTHYPHENMIN, RIGHTHYPHENMIN,
// COMPOUNDLEFTHYPHENMIN, COMPOUNDRIGHTHYPHENMIN and NOHYPHEN; patterns
// with digits between their letters, and non-standard ones
// ("pattern/replacement,index,cut"); NEXTLEVEL begins the second level, and
// a dictionary without one gets libhyphen's default second level.

namespace {

char* duplicate(const char* s) {
    const size_t n = std::strlen(s) + 1;
    char* copy = static_cast<char*>(std::malloc(n));
    std::memcpy(copy, s, n);
    return copy;
}

// Drops one or two line ends from the end of `s`.
void chomp(char* s) {
    const size_t n = std::strlen(s);
    if (n > 0 && (s[n - 1] == '\r' || s[n - 1] == '\n')) s[n - 1] = '\0';
    if (n > 1 && (s[n - 2] == '\r' || s[n - 2] == '\n')) s[n - 2] = '\0';
}

// One level of the dictionary being built: its states form a trie of the
// patterns' letters. Blocks are malloc'ed, as hnj_hyphen_free frees them.
class Level {
public:
    HyphenDict* dict;

    Level() : dict(static_cast<HyphenDict*>(std::calloc(1, sizeof(HyphenDict)))) {
        dict->num_states = 1;
        dict->states = static_cast<HyphenState*>(std::malloc(sizeof(HyphenState)));
        dict->states[0] = HyphenState{nullptr, nullptr, 0, 0, -1, 0, nullptr};
    }

    // The state of `word`, made with the states of its prefixes as needed.
    int state(const char* word) {
        int at = 0;
        for (const char* c = word; *c; ++c) {
            int next = child(at, *c);
            if (next < 0) {
                next = newState();
                addTransition(at, next, *c);
            }
            at = next;
        }
        return at;
    }

    int child(int state, char c) const {
        const HyphenState& s = dict->states[state];
        for (int k = 0; k < s.num_trans; ++k)
            if (s.trans[k].ch == c) return s.trans[k].new_state;
        return -1;
    }

    // Each state falls back to its longest proper suffix that is a state:
    // the failure links of a pattern matcher, found breadth first.
    void setFallbacks() {
        std::vector<int> queue{0};
        for (size_t next = 0; next < queue.size(); ++next) {
            const int from = queue[next];
            const HyphenState& s = dict->states[from];
            for (int k = 0; k < s.num_trans; ++k) {
                const char c = s.trans[k].ch;
                const int to = s.trans[k].new_state;
                int fallback = dict->states[from].fallback_state;
                while (fallback >= 0 && child(fallback, c) < 0) fallback = dict->states[fallback].fallback_state;
                dict->states[to].fallback_state = fallback < 0 ? 0 : child(fallback, c);
                queue.push_back(to);
            }
        }
    }

    // One line of the file, its line end included.
    void read(char* line);

private:
    size_t capacity = 1;

    int newState() {
        if (static_cast<size_t>(dict->num_states) == capacity) {
            capacity *= 2;
            dict->states = static_cast<HyphenState*>(std::realloc(dict->states, capacity * sizeof(HyphenState)));
        }
        dict->states[dict->num_states] = HyphenState{nullptr, nullptr, 0, 0, -1, 0, nullptr};
        return dict->num_states++;
    }

    void addTransition(int from, int to, char c) {
        HyphenState& s = dict->states[from];
        if (s.num_trans == 0)
            s.trans = static_cast<HyphenTrans*>(std::malloc(sizeof(HyphenTrans)));
        else if (!(s.num_trans & (s.num_trans - 1)))
            s.trans = static_cast<HyphenTrans*>(std::realloc(s.trans, 2 * s.num_trans * sizeof(HyphenTrans)));
        s.trans[s.num_trans++] = HyphenTrans{c, to};
    }

    void readNoHyphen(char* list);
};

void Level::readNoHyphen(char* list) {
    while (*list == ' ' || *list == '\t') ++list;
    std::free(dict->nohyphen);
    dict->nohyphen = duplicate(list);
    // The last character is the line's end; commas part the sequences.
    const size_t n = std::strlen(dict->nohyphen);
    if (n == 0) return;
    char* end = dict->nohyphen + n - 1;
    *end = '\0';
    for (char* c = end - 1; c > dict->nohyphen; --c)
        if (*c == ',') {
            ++dict->nohyphenl;
            *c = '\0';
        }
}

void Level::read(char* line) {
    struct Setting {
        const char* name;
        char HyphenDict::*value;
    };
    // The longer names first: each is a prefix test.
    static const Setting settings[] = {{"COMPOUNDLEFTHYPHENMIN", &HyphenDict::clhmin},
                                       {"COMPOUNDRIGHTHYPHENMIN", &HyphenDict::crhmin},
                                       {"LEFTHYPHENMIN", &HyphenDict::lhmin},
                                       {"RIGHTHYPHENMIN", &HyphenDict::rhmin}};
    for (const Setting& s : settings)
        if (std::strncmp(line, s.name, std::strlen(s.name)) == 0) {
            dict->*s.value = static_cast<char>(std::atoi(line + std::strlen(s.name)));
            return;
        }
    if (std::strncmp(line, "NOHYPHEN", 8) == 0) return readNoHyphen(line + 8);

    // A non-standard pattern: "letters/replacement,index,cut", the index
    // counted from 1; without index and cut the replacement stands for
    // the whole pattern.
    char* replacement = std::strchr(line, '/');
    signed char replacementIndex = 0, replacementCut = 0;
    if (replacement) {
        *replacement = '\0';
        char* index = std::strchr(replacement + 1, ',');
        if (index) {
            *index = '\0';
            if (char* cut = std::strchr(index + 1, ',')) {
                *cut = '\0';
                replacementIndex = static_cast<signed char>(std::atoi(index + 1) - 1);
                replacementCut = static_cast<signed char>(std::atoi(cut + 1));
            }
        } else {
            chomp(replacement + 1);
            replacementCut = static_cast<signed char>(std::strlen(line));
        }
        replacement = duplicate(replacement + 1);
    }

    // The letters, and the digit before each of them and after the last.
    char word[MAX_CHARS + 2];
    char digits[MAX_CHARS + 2];
    int n = 0;
    digits[0] = '0';
    for (int i = 0; static_cast<unsigned char>(line[i]) > static_cast<unsigned char>(' '); ++i) {
        if (line[i] >= '0' && line[i] <= '9') {
            digits[n] = line[i];
        } else {
            word[n] = line[i];
            digits[++n] = '0';
        }
    }
    word[n] = '\0';
    digits[n + 1] = '\0';

    int first = 0;
    if (!replacement) {
        while (digits[first] == '0') ++first;
    } else {
        if (*word == '.') ++first;
        if (dict->utf8) {
            // Index and cut count characters; the matcher counts bytes.
            int character = -1, start = -1;
            for (size_t byte = *word == '.' ? 1 : 0; byte < std::strlen(word) + 1; ++byte) {
                if ((static_cast<unsigned char>(word[byte]) >> 6) != 2) ++character;
                if (start < 0 && replacementIndex == character) {
                    start = replacementIndex;
                    replacementIndex = static_cast<signed char>(byte);
                }
                if (start >= 0 && character - start == replacementCut) {
                    replacementCut = static_cast<signed char>(byte - replacementIndex);
                    break;
                }
            }
            if (*word == '.') --replacementIndex;
        }
    }

    const int at = state(word);  // may move the states
    HyphenState& s = dict->states[at];
    std::free(s.match);
    std::free(s.repl);
    s.match = duplicate(digits + first);
    s.repl = replacement;
    s.replindex = replacementIndex;
    s.replcut = replacementCut ? replacementCut : static_cast<signed char>(std::strlen(word));
}

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

// Reads lines into `level` up to the end or NEXTLEVEL; true at NEXTLEVEL.
bool readPatterns(FILE* file, Level& level) {
    char line[MAX_CHARS];
    while (std::fgets(line, sizeof line, file)) {
        if (!std::feof(file) && !std::strchr(line, '\n')) {
            int c;
            while ((c = std::fgetc(file)) != '\n' && c != EOF) {
            }
            continue;
        }
        if (std::strncmp(line, "NEXTLEVEL", 9) == 0) return true;
        if (line[0] != '%') level.read(line);
    }
    return false;
}

// The level libhyphen puts over a dictionary that has only one: it parts a
// word at hyphens and apostrophes, and the file's patterns apply to the
// parts.
void readDefaultLevel(Level& level, bool utf8) {
    std::vector<std::string> lines = {"NOHYPHEN ',-\n", "1-1\n", "1'1\n"};
    if (utf8) lines = {"NOHYPHEN ',\xe2\x80\x93,\xe2\x80\x99,-\n", "1-1\n", "1'1\n", "1\xe2\x80\x93" "1\n",
                       "1\xe2\x80\x99" "1\n"};
    for (std::string& line : lines) level.read(line.data());
}

}  // namespace

HyphenDict* loadHyphenationDictionary(const std::string& path) {
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "r"));
    if (!file) return nullptr;

    Level first;
    HyphenDict* top = first.dict;
    if (!std::fgets(top->cset, sizeof top->cset, file.get())) top->cset[0] = '\0';
    for (char& c : top->cset)
        if (c == '\r' || c == '\n') c = '\0';
    top->utf8 = std::strcmp(top->cset, "UTF-8") == 0;
    const bool twoLevels = readPatterns(file.get(), first);
    first.setFallbacks();

    Level second;
    HyphenDict* other = second.dict;
    std::memcpy(other->cset, top->cset, sizeof other->cset);
    other->utf8 = top->utf8;
    if (twoLevels) {
        readPatterns(file.get(), second);
        second.setFallbacks();
        top->nextlevel = other;
        return top;
    }
    readDefaultLevel(second, top->utf8);
    second.setFallbacks();
    other->nextlevel = top;
    other->lhmin = top->lhmin;
    other->rhmin = top->rhmin;
    other->clhmin = top->clhmin ? top->clhmin : top->lhmin ? top->lhmin : 3;
    other->crhmin = top->crhmin ? top->crhmin : top->rhmin ? top->rhmin : 3;
    return other;
}
