#pragma once
// Runs of characters that shape as one, kept short. Shaping joins a base
// and what follows it into one cluster (combining marks, joiners, Hangul
// jamo, emoji sequences), and looks past marks and default-ignorable
// characters when it searches for a base or the next letter of a
// ligature: both cost the square of a run's length, about a minute for
// one letter followed by 100 000 accents. As Unicode's Stream-Safe Text
// Format (UAX #15) bounds runs of non-starters, the text engine puts a
// combining grapheme joiner (U+034F, default-ignorable: it shows nothing)
// after every `longestJoinedRun` characters that continue such a run, and
// cuts the text into another piece to shape there (PangoText.cpp). Runs
// that long are never found in real text, which is left as it is.
#include <unicode/uchar.h>
#include <unicode/umachine.h>

#include <cstddef>

namespace text {

inline constexpr size_t longestJoinedRun = 30;
inline constexpr UChar32 graphemeJoiner = 0x034F;

// Whether a character of this grapheme cluster break property joins the
// one before it in one cluster (marks, joiners; rules GB9 and GB9a).
inline bool extendsCluster(int kind) {
    return kind == U_GCB_EXTEND || kind == U_GCB_ZWJ || kind == U_GCB_SPACING_MARK;
}

// Follows the characters of a text as they are written and tells where a
// joiner goes.
class JoinedRun {
public:
    // Whether a joiner must be written before `c`: it would continue a run
    // that already holds `longestJoinedRun` characters after its first.
    bool needsJoinerBefore(UChar32 c) const { return joined_ >= longestJoinedRun && continues(Character(c)); }
    // Whether `c` starts a cluster of its own: shaping takes nothing
    // before it into its cluster. One does within `longestJoinedRun`
    // characters, after a joiner where no other.
    bool startsCluster(UChar32 c) const { return !continues(Character(c)); }

    // After `c` was written.
    void written(UChar32 c);
    // After a joiner was written: a piece of its own starts after it.
    void joinerWritten();

private:
    // What the rules ask of a character, looked up once.
    struct Character {
        explicit Character(UChar32 c);
        int kind;  // grapheme cluster break property
        bool lookedPast;  // a mark or default-ignorable: shaping looks past it
        bool pictographic;
    };
    // Whether `c` joins the cluster of the character before it (the
    // grapheme cluster rules of UAX #29) or is one shaping looks past.
    bool continues(const Character& c) const;

    bool any_ = false;        // a character was written
    int previousKind_ = 0;    // its grapheme cluster break property
    size_t joined_ = 0;       // characters continuing the run after its first
    size_t regionalIndicators_ = 0;   // in a row, up to the last written
    bool pictographicThenExtends_ = false;  // Extended_Pictographic Extend* just written
    bool zwjAfterPictographic_ = false;     // and then a zero-width joiner
};

}  // namespace text
