#include "Vyer/Faktura/Textpassning.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// Whole percent, so that texts that differ a little get the same size.
constexpr int minstaProcent = 70;
constexpr double slack = 0.5;

struct Prov {
    int procent = 100;
    AttributedString text;
    TextExtent mått;

    PassadText svar(bool passar) && { return {std::move(text), procent / 100.0, mått.size, passar}; }
};

Rect rutaFör(Size ram) {
    return {0, 0, std::isfinite(ram.width) ? ram.width : 0, std::isfinite(ram.height) ? ram.height : 0};
}

bool klipper(const AttributedString& text) {
    for (const auto& run : text.runs())
        if (run.attributes.paragraphStyle && run.attributes.paragraphStyle->lineBreakMode == LineBreakMode::clipping)
            return true;
    return false;
}

Prov prova(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge, int procent) {
    AttributedString skalad = procent == 100 ? text : text.scaled(procent / 100.0);
    TextExtent mått = mätare.extent(skalad, rutaFör(ram), läge);
    // A line cut at the frame's edge is measured as wide as the frame; it
    // loses what it cuts, so it counts as wide as it is uncut, which is how
    // it stands without a bound, for a cut line never wraps.
    if (std::isfinite(ram.width) && mått.size.width >= ram.width - slack && klipper(skalad))
        mått.size.width = std::max(mått.size.width, mätare.extent(skalad, Rect{}, läge).size.width);
    return {procent, std::move(skalad), std::move(mått)};
}

bool inomRamen(const TextExtent& m, Size ram) {
    return m.size.height <= ram.height + slack && (!std::isfinite(ram.width) || m.size.width <= ram.width + slack);
}

}  // namespace

PassadText passadText(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge) {
    Prov hel = prova(mätare, text, ram, läge, 100);
    const bool helPassar = inomRamen(hel.mått, ram);
    if (text.empty() || (helPassar && !hel.mått.brokeWord)) return std::move(hel).svar(helPassar);

    // The largest whole percent whose measure `godtar` takes, if any: a
    // smaller text is taken as fitting wherever a larger one is.
    auto störst = [&](auto godtar) -> std::optional<Prov> {
        Prov minst = prova(mätare, text, ram, läge, minstaProcent);
        if (!godtar(minst.mått)) return std::nullopt;
        Prov bäst = std::move(minst);
        int hi = 100;  // does not pass
        while (hi - bäst.procent > 1) {
            Prov p = prova(mätare, text, ram, läge, (bäst.procent + hi) / 2);
            if (godtar(p.mått))
                bäst = std::move(p);
            else
                hi = p.procent;
        }
        return bäst;
    };
    // A word that cannot be kept whole even at 70 % is broken; height and
    // width still decide the size.
    if (auto p = störst([&](const TextExtent& m) { return inomRamen(m, ram) && !m.brokeWord; }))
        return std::move(*p).svar(true);
    if (helPassar) return std::move(hel).svar(true);
    if (auto p = störst([&](const TextExtent& m) { return inomRamen(m, ram); })) return std::move(*p).svar(true);
    return prova(mätare, text, ram, läge, minstaProcent).svar(false);
}

namespace {

bool avkortar(LineBreakMode läge) {
    return läge == LineBreakMode::truncatingHead || läge == LineBreakMode::truncatingTail ||
           läge == LineBreakMode::truncatingMiddle;
}

// The text with every line that keeps to its line cut at the frame's edge
// by an ellipsis instead of there without a sign.
AttributedString medEllipsDärRadenKlipps(const AttributedString& text) {
    AttributedString ut;
    for (const auto& run : text.runs()) {
        TextAttributes attribut = run.attributes;
        if (attribut.paragraphStyle && attribut.paragraphStyle->lineBreakMode == LineBreakMode::clipping)
            attribut.paragraphStyle->lineBreakMode = LineBreakMode::truncatingTail;
        ut.append(std::string_view(text.text()).substr(run.start, run.length), attribut);
    }
    return ut;
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

}  // namespace

AttributedString avkortad(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge) {
    if (text.empty()) return text;
    const AttributedString t = klipper(text) ? medEllipsDärRadenKlipps(text) : text;
    const double bredd = std::isfinite(ram.width) ? ram.width : 0;
    const std::vector<TextLine> rader = mätare.lines(t, bredd, läge);
    size_t ryms = 0;
    while (ryms < rader.size() && rader[ryms].bottom <= ram.height + slack) ++ryms;
    ryms = std::max<size_t>(ryms, 1);
    if (ryms >= rader.size()) return t;

    // The last line kept ends in the ellipsis: as much of it as leaves the
    // text no more lines than the frame holds. A line cut at its end by
    // the engine shows its own ellipsis where it is too wide.
    const size_t från = rader[ryms - 1].start, till = rader[ryms].start;
    const ParagraphStyle* stil = t.paragraphStyleAt(från);
    if (stil && avkortar(stil->lineBreakMode)) return medEllips(t, till);
    std::vector<size_t> slut;
    for (size_t i = från; i <= till; ++i)
        if (teckenbörjan(t.text(), i)) slut.push_back(i);
    auto godtar = [&](size_t i) { return mätare.lines(medEllips(t, i), bredd, läge).size() <= ryms; };
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

PassadText textInomRam(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge) {
    PassadText passad = passadText(mätare, text, ram, läge);
    if (passad.passar) return passad;
    passad.text = avkortad(mätare, passad.text, ram, läge);
    passad.storlek = mätare.extent(passad.text, rutaFör(ram), läge).size;
    passad.avkortad = true;
    return passad;
}
