#include "Plattform/TextLayout.h"

#include "Plattform/FontRegistry.h"
#include "Plattform/Hyphenation.h"
#include "Plattform/PangoFonts.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <cmath>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace text {
namespace {

constexpr double unlimited = std::numeric_limits<double>::infinity();

// Pango's context and font map are shared by every text; one text at a time.
std::mutex engineMutex;

struct LayoutUnref {
    void operator()(PangoLayout* l) const { g_object_unref(l); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutUnref>;

struct AttrListUnref {
    void operator()(PangoAttrList* l) const { pango_attr_list_unref(l); }
};
using AttrListPtr = std::unique_ptr<PangoAttrList, AttrListUnref>;

enum class Use { fromTopLeft, singleLine, layoutManager };

struct Line {
    PangoLayoutLine* line = nullptr;  // owned by one of Layout::paragraphs
    double x = 0;         // left end of the line from the frame's left edge
    double baseline = 0;  // from the frame's top edge
    double extent = 0;    // right end of the line before alignment
};

struct Layout {
    std::vector<LayoutPtr> paragraphs;
    std::vector<Line> lines;
    Size size;
    // Lines are cut at this width from the frame's left edge (clipping).
    std::optional<double> clipWidth;
};

bool finitePositive(double v) { return std::isfinite(v) && v > 0; }
double finiteOrZero(double v) { return std::isfinite(v) ? v : 0; }

// A paragraph: the text from `start` up to its separator at `end`.
struct Paragraph {
    size_t start = 0;
    size_t end = 0;
};

// Paragraphs end at \n, \r, \r\n, U+0085 and U+2029. A separator at the
// very end of the text does not open another, empty paragraph.
std::vector<Paragraph> splitParagraphs(std::string_view text) {
    std::vector<Paragraph> out;
    size_t start = 0;
    for (size_t i = 0; i < text.size();) {
        size_t length = 0;
        if (text[i] == '\n')
            length = 1;
        else if (text[i] == '\r')
            length = i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        else if (text.substr(i, 2) == "\u0085")
            length = 2;
        else if (text.substr(i, 3) == paragraphSeparator)
            length = 3;
        if (length == 0) {
            ++i;
            continue;
        }
        out.push_back({start, i});
        i += length;
        start = i;
    }
    if (start < text.size() || out.empty()) out.push_back({start, text.size()});
    return out;
}

// Valid UTF-8, yet cairo refuses a text holding one (and then draws
// nothing more on the page).
bool isNoncharacter(UChar32 c) { return (c >= 0xFDD0 && c <= 0xFDEF) || (c & 0xFFFE) == 0xFFFE; }

bool isParagraphSeparator(UChar32 c) { return c == '\n' || c == '\r' || c == 0x85 || c == 0x2029; }

// What pango is handed for one paragraph: the text as pango should see it
// and the attributes of its runs.
struct PangoText {
    std::string text;
    AttrListPtr attributes{pango_attr_list_new()};
    // Runs without a font that hold only white space (the tab and separator
    // a table appends bare): they take no part in the line height.
    std::vector<std::pair<size_t, size_t>> metricsIgnored;
    Font fallbackFont;  // for a line without glyphs
};

void addAttribute(PangoAttrList* list, PangoAttribute* a, size_t start, size_t end) {
    a->start_index = static_cast<guint>(start);
    a->end_index = static_cast<guint>(end);
    pango_attr_list_insert(list, a);
}

bool onlyWhiteSpace(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        UChar32 c;
        U8_NEXT(s.data(), i, s.size(), c);
        if (c < 0 || !u_isUWhiteSpace(c)) return false;
    }
    return true;
}

uint16_t colorChannel(double v) { return static_cast<uint16_t>(std::lround(std::clamp(finiteOrZero(v), 0.0, 1.0) * 65535)); }

// Pango's description of the font, made once per font and size.
const PangoFontDescription* descriptionOf(const Font& font) {
    struct Known {
        Font font;
        PangoFontDescription* description;
    };
    static std::vector<Known> known;
    for (const Known& k : known)
        if (k.font == font) return k.description;
    constexpr size_t most = 256;
    if (known.size() == most) {
        for (Known& k : known) pango_font_description_free(k.description);
        known.clear();
    }
    known.push_back({font, fonts::pangoDescription(font)});
    return known.back().description;
}

// The text of [start, end) as pango gets it: NUL dropped (pango takes no
// NUL); noncharacters replaced; in single-line use every separator a
// space; a soft hyphen before each point of `hyphens`.
PangoText pangoText(const AttributedString& s, Paragraph p, Use use, const std::vector<size_t>& hyphens) {
    PangoText out;
    out.fallbackFont = fonts::defaultFont();
    if (const TextAttributes* a = s.attributesAt(p.start); a && a->font) out.fallbackFont = *a->font;
    bool fallbackFromText = false;
    auto nextHyphen = hyphens.begin();
    std::string_view text = s.text();
    for (const AttributedString::Run& run : s.runs()) {
        size_t from = std::max(run.start, p.start), to = std::min(run.start + run.length, p.end);
        if (from >= to) continue;
        size_t first = out.text.size();
        for (size_t i = from; i < to;) {
            while (nextHyphen != hyphens.end() && *nextHyphen < i) ++nextHyphen;
            if (nextHyphen != hyphens.end() && *nextHyphen == i) out.text += "\u00AD";
            size_t at = i;
            UChar32 c;
            U8_NEXT(text.data(), i, to, c);
            if (c == 0) continue;
            if (isNoncharacter(c)) {
                out.text += "\uFFFD";
                continue;
            }
            if (use == Use::singleLine && (isParagraphSeparator(c) || c == 0x2028)) {
                if (!(c == '\n' && at > 0 && text[at - 1] == '\r')) out.text += ' ';
            } else {
                out.text.append(text.substr(at, i - at));
            }
        }
        size_t last = out.text.size();
        if (first == last) continue;
        const TextAttributes& a = run.attributes;
        Font font = a.font ? *a.font : fonts::defaultFont();
        if (a.font && !fallbackFromText) out.fallbackFont = font, fallbackFromText = true;
        addAttribute(out.attributes.get(), pango_attr_font_desc_new(descriptionOf(font)), first, last);
        // Black is what the line is drawn in where no colour is given.
        Color color = a.foregroundColor ? *a.foregroundColor : Color::black();
        if (color != Color::black())
            addAttribute(out.attributes.get(),
                         pango_attr_foreground_new(colorChannel(color.red), colorChannel(color.green),
                                                   colorChannel(color.blue)),
                         first, last);
        if (color.alpha < 1)
            addAttribute(out.attributes.get(), pango_attr_foreground_alpha_new(colorChannel(color.alpha)), first, last);
        if (!a.font && onlyWhiteSpace(text.substr(from, to - from))) out.metricsIgnored.push_back({first, last});
    }
    return out;
}

// Tab stops in pango units from the layout's left edge, which lies `shift`
// points right of the frame's; past the last stop, every
// defaultTabInterval points when the style gives one.
PangoTabArray* tabArray(const ParagraphStyle& style, double shift) {
    std::vector<TextTab> tabs;
    for (const TextTab& t : style.tabStops)
        if (std::isfinite(t.location) && t.location - shift > 0) tabs.push_back({t.kind, t.location - shift});
    std::stable_sort(tabs.begin(), tabs.end(), [](const TextTab& a, const TextTab& b) { return a.location < b.location; });
    if (finitePositive(style.defaultTabInterval)) {
        constexpr int stopsAfterTheLast = 64;
        double interval = std::max(style.defaultTabInterval, 1.0);
        double last = tabs.empty() ? 0 : tabs.back().location + shift;
        double next = (std::floor(last / interval) + 1) * interval;
        for (int i = 0; i < stopsAfterTheLast; ++i, next += interval)
            if (next - shift > 0) tabs.push_back({TextTab::Kind::left, next - shift});
    }
    if (tabs.empty()) {
        // Pango's own default is 8 spaces; with no stop left, a tab moves
        // to the next multiple of the default 28 points.
        tabs.push_back({TextTab::Kind::left, 28});
    }
    PangoTabArray* array = pango_tab_array_new(static_cast<int>(tabs.size()), FALSE);
    for (size_t i = 0; i < tabs.size(); ++i)
        pango_tab_array_set_tab(array, static_cast<int>(i),
                                tabs[i].kind == TextTab::Kind::right ? PANGO_TAB_RIGHT : PANGO_TAB_LEFT,
                                static_cast<int>(std::lround(std::min(tabs[i].location, 1e6) * PANGO_SCALE)));
    return array;
}

// hhea metrics per loaded font; the cache holds a reference, so a font's
// address is not reused for another while it is listed.
fonts::LineMetrics metricsOf(PangoFont* font) {
    static std::vector<std::pair<PangoFont*, fonts::LineMetrics>> known;
    for (const auto& [f, m] : known)
        if (f == font) return m;
    constexpr size_t most = 256;
    if (known.size() == most) {
        for (auto& [f, m] : known) g_object_unref(f);
        known.clear();
    }
    known.emplace_back(static_cast<PangoFont*>(g_object_ref(font)), fonts::lineMetrics(font));
    return known.back().second;
}

bool ignoredForMetrics(const PangoText& t, int offset) {
    for (auto [a, b] : t.metricsIgnored)
        if (static_cast<size_t>(offset) >= a && static_cast<size_t>(offset) < b) return true;
    return false;
}

const ParagraphStyle& styleOf(const AttributedString& s, size_t index) {
    static const ParagraphStyle standard;
    const ParagraphStyle* style = s.paragraphStyleAt(index);
    return style ? *style : standard;
}

int pangoUnits(double points) { return static_cast<int>(std::lround(std::clamp(points, 0.0, 1e6) * PANGO_SCALE)); }

// Which of a paragraph's indents a piece of it takes.
enum class Indents { both, firstLine, head };

// Lays out [p.start, p.end) of a paragraph of that style, appending its
// lines from `top`; returns the height of its lines.
double layOutLines(const AttributedString& s, Paragraph p, const ParagraphStyle& style, Indents indents,
                   double width, Use use, double top, Layout& out) {
    LineBreakMode mode = style.lineBreakMode;
    bool truncating = mode == LineBreakMode::truncatingHead || mode == LineBreakMode::truncatingTail ||
                      mode == LineBreakMode::truncatingMiddle;
    bool clipping = mode == LineBreakMode::clipping;
    bool wrapping = !truncating && !clipping && use != Use::singleLine;

    std::vector<size_t> hyphens;
    if (style.hyphenationFactor > 0 && wrapping) {
        hyphens = hyphenationPoints(std::string_view(s.text()).substr(p.start, p.end - p.start),
                                    style.hyphenationLanguage);
        for (size_t& h : hyphens) h += p.start;
    }
    PangoText t = pangoText(s, p, use, hyphens);

    // Pango indents the first line against the others: the layout starts
    // at the smaller of the two indents.
    double firstIndent = std::max(finiteOrZero(style.firstLineHeadIndent), 0.0);
    double headIndent = std::max(finiteOrZero(style.headIndent), 0.0);
    if (indents == Indents::firstLine || use == Use::singleLine) headIndent = firstIndent;
    if (indents == Indents::head) firstIndent = headIndent;
    double shift = std::min(firstIndent, headIndent);

    PangoLayout* layout = pango_layout_new(fonts::pangoContext());
    out.paragraphs.emplace_back(layout);
    pango_layout_set_text(layout, t.text.data(), static_cast<int>(t.text.size()));
    pango_layout_set_attributes(layout, t.attributes.get());
    pango_layout_set_indent(layout, pangoUnits(firstIndent - shift) - pangoUnits(headIndent - shift));
    if (t.text.find('\t') != std::string::npos) {
        PangoTabArray* tabs = tabArray(style, shift);
        pango_layout_set_tabs(layout, tabs);
        pango_tab_array_free(tabs);
    }
    // Most texts fit their width: lay them out unbounded first, which is
    // cheaper, and bound only those that are too wide.
    bool bounded = std::isfinite(width);
    int layoutWidth = std::max(pangoUnits(width - shift), 1);
    if ((wrapping || truncating) && bounded) {
        PangoRectangle logical;
        pango_layout_get_extents(layout, nullptr, &logical);
        bool fits = logical.x >= 0 && logical.x + logical.width <= layoutWidth;
        if (!fits && wrapping) {
            pango_layout_set_width(layout, layoutWidth);
            pango_layout_set_wrap(layout, mode == LineBreakMode::charWrapping ? PANGO_WRAP_CHAR : PANGO_WRAP_WORD_CHAR);
            pango_layout_set_justify(layout, style.alignment == TextAlignment::justified);
        } else if (!fits) {
            pango_layout_set_width(layout, layoutWidth);
            pango_layout_set_ellipsize(layout, mode == LineBreakMode::truncatingHead     ? PANGO_ELLIPSIZE_START
                                               : mode == LineBreakMode::truncatingMiddle ? PANGO_ELLIPSIZE_MIDDLE
                                                                                         : PANGO_ELLIPSIZE_END);
        }
    } else if (clipping && bounded) {
        out.clipWidth = width;
    }

    bool withLineGap = use == Use::layoutManager;
    double minimum = finiteOrZero(style.minimumLineHeight), maximum = finiteOrZero(style.maximumLineHeight);
    double y = top;
    PangoLayoutIter* it = pango_layout_get_iter(layout);
    do {
        PangoLayoutLine* line = pango_layout_iter_get_line_readonly(it);
        PangoRectangle logical;
        pango_layout_iter_get_line_extents(it, nullptr, &logical);
        double lineX = shift + static_cast<double>(logical.x) / PANGO_SCALE;
        double lineWidth = static_cast<double>(logical.width) / PANGO_SCALE;

        fonts::LineMetrics m;
        bool any = false;
        for (GSList* r = line->runs; r; r = r->next) {
            PangoItem* item = static_cast<PangoGlyphItem*>(r->data)->item;
            if (ignoredForMetrics(t, item->offset)) continue;
            fonts::LineMetrics f = metricsOf(item->analysis.font);
            m = {std::max(m.ascent, f.ascent), std::max(m.descent, f.descent), std::max(m.lineGap, f.lineGap)};
            any = true;
        }
        if (!any) m = fonts::lineMetrics(t.fallbackFont);
        double gap = withLineGap ? m.lineGap : 0;
        double natural = m.ascent + m.descent + gap;
        double height = natural;
        if (minimum > 0) height = std::max(height, minimum);
        if (maximum > 0) height = std::min(height, maximum);

        // Alignment within what is left of the width after the indent.
        double room = bounded ? width - (lineX + lineWidth) : 0;
        double alignShift = 0;
        if (room > 0 && style.alignment == TextAlignment::right) alignShift = room;
        if (room > 0 && style.alignment == TextAlignment::center) alignShift = room / 2;

        // Extra height of a minimum line height goes above the glyphs.
        out.lines.push_back({line, lineX + alignShift, y + height - m.descent - gap, lineX + lineWidth});
        y += height;
    } while (pango_layout_iter_next_line(it));
    pango_layout_iter_free(it);
    return y - top;
}

// Lays out one paragraph from `top`; returns its height. Truncation works
// line by line: each line of a truncating style between line separators
// is laid out alone, so each is cut on its own and keeps its indent.
double layOutParagraph(const AttributedString& s, Paragraph p, double width, Use use, double top, Layout& out) {
    const ParagraphStyle& style = styleOf(s, p.start);
    LineBreakMode mode = style.lineBreakMode;
    bool truncating = mode == LineBreakMode::truncatingHead || mode == LineBreakMode::truncatingTail ||
                      mode == LineBreakMode::truncatingMiddle;
    if (!truncating || use == Use::singleLine) return layOutLines(s, p, style, Indents::both, width, use, top, out);
    std::string_view text = s.text();
    double y = top;
    for (size_t start = p.start;;) {
        size_t separator = text.find(lineSeparator, start);
        size_t end = separator == std::string_view::npos || separator >= p.end ? p.end : separator;
        y += layOutLines(s, {start, end}, style, start == p.start ? Indents::firstLine : Indents::head, width, use, y,
                         out);
        if (end == p.end) break;
        start = end + lineSeparator.size();
    }
    return y - top;
}

Layout layOut(const AttributedString& s, double width, Use use) {
    Layout out;
    if (s.empty()) return out;
    if (!finitePositive(width)) width = unlimited;
    std::vector<Paragraph> paragraphs =
        use == Use::singleLine ? std::vector<Paragraph>{{0, s.length()}} : splitParagraphs(s.text());
    double y = 0;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        y += layOutParagraph(s, paragraphs[i], width, use, y, out);
        if (i + 1 < paragraphs.size()) y += std::max(finiteOrZero(styleOf(s, paragraphs[i].start).paragraphSpacing), 0.0);
    }
    double widest = 0;
    for (const Line& l : out.lines) widest = std::max(widest, l.extent);
    if (out.clipWidth) widest = std::min(widest, *out.clipWidth);
    out.size = {widest, y};
    return out;
}

// A layout made to measure a text is the one that draws it: the layouts
// of the most recent texts are kept, so laying out pages and then drawing
// them shapes each text once. A layout takes some 60 bytes a character;
// the limits keep the whole under 40 MB.
class LayoutCache {
public:
    std::shared_ptr<const Layout> layout(const AttributedString& s, double width, Use use) {
        if (!finitePositive(width)) width = unlimited;
        if (auto it = layouts_.find(KeyView{&s, width, use}); it != layouts_.end()) return it->second;
        auto made = std::make_shared<const Layout>(layOut(s, width, use));
        while (!order_.empty() && (layouts_.size() >= mostLayouts || characters_ + s.length() > mostCharacters)) {
            auto oldest = layouts_.find(*order_.front());
            characters_ -= oldest->first.text.length();
            layouts_.erase(oldest);
            order_.pop_front();
        }
        auto it = layouts_.emplace(Key{s, width, use}, made).first;
        order_.push_back(&it->first);
        characters_ += s.length();
        return made;
    }

    void clear() {
        layouts_.clear();
        order_.clear();
        characters_ = 0;
    }

private:
    static constexpr size_t mostLayouts = 16384;
    static constexpr size_t mostCharacters = 512 * 1024;

    struct Key {
        AttributedString text;
        double width;
        Use use;
    };
    struct KeyView {
        const AttributedString* text;
        double width;
        Use use;
        KeyView(const AttributedString* t, double w, Use u) : text(t), width(w), use(u) {}
        KeyView(const Key& k) : text(&k.text), width(k.width), use(k.use) {}
    };
    struct Hash {
        using is_transparent = void;
        size_t operator()(KeyView k) const {
            size_t h = std::hash<std::string_view>()(k.text->text());
            h = h * 31 + std::hash<double>()(k.width);
            h = h * 31 + static_cast<size_t>(k.use);
            return h * 31 + k.text->runs().size();
        }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(KeyView a, KeyView b) const {
            return a.width == b.width && a.use == b.use && *a.text == *b.text;
        }
    };
    std::unordered_map<Key, std::shared_ptr<const Layout>, Hash, Equal> layouts_;
    std::deque<const Key*> order_;
    size_t characters_ = 0;  // bytes of the texts kept
};

LayoutCache& cache() {
    static LayoutCache c;
    return c;
}

}  // namespace

Size measure(const AttributedString& text, Size bounds) {
    if (text.empty()) return {};
    std::lock_guard lock(engineMutex);
    return cache().layout(text, bounds.width, Use::fromTopLeft)->size;
}

void draw(cairo_t* cr, const AttributedString& text, const Rect& frame, TextDrawingMode mode) {
    if (text.empty() || !frame.isFinite()) return;
    std::lock_guard lock(engineMutex);
    Use use = mode == TextDrawingMode::baselineAtFoot  ? Use::singleLine
              : mode == TextDrawingMode::layoutManager ? Use::layoutManager
                                                       : Use::fromTopLeft;
    Rect f{frame.minX(), frame.minY(), std::abs(frame.width), std::abs(frame.height)};
    std::shared_ptr<const Layout> shared = cache().layout(text, f.width, use);
    const Layout& layout = *shared;
    cairo_save(cr);
    if (layout.clipWidth) {
        // Only the sides: lines run on below the frame as they always do.
        double margin = 1000;
        cairo_rectangle(cr, f.x, f.y - margin, *layout.clipWidth, layout.size.height + 2 * margin);
        cairo_clip(cr);
    }
    cairo_set_source_rgb(cr, 0, 0, 0);
    for (const Line& line : layout.lines) {
        double baseline = use == Use::singleLine ? f.height : line.baseline;
        cairo_move_to(cr, f.x + line.x, f.y + baseline);
        pango_cairo_show_layout_line(cr, line.line);
    }
    cairo_restore(cr);
}

void forgetLayouts() {
    std::lock_guard lock(engineMutex);
    cache().clear();
}

double defaultLineHeight(const Font& font) {
    std::lock_guard lock(engineMutex);
    fonts::LineMetrics m = fonts::lineMetrics(font);
    return m.ascent + m.descent + m.lineGap;
}

}  // namespace text
