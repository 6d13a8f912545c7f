#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr double slack = passningsmån;

struct Prov {
    int procent = 100;
    AttributedString text;
    TextExtent mått;
};

Rect rutaFör(Size ram) {
    return {0, 0, std::isfinite(ram.width) ? ram.width : 0, std::isfinite(ram.height) ? ram.height : 0};
}

// The text at that size, laid out as far as the frame shows, or whole.
Prov prova(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge, int procent,
           bool helt = false) {
    AttributedString skalad = vidProcent(text, procent);
    TextExtent mått = uppmättIRam(mätare, skalad, helt ? Size{ram.width, std::numeric_limits<double>::infinity()} : ram,
                                  läge);
    return {procent, std::move(skalad), std::move(mått)};
}

// The text with lines broken by `brytning` where it had lines kept to
// their line.
AttributedString iställetFörKlippning(const AttributedString& text, LineBreakMode brytning) {
    AttributedString ut;
    for (const auto& run : text.runs()) {
        TextAttributes attribut = run.attributes;
        if (attribut.paragraphStyle && attribut.paragraphStyle->lineBreakMode == LineBreakMode::clipping)
            attribut.paragraphStyle->lineBreakMode = brytning;
        ut.append(std::string_view(text.text()).substr(run.start, run.length), attribut);
    }
    return ut;
}

AttributedString medRadbrytning(const AttributedString& text) {
    return iställetFörKlippning(text, LineBreakMode::wordWrapping);
}

}  // namespace

bool klipper(const AttributedString& text) {
    for (const auto& run : text.runs())
        if (run.attributes.paragraphStyle && run.attributes.paragraphStyle->lineBreakMode == LineBreakMode::clipping)
            return true;
    return false;
}

TextExtent uppmättIRam(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge) {
    const TextBound gräns = std::isfinite(ram.height) ? TextBound::frame(ram.height + slack) : TextBound{};
    TextExtent mått = mätare.extent(text, rutaFör(ram), läge, gräns);
    // A line cut at the frame's edge is measured as wide as the frame; it
    // loses what it cuts, so it counts as wide as it is uncut, which is how
    // it stands without a bound, for a cut line never wraps.
    if (std::isfinite(ram.width) && mått.size.width >= ram.width - slack && klipper(text))
        mått.size.width = std::max(mått.size.width, mätare.extent(text, Rect{}, läge, gräns).size.width);
    return mått;
}

bool inomRamen(const TextExtent& m, Size ram) {
    return m.whole && m.size.height <= ram.height + slack &&
           (!std::isfinite(ram.width) || m.size.width <= ram.width + slack);
}

namespace {

// The text with its lines kept to their line wrapped instead when one of
// them is wider than `bredd` at each of the sizes `procent`, largest
// first, else as it is. A frame `höjd` high shows more lines at a smaller
// size: a size at which the frame does not show them all says nothing of
// the lines it does not show, unless it is the last one tried.
AttributedString radbrutenOmFörBredVid(const TextMeasurer& mätare, const AttributedString& text, double bredd,
                                       TextDrawingMode läge, std::initializer_list<int> procent,
                                       double höjd = std::numeric_limits<double>::infinity()) {
    if (!klipper(text) || !std::isfinite(bredd) || bredd <= 0) return text;
    const Size ram{bredd, höjd};
    for (int p : procent) {
        const TextExtent m = prova(mätare, text, ram, läge, p).mått;
        if (m.size.width <= bredd + slack && (m.whole || p == *std::prev(procent.end()))) return text;
    }
    return medRadbrytning(text);
}

}  // namespace

AttributedString radbrutenDärDenMåste(const TextMeasurer& mätare, const AttributedString& text, double bredd,
                                      TextDrawingMode läge, double höjd) {
    return radbrutenOmFörBredVid(mätare, text, bredd, läge, {100, minstaProcent}, höjd);
}

namespace {

bool avkortar(LineBreakMode läge) {
    return läge == LineBreakMode::truncatingHead || läge == LineBreakMode::truncatingTail ||
           läge == LineBreakMode::truncatingMiddle;
}

bool teckenbörjan(std::string_view text, size_t i) {
    return i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
}

// The end of `text`'s first `slut` bytes without the spaces and breaks
// before it: an ellipsis stands right after the last word it keeps.
size_t utanAvslutandeMellanrum(std::string_view text, size_t slut) {
    for (;;) {
        std::string_view före = text.substr(0, slut);
        if (före.ends_with(' ') || före.ends_with('\t') || före.ends_with('\n') || före.ends_with('\r'))
            slut -= 1;
        else if (före.ends_with(lineSeparator) || före.ends_with(paragraphSeparator))
            slut -= lineSeparator.size();
        else
            return slut;
    }
}

// The first `slut` bytes of the text (spaces and breaks before them left
// out) and an ellipsis in the attributes of the last character kept.
AttributedString medEllips(const AttributedString& text, size_t slut) {
    slut = utanAvslutandeMellanrum(text.text(), slut);
    AttributedString ut = text.substring(0, slut);
    const TextAttributes* attribut = text.attributesAt(slut > 0 ? slut - 1 : 0);
    ut.append(ellips, attribut ? *attribut : TextAttributes{});
    return ut;
}

// At most the text's first bytes that a frame can show (TextMeasurer.h),
// ended on a character boundary: what is cut needs no lines past them.
AttributedString vadEnRamKanVisa(const AttributedString& text) {
    size_t slut = std::min(text.length(), mostBytesInAFrame);
    while (!teckenbörjan(text.text(), slut)) --slut;
    return slut == text.length() ? text : text.substring(0, slut);
}

}  // namespace

AttributedString avkortad(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge) {
    if (text.empty()) return text;
    // A line kept to its line is cut at the frame's edge with an ellipsis
    // instead of there without a sign.
    const AttributedString hel = iställetFörKlippning(text, LineBreakMode::truncatingTail);
    const AttributedString t = vadEnRamKanVisa(hel);
    const double bredd = std::isfinite(ram.width) ? ram.width : 0;
    // Only the lines the frame shows, and the one after them that says
    // whether the text goes on.
    const TextBound gräns = std::isfinite(ram.height) ? TextBound::frame(ram.height + slack) : TextBound{};
    const std::vector<TextLine> rader = mätare.linesUpTo(t, bredd, läge, gräns);
    size_t ryms = 0;
    while (ryms < rader.size() && rader[ryms].bottom <= ram.height + slack) ++ryms;
    ryms = std::max<size_t>(ryms, 1);
    if (ryms >= rader.size()) return t.length() == hel.length() ? hel : medEllips(t, t.length());

    // The last line kept ends in the ellipsis: as much of the text as
    // leaves it no more lines than the frame holds, which may take the
    // beginning of a word the next line starts with. A line cut at its end
    // by the engine shows its own ellipsis where it is too wide.
    const size_t från = rader[ryms - 1].start;
    const ParagraphStyle* stil = t.paragraphStyleAt(från);
    if (stil && avkortar(stil->lineBreakMode)) return medEllips(t, rader[ryms].start);
    const size_t till = ryms + 1 < rader.size() ? rader[ryms + 1].start : t.length();
    std::vector<size_t> slut;
    for (size_t i = från; i <= till; ++i)
        if (teckenbörjan(t.text(), i)) slut.push_back(i);
    auto godtar = [&](size_t i) { return mätare.linesUpTo(medEllips(t, i), bredd, läge, gräns).size() <= ryms; };
    // slut[0] is taken; from slut.size() on, none is.
    return medEllips(t, slut[sistaSomHåller(size_t{0}, slut.size(), [&](size_t i) { return godtar(slut[i]); })]);
}

AttributedString utanSistaRaden(const TextMeasurer& mätare, const AttributedString& text, double bredd,
                                TextDrawingMode läge) {
    const std::vector<TextLine> rader = mätare.lines(text, bredd, läge);
    if (rader.size() < 2) return text;
    return avkortad(mätare, text, {bredd, rader.back().top}, läge);
}
