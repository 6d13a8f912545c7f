#include "Plattform/Ritning/StreamSafeText.h"

#include <unicode/uchar.h>

namespace text {
namespace {

bool controlKind(int k) { return k == U_GCB_CONTROL || k == U_GCB_CR || k == U_GCB_LF; }

}  // namespace

// Shaping passes over marks and default-ignorable characters when it looks
// for the base a mark sits on or the next letter of a ligature. ASCII, most
// of every text, is told without a look-up.
JoinedRun::Character::Character(UChar32 c) {
    if (c >= 0 && c < 0x80) {
        kind = c == '\r' ? U_GCB_CR : c == '\n' ? U_GCB_LF : c < 0x20 || c == 0x7F ? U_GCB_CONTROL : U_GCB_OTHER;
        lookedPast = pictographic = false;
        return;
    }
    kind = u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK);
    lookedPast = (U_GET_GC_MASK(c) & U_GC_M_MASK) != 0 || u_getCombiningClass(c) != 0 ||
                 u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT);
    pictographic = u_hasBinaryProperty(c, UCHAR_EXTENDED_PICTOGRAPHIC);
}

bool JoinedRun::continues(const Character& c) const {
    if (!any_) return false;
    if (c.lookedPast) return true;
    // The rules GB3 to GB13 of UAX #29 that keep two characters together.
    const int before = previousKind_, kind = c.kind;
    if (before == U_GCB_CR && kind == U_GCB_LF) return true;
    if (controlKind(before) || controlKind(kind)) return false;
    if (before == U_GCB_L && (kind == U_GCB_L || kind == U_GCB_V || kind == U_GCB_LV || kind == U_GCB_LVT))
        return true;
    if ((before == U_GCB_LV || before == U_GCB_V) && (kind == U_GCB_V || kind == U_GCB_T)) return true;
    if ((before == U_GCB_LVT || before == U_GCB_T) && kind == U_GCB_T) return true;
    if (extendsCluster(kind) || before == U_GCB_PREPEND)
        return true;
    if (zwjAfterPictographic_ && c.pictographic) return true;
    return kind == U_GCB_REGIONAL_INDICATOR && regionalIndicators_ % 2 == 1;
}

void JoinedRun::written(UChar32 c) {
    const Character character(c);
    joined_ = continues(character) ? joined_ + 1 : 0;
    const int kind = character.kind;
    regionalIndicators_ = kind == U_GCB_REGIONAL_INDICATOR ? regionalIndicators_ + 1 : 0;
    zwjAfterPictographic_ = kind == U_GCB_ZWJ && pictographicThenExtends_;
    pictographicThenExtends_ = character.pictographic || (kind == U_GCB_EXTEND && pictographicThenExtends_);
    previousKind_ = kind;
    any_ = true;
}

void JoinedRun::joinerWritten() {
    written(graphemeJoiner);
    joined_ = 0;
}

}  // namespace text
