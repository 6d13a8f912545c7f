#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <map>
#include <optional>
#include <vector>

namespace {

constexpr double slack = passningsmån;

struct Prov {
    int procent = 100;
    AttributedString text;
    TextExtent mått;

    PassadText svar(bool passar) && { return {std::move(text), procent / 100.0, mått.size, passar}; }
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

PassadText passadText(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge,
                      Ramhöjd ramhöjd) {
    Prov hel = prova(mätare, text, ram, läge, 100);
    const bool helPassar = inomRamen(hel.mått, ram);
    if (text.empty() || (helPassar && !hel.mått.brokeWord)) return std::move(hel).svar(helPassar);

    // A word that cannot be kept whole even at 70 % is broken; height and
    // width still decide the size. Measured whole, a text shrinks about in
    // proportion to its size: the size at which it would just fill its
    // frame is tried first.
    std::optional<int> gissning;
    if (hel.mått.whole && hel.mått.size.width > 0 && hel.mått.size.height > 0) {
        const double kvot = std::min((ram.width + slack) / hel.mått.size.width,
                                     (ram.height + slack) / hel.mått.size.height);
        if (kvot < 1) gissning = static_cast<int>(std::floor(100 * kvot));
    }
    // Each size is measured once, as the search for whole words and the
    // one without them try many of the same; only the measures are kept.
    std::map<int, TextExtent> mått{{100, hel.mått}};
    auto vid = [&](int procent) -> const TextExtent& {
        auto it = mått.find(procent);
        if (it == mått.end()) it = mått.emplace(procent, prova(mätare, text, ram, läge, procent).mått).first;
        return it->second;
    };
    auto passar = [&](int procent, bool helaOrd) {
        const TextExtent& m = vid(procent);
        return inomRamen(m, ram) && !(helaOrd && m.brokeWord);
    };
    auto svar = [&](int procent, TextExtent m, bool ryms) {
        return Prov{procent, vidProcent(text, procent), std::move(m)}.svar(ryms);
    };
    if (auto procent = störstaProcentMedHelaOrd(passar, gissning)) return svar(*procent, mått.at(*procent), true);
    // Of a frame that grows, the whole text at 70 % is measured.
    TextExtent minst = vid(minstaProcent);
    if (ramhöjd == Ramhöjd::växer && !minst.whole) minst = prova(mätare, text, ram, läge, minstaProcent, true).mått;
    // Lines kept to their line that are too wide even at 70 % wrap instead,
    // a table's value within its column, and are fitted as such.
    if (klipper(text) && std::isfinite(ram.width) && minst.size.width > ram.width + slack)
        return passadText(mätare, medRadbrytning(text), ram, läge, ramhöjd);
    return svar(minstaProcent, std::move(minst), false);
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

AttributedString radbrutenOmDenÄrFörBred(const TextMeasurer& mätare, const AttributedString& text, double bredd,
                                         TextDrawingMode läge) {
    return radbrutenOmFörBredVid(mätare, text, bredd, läge, {100});
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

AttributedString högstVadEnRamKanVisa(const AttributedString& text) {
    const AttributedString t = vadEnRamKanVisa(text);
    return t.length() == text.length() ? text : medEllips(t, t.length());
}

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
    size_t lo = 0, hi = slut.size();  // slut[lo] is taken; from slut[hi] on, none is
    while (hi - lo > 1) {
        const size_t mitt = (lo + hi) / 2;
        if (godtar(slut[mitt]))
            lo = mitt;
        else
            hi = mitt;
    }
    return medEllips(t, slut[lo]);
}

AttributedString utanSistaRaden(const TextMeasurer& mätare, const AttributedString& text, double bredd,
                                TextDrawingMode läge) {
    const std::vector<TextLine> rader = mätare.lines(text, bredd, läge);
    if (rader.size() < 2) return text;
    return avkortad(mätare, text, {bredd, rader.back().top}, läge);
}

PassadText textInomRam(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge) {
    PassadText passad = passadText(mätare, text, ram, läge, Ramhöjd::fast);
    if (passad.passar) return passad;
    passad.text = avkortad(mätare, passad.text, ram, läge);
    passad.storlek = mätare.extent(passad.text, rutaFör(ram), läge, TextBound::frame(ram.height + slack)).size;
    passad.avkortad = true;
    return passad;
}
