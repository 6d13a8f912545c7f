#include "Plattform/Ritning/LongWords.h"

#include <hb.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string_view>

namespace text {
namespace {

enum Flag : uint8_t {
    lineBreak = 1,        // a word may end before this character
    characterBreak = 2,   // a line may end before this character
    mandatoryBreak = 4,   // a line ends before this character
    whiteSpace = 8,       // this character is white space
    hyphenAtBreak = 16,   // a break before this character shows a hyphen: it follows a soft hyphen
};

// The paragraph shaped on one line, as pango shapes it.
struct Shaped {
    std::vector<uint32_t> offsets;  // byte offset of each character, then of the end
    std::vector<int> advances;      // of each character, pango units
    std::vector<uint8_t> flags;     // of each character, then of the end
    struct Item {
        size_t first = 0;  // character
        PangoFont* font = nullptr;
        std::optional<fonts::LineMetrics> metrics;
    };
    std::vector<Item> items;  // in text order

    size_t characters() const { return advances.size(); }
    const Item& itemAt(size_t character) const {
        auto after = std::upper_bound(items.begin(), items.end(), character,
                                      [](size_t c, const Item& i) { return c < i.first; });
        return *(after - 1);
    }
};

std::optional<Shaped> shape(const PangoText& t, PangoLayout* layout) {
    Shaped s;
    for (size_t i = 0; i < t.text.size(); i = static_cast<size_t>(g_utf8_next_char(t.text.data() + i) - t.text.data()))
        s.offsets.push_back(static_cast<uint32_t>(i));
    s.offsets.push_back(static_cast<uint32_t>(t.text.size()));
    const size_t n = s.offsets.size() - 1;
    s.advances.assign(n, 0);

    int attributeCount = 0;
    const PangoLogAttr* attributes = pango_layout_get_log_attrs_readonly(layout, &attributeCount);
    if (static_cast<size_t>(attributeCount) != n + 1) return std::nullopt;
    s.flags.resize(n + 1);
    for (size_t i = 0; i <= n; ++i) {
        const PangoLogAttr& a = attributes[i];
        const bool afterSoftHyphen = i > 0 && std::string_view(t.text).substr(s.offsets[i - 1]).starts_with("\u00AD");
        s.flags[i] = static_cast<uint8_t>((a.is_line_break ? lineBreak : 0) | (a.is_char_break ? characterBreak : 0) |
                                          (a.is_mandatory_break ? mandatoryBreak : 0) | (a.is_white ? whiteSpace : 0) |
                                          (a.break_inserts_hyphen && afterSoftHyphen ? hyphenAtBreak : 0));
    }

    for (GSList* l = pango_layout_get_lines_readonly(layout); l; l = l->next)
        for (GSList* r = static_cast<PangoLayoutLine*>(l->data)->runs; r; r = r->next) {
            auto* run = static_cast<PangoGlyphItem*>(r->data);
            if (run->item->analysis.level % 2) return std::nullopt;
            auto first = std::lower_bound(s.offsets.begin(), s.offsets.end(), static_cast<uint32_t>(run->item->offset));
            size_t character = static_cast<size_t>(first - s.offsets.begin());
            if (character + static_cast<size_t>(run->item->num_chars) > n) return std::nullopt;
            pango_glyph_item_get_logical_widths(run, t.text.data(), s.advances.data() + character);
            s.items.push_back({character, run->item->analysis.font, itemMetrics(t, run->item)});
        }
    if (s.items.empty() || s.items.front().first != 0) return std::nullopt;
    std::stable_sort(s.items.begin(), s.items.end(),
                     [](const Shaped::Item& a, const Shaped::Item& b) { return a.first < b.first; });
    return s;
}

// The hyphen pango sets at a soft hyphen, in the font of the letter
// before it. The fonts known are held, so that none is freed and another
// made at its address while its width is kept.
int hyphenWidth(PangoFont* font) {
    static std::map<PangoFont*, int> known;
    auto it = known.find(font);
    if (it != known.end()) return it->second;
    int width = 0;
    if (hb_font_t* hb = font ? pango_font_get_hb_font(font) : nullptr) {
        hb_codepoint_t glyph;
        if (hb_font_get_nominal_glyph(hb, '-', &glyph))
            width = static_cast<int>(hb_font_get_glyph_h_advance(hb, glyph));
    }
    if (known.size() >= 256) {
        for (const auto& [held, _] : known)
            if (held) g_object_unref(held);
        known.clear();
    }
    known.emplace(font ? static_cast<PangoFont*>(g_object_ref(font)) : nullptr, width);
    return width;
}

}  // namespace

std::optional<std::vector<BrokenLine>> breakLongWords(const PangoText& t, int firstWidth, int otherWidth,
                                                      bool characterWrap) {
    if (t.text.empty() || t.text.find('\t') != std::string::npos) return std::nullopt;
    LayoutPtr layout = newLayout(t);
    std::optional<Shaped> shaped = shape(t, layout.get());
    if (!shaped) return std::nullopt;
    const Shaped& s = *shaped;
    const std::vector<int>& advance = s.advances;
    const std::vector<uint8_t>& flags = s.flags;
    const size_t n = s.characters();

    auto hyphen = [&](size_t at) { return hyphenWidth(s.itemAt(at - 1).font); };
    std::vector<BrokenLine> lines;
    size_t item = 0;
    for (size_t start = 0; start < n;) {
        const int room = lines.empty() ? firstWidth : otherWidth;
        size_t end = 0, word = 0, character = 0;
        int width = 0;  // of the characters [start, at)
        for (size_t at = start; at <= n; ++at) {
            if (at > start) {
                // As pango measures a break: a white space before it does
                // not count.
                const bool last = at == n;
                int lineWidth = width;
                if (flags[at] & hyphenAtBreak)
                    lineWidth += hyphen(at);
                else if (flags[at - 1] & whiteSpace)
                    lineWidth -= advance[at - 1];
                const bool fits = lineWidth <= room;
                if (fits && (last || (flags[at] & mandatoryBreak))) {
                    end = at;
                    break;
                }
                if (fits && (flags[at] & lineBreak)) word = at;
                if (fits && (flags[at] & characterBreak)) character = at;
                // Every later break is at least this wide.
                if (width > room) break;
            }
            if (at < n) width += advance[at];
        }
        if (end == 0) end = !characterWrap && word ? word : character;
        if (end == 0) {
            // Not even one character fits: it takes the line alone.
            end = start + 1;
            while (end < n && !(flags[end] & characterBreak)) ++end;
        }

        BrokenLine line;
        line.start = s.offsets[start];
        line.end = s.offsets[end];
        int lineWidth = 0;
        for (size_t c = start; c < end; ++c) lineWidth += advance[c];
        const bool wrapped = end < n && !(flags[end] & mandatoryBreak);
        if (wrapped && (flags[end - 1] & whiteSpace)) lineWidth -= advance[end - 1];
        if (wrapped && (flags[end] & hyphenAtBreak)) line.hyphenated = true, lineWidth += hyphen(end);
        line.insideWord = wrapped && !(flags[end] & lineBreak);
        line.width = static_cast<double>(lineWidth) / PANGO_SCALE;
        // The line's height comes from the fonts of the items it holds.
        while (item + 1 < s.items.size() && s.items[item + 1].first <= start) ++item;
        for (size_t i = item; i < s.items.size() && s.items[i].first < end; ++i) {
            if (const auto& m = s.items[i].metrics)
                line.metrics = fonts::tallest(line.metrics.value_or(fonts::LineMetrics{}), *m);
        }
        lines.push_back(line);
        start = end;
    }
    return lines;
}

}  // namespace text
