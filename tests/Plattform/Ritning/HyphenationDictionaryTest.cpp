// Our reading of a hyphenation dictionary gives the automaton libhyphen's
// own loader gives, state for state, for every dictionary the invoices use,
// so that libhyphen hyphenates with it exactly as before, only without
// the seconds its loader takes on the German one.
#include "Plattform/Ritning/HyphenationDictionary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Freer {
    void operator()(HyphenDict* d) const { hnj_hyphen_free(d); }
};
using Dictionary = std::unique_ptr<HyphenDict, Freer>;

std::string orNull(const char* s) { return s ? "\"" + std::string(s) + "\"" : "null"; }

std::vector<std::string> noHyphen(const HyphenDict& d) {
    std::vector<std::string> list;
    const char* at = d.nohyphen;
    for (int i = 0; at && i <= d.nohyphenl; ++i, at += std::strlen(at) + 1) list.emplace_back(at);
    return list;
}

// Walks both automata from their roots, pairing states by the letters that
// lead to them, and reports the first difference; then checks that paired
// states fall back to paired states.
void expectSameLevel(const HyphenDict& ours, const HyphenDict& theirs, const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(ours.num_states, theirs.num_states);
    EXPECT_STREQ(ours.cset, theirs.cset);
    EXPECT_EQ(ours.utf8, theirs.utf8);
    EXPECT_EQ(ours.lhmin, theirs.lhmin);
    EXPECT_EQ(ours.rhmin, theirs.rhmin);
    EXPECT_EQ(ours.clhmin, theirs.clhmin);
    EXPECT_EQ(ours.crhmin, theirs.crhmin);
    EXPECT_EQ(noHyphen(ours), noHyphen(theirs));

    std::map<int, int> pair{{-1, -1}, {0, 0}};
    std::vector<std::pair<int, int>> stack{{0, 0}};
    while (!stack.empty()) {
        const auto [o, t] = stack.back();
        stack.pop_back();
        const HyphenState& a = ours.states[o];
        const HyphenState& b = theirs.states[t];
        ASSERT_EQ(orNull(a.match), orNull(b.match)) << "state " << t;
        ASSERT_EQ(orNull(a.repl), orNull(b.repl)) << "state " << t;
        if (b.match) {
            ASSERT_EQ(a.replindex, b.replindex) << "state " << t;
            ASSERT_EQ(a.replcut, b.replcut) << "state " << t;
        }
        ASSERT_EQ(a.num_trans, b.num_trans) << "state " << t;
        for (int k = 0; k < b.num_trans; ++k) {
            int next = -1;
            for (int m = 0; m < a.num_trans; ++m)
                if (a.trans[m].ch == b.trans[k].ch) next = a.trans[m].new_state;
            ASSERT_GE(next, 0) << "state " << t << " lacks '" << b.trans[k].ch << "'";
            pair[next] = b.trans[k].new_state;
            stack.emplace_back(next, b.trans[k].new_state);
        }
    }
    ASSERT_EQ(pair.size(), static_cast<size_t>(theirs.num_states) + 1);
    for (const auto& [o, t] : pair)
        if (o >= 0) {
            ASSERT_EQ(pair.at(ours.states[o].fallback_state), theirs.states[t].fallback_state) << t;
        }
}

TEST(HyphenationDictionary, ReadsEveryDictionaryAsLibhyphenDoes) {
    int read = 0;
    for (const char* name : {"sv_SE", "da_DK", "nb_NO", "nn_NO", "en_US", "de_DE", "fr_FR", "it_IT", "nl_NL", "es_ES"}) {
        const std::string path = std::string("/usr/share/hyphen/hyph_") + name + ".dic";
        if (!std::filesystem::exists(path)) continue;
        Dictionary ours(loadHyphenationDictionary(path));
        Dictionary theirs(hnj_hyphen_load(path.c_str()));
        ASSERT_TRUE(ours && theirs) << path;
        expectSameLevel(*ours, *theirs, path);
        ASSERT_EQ(ours->nextlevel != nullptr, theirs->nextlevel != nullptr) << path;
        if (theirs->nextlevel) expectSameLevel(*ours->nextlevel, *theirs->nextlevel, path + ", second level");
        ++read;
    }
    EXPECT_GE(read, 1) << "no dictionary installed";
}

TEST(HyphenationDictionary, AFileThatCannotBeReadGivesNone) {
    EXPECT_EQ(loadHyphenationDictionary("/nonexistent/hyph_xx.dic"), nullptr);
}

}  // namespace
