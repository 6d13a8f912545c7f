#include "Vyer/Faktura/Textpassning.h"

#include <cmath>
#include <optional>

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

bool klipper(const AttributedString& text) {
    for (const auto& run : text.runs())
        if (run.attributes.paragraphStyle && run.attributes.paragraphStyle->lineBreakMode == LineBreakMode::clipping)
            return true;
    return false;
}

// The text at that size, laid out as far as the frame shows, or whole.
Prov prova(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge, int procent,
           bool helt = false) {
    AttributedString skalad = procent == 100 ? text : text.scaled(procent / 100.0);
    const Rect ruta{0, 0, std::isfinite(ram.width) ? ram.width : 0, std::isfinite(ram.height) ? ram.height : 0};
    const TextBound gräns = helt || !std::isfinite(ram.height) ? TextBound{} : TextBound::frame(ram.height + slack);
    TextExtent mått = mätare.extent(skalad, ruta, läge, gräns);
    // A line cut at the frame's edge is measured as wide as the frame; it
    // loses what it cuts, so it counts as wide as it is uncut, which is how
    // it stands without a bound, for a cut line never wraps.
    if (std::isfinite(ram.width) && mått.size.width >= ram.width - slack && klipper(skalad))
        mått.size.width = std::max(mått.size.width, mätare.extent(skalad, Rect{}, läge, gräns).size.width);
    return {procent, std::move(skalad), std::move(mått)};
}

bool inomRamen(const TextExtent& m, Size ram) {
    return m.whole && m.size.height <= ram.height + slack &&
           (!std::isfinite(ram.width) || m.size.width <= ram.width + slack);
}

}  // namespace

PassadText passadText(const TextMeasurer& mätare, const AttributedString& text, Size ram, TextDrawingMode läge,
                      Ramhöjd ramhöjd) {
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
    return prova(mätare, text, ram, läge, minstaProcent, ramhöjd == Ramhöjd::växer).svar(false);
}
