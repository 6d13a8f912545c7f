// The text as pango is handed it: no run of characters that shape as one
// grows past the bound, whatever the text, and real text is handed over
// as it is.
#include "ClusterBoundaries.h"

#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Ritning/PangoText.h"
#include "Plattform/Ritning/StreamSafeText.h"
#include "Plattform/Ritning/TextMeasurer.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

std::string repeated(const std::string& s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
}

// Texts an import can plant, each some 2000 characters of one cluster or
// of a run that shaping looks past.
const std::vector<std::pair<const char*, std::string>> hostile = {
    {"letter and accents", "a" + repeated("\u0301", 2000)},
    {"zero-width joiners", repeated("\u200D", 2000)},
    {"letter and joiners", "a" + repeated("\u200D", 2000)},
    {"no-break space and Hebrew points", "\u00A0" + repeated("\u05B0", 2000)},
    {"zero-width space and Hebrew point", repeated("\u200B\u05B0", 1000)},
    {"zero-width space and accent", repeated("\u200B\u0301", 1000)},
    {"line separator and accent", repeated("\u2028\u0301", 1000)},
    {"space and accents", " " + repeated("\u0301", 2000)},
    {"emoji joined by joiners", "\U0001F468" + repeated("\u200D\U0001F469", 700)},
    {"Hangul leading consonants", repeated("\u1100", 2000)},
    {"prepended concatenation marks", repeated("\u0600", 2000) + "1"},
    {"variation selectors", "a" + repeated("\uFE0F", 2000)},
    {"spacing marks", "\u0915" + repeated("\u093F", 2000)},
    {"tags", "\U0001F3F4" + repeated("\U000E0067", 2000)},
};

std::vector<UChar32> codePoints(const std::string& s) {
    std::vector<UChar32> out;
    for (size_t i = 0; i < s.size();) {
        UChar32 c;
        U8_NEXT(s.data(), i, s.size(), c);
        out.push_back(c);
    }
    return out;
}

// Byte offsets where pango starts another item: the ends of the font
// attributes.
std::set<size_t> pieceEnds(const text::PangoText& t) {
    std::set<size_t> ends;
    PangoAttrIterator* it = pango_attr_list_get_iterator(t.attributes.get());
    do {
        int start = 0, end = 0;
        pango_attr_iterator_range(it, &start, &end);
        if (pango_attr_iterator_get(it, PANGO_ATTR_FONT_DESC)) ends.insert(static_cast<size_t>(end));
    } while (pango_attr_iterator_next(it));
    pango_attr_iterator_destroy(it);
    return ends;
}

bool lookedPastInShaping(UChar32 c) {
    return (U_GET_GC_MASK(c) & U_GC_M_MASK) || u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT);
}

// The most characters in a row, within one piece, that join the character
// before them: inside one grapheme cluster, or looked past in shaping.
size_t longestJoinedRun(const text::PangoText& t) {
    const std::set<size_t> pieces = pieceEnds(t), clusters = clusterBoundaries(t.text);
    size_t longest = 0, run = 0;
    for (size_t i = 0; i < t.text.size();) {
        const size_t at = i;
        UChar32 c;
        U8_NEXT(t.text.data(), i, t.text.size(), c);
        const bool joins = at > 0 && !pieces.contains(at) && (!clusters.contains(at) || lookedPastInShaping(c));
        run = joins ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

text::PangoText handedToPango(const AttributedString& s, bool separatorsAsSpaces = false) {
    return text::pangoText(s, 0, s.length(), separatorsAsSpaces, {});
}

const TextAttributes helvetica{{}, std::nullopt, Font{"HelveticaNeue", 9}};

}  // namespace

TEST(StreamSafeText, NoRunThatShapesAsOneGrowsPastTheBound) {
    for (const auto& [name, text] : hostile) {
        SCOPED_TRACE(name);
        for (bool separatorsAsSpaces : {false, true}) {
            // In one run, and split over two of different fonts.
            int32_t split = 100;
            U8_SET_CP_START(reinterpret_cast<const uint8_t*>(text.data()), 0, split);
            AttributedString two(text.substr(0, split), helvetica);
            two.append(text.substr(split), TextAttributes{{}, std::nullopt, Font{"Baskerville", 9}});
            for (const AttributedString& s : {AttributedString(text, helvetica), two}) {
                const text::PangoText t = handedToPango(s, separatorsAsSpaces);
                EXPECT_LE(longestJoinedRun(t), text::longestJoinedRun);
                // Every character of the text is kept, in order; what was put
                // in is a joiner, a no-break space under a mark, or a space
                // for a separator.
                const std::vector<UChar32> original = codePoints(text), handed = codePoints(t.text);
                size_t next = 0;
                for (UChar32 c : handed) {
                    const bool asSpace = separatorsAsSpaces && c == ' ' && next < original.size() &&
                                         original[next] == 0x2028;
                    if (next < original.size() && (c == original[next] || asSpace)) ++next;
                    else EXPECT_TRUE(c == text::graphemeJoiner || c == 0xA0) << std::hex << c;
                }
                EXPECT_EQ(next, original.size());
            }
        }
    }
}

TEST(StreamSafeText, RealTextIsHandedOverAsItIs) {
    for (const std::string& text : {
             std::string("Art.-Nr. Konsulttimmar, ventilationsaggregat och fläktar"),
             std::string("Tiếng Việt: Nguyễn Thị Ánh, ệ ở ữ"),
             std::string("\u05D1\u05BC\u05B0\u05E8\u05B5\u05D0\u05E9\u05B4\u0591\u05D9\u05EA"),
             std::string("\u0628\u0650\u0633\u0652\u0645\u0650 \u0627\u0644\u0644\u0651\u064E\u0647\u0650"),
             std::string("\u0915\u094D\u0937\u093F \u0926\u0947\u0935\u0928\u093E\u0917\u0930\u0940 \u0E20\u0E32\u0E29\u0E32\u0E44\u0E17\u0E22"),
             std::string("\U0001F469\U0001F3FD\u200D\u2764\uFE0F\u200D\U0001F48B\u200D\U0001F468\U0001F3FB \U0001F3F4\U000E0067\U000E0062\U000E0073\U000E0063\U000E0074\U000E007F"),
             repeated("\U0001F1F8\U0001F1EA", 40),
             "Z" + repeated("\u0301\u0316\u0352", 10) + "algo",
             repeated("\uAC00\u1100\u1161\u11A8", 30),
         }) {
        SCOPED_TRACE(text);
        EXPECT_EQ(handedToPango(AttributedString(text, helvetica)).text, text);
    }
}

TEST(StreamSafeText, OneLetterUnderAllItsAccentsStaysOneLine) {
    // The joiners put in offer no break: the cluster is laid out as one,
    // as it is under a few accents (drawn from the fallback face).
    const TextMeasurer& engine = systemTextMeasurer();
    const double few = engine.boundingSize(AttributedString("a" + repeated("\u0301", 5), helvetica), {60, 1e6}).height;
    EXPECT_NEAR(engine.boundingSize(AttributedString(hostile[0].second, helvetica), {60, 1e6}).height, few, 0.001);
}
