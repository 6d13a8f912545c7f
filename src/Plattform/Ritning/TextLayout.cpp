#include "Plattform/Ritning/TextLayout.h"

#include "Plattform/Ritning/FontConfiguration.h"
#include "Plattform/Ritning/FontFaces.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Ritning/Hyphenation.h"
#include "Plattform/Ritning/MissingGlyphs.h"
#include "Plattform/Ritning/PangoFonts.h"
#include "Plattform/Ritning/PangoText.h"
#include "Plattform/Ritning/TextWindows.h"

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

enum class Use { fromTopLeft, singleLine, layoutManager };

constexpr size_t noWindow = std::numeric_limits<size_t>::max();

struct Line {
    // Line `index` of Layout::windows[window], or for a line broken by the
    // engine itself (no window), the bytes [start, end) of
    // Layout::broken[text].
    size_t text = 0, start = 0, end = 0;
    size_t window = noWindow, index = 0;
    bool hyphenated = false;
    size_t source = 0;    // the byte of the attributed string it starts at
    double x = 0;         // left end of the line from the frame's left edge
    double baseline = 0;  // from the frame's top edge
    double extent = 0;    // right end of the line before alignment
    double width = 0;     // from x to the line's right end
    double ascent = 0, descent = 0;  // of its fonts
    // The glyphs' ink: across from x, and up and down from the baseline.
    double inkLeft = 0, inkWidth = 0, inkAbove = 0, inkBelow = 0;
    double above = 0;     // height of the line above its baseline
    double below = 0;     // and below it
};

// A window of a paragraph (TextWindows.h): the bytes of
// Layout::broken[text] it holds, laid out in Layout::frames[frame]; its
// layout kept when it is the whole paragraph, else laid out again to draw.
struct LaidOutWindow {
    size_t text = 0, frame = 0;
    Window window;
    std::optional<WindowLayout> whole;
};

struct Layout {
    std::vector<PangoText> broken;
    std::vector<WindowFrame> frames;
    std::vector<LaidOutWindow> windows;
    std::vector<Line> lines;
    Size size;
    // Lines are cut at this width from the frame's left edge (clipping).
    std::optional<double> clipWidth;
    // A word was broken between two characters for lack of room.
    bool brokeWord = false;

    // About what the layout takes in memory: pango's some 60 bytes a
    // character, lines broken by the engine much less.
    size_t bytes() const {
        size_t b = sizeof(Layout) + lines.size() * sizeof(Line) + windows.size() * sizeof(LaidOutWindow);
        for (const LaidOutWindow& w : windows)
            if (w.whole) b += 64 * static_cast<size_t>(pango_layout_get_character_count(w.whole->layout.get()));
        for (const PangoText& t : broken) b += t.text.size() + t.spans.size() * sizeof(PangoText::Span);
        return b;
    }
};

bool finitePositive(double v) { return std::isfinite(v) && v > 0; }

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

// Tab stops in pango units from the layout's left edge, which lies `shift`
// points right of the frame's, and `units` more; past the last stop,
// every defaultTabInterval points when the style gives one.
PangoTabArray* tabArray(const ParagraphStyle& style, double shift, int units = 0) {
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
    // Stops left of the edge the lines start from (`units` is negative for
    // the lines under a hanging indent) are none of theirs.
    std::vector<std::pair<PangoTabAlign, int>> stops;
    for (const TextTab& t : tabs) {
        const int at = static_cast<int>(std::lround(std::min(t.location, 1e6) * PANGO_SCALE)) + units;
        if (at >= 0) stops.emplace_back(t.kind == TextTab::Kind::right ? PANGO_TAB_RIGHT : PANGO_TAB_LEFT, at);
    }
    if (stops.empty()) stops.emplace_back(PANGO_TAB_LEFT, 28 * PANGO_SCALE);
    PangoTabArray* array = pango_tab_array_new(static_cast<int>(stops.size()), FALSE);
    for (size_t i = 0; i < stops.size(); ++i)
        pango_tab_array_set_tab(array, static_cast<int>(i), stops[i].first, stops[i].second);
    return array;
}

const ParagraphStyle& styleOf(const AttributedString& s, size_t index) {
    static const ParagraphStyle standard;
    const ParagraphStyle* style = s.paragraphStyleAt(index);
    return style ? *style : standard;
}

int pangoUnits(double points) { return static_cast<int>(std::lround(std::clamp(points, 0.0, 1e6) * PANGO_SCALE)); }

// Places a line below `y`: its height from its fonts (or the fallback
// font for a line without glyphs) within the style's line heights, its x
// by the alignment within the width left after the indent. Returns its
// height.
double stackLine(Line line, double lineWidth, std::optional<fonts::LineMetrics> metrics, const PangoText& t,
                 const ParagraphStyle& style, Use use, double width, double y, Layout& out) {
    fonts::LineMetrics m = metrics ? *metrics : fonts::lineMetrics(t.fallbackFont);
    double gap = use == Use::layoutManager ? m.lineGap : 0;
    double height = m.ascent + m.descent + gap;
    double minimum = finiteOrZero(style.minimumLineHeight), maximum = finiteOrZero(style.maximumLineHeight);
    if (minimum > 0) height = std::max(height, minimum);
    if (maximum > 0) height = std::min(height, maximum);

    double room = std::isfinite(width) ? width - (line.x + lineWidth) : 0;
    line.extent = line.x + lineWidth;
    line.width = lineWidth;
    line.ascent = m.ascent, line.descent = m.descent;
    if (room > 0 && style.alignment == TextAlignment::right) line.x += room;
    if (room > 0 && style.alignment == TextAlignment::center) line.x += room / 2;

    // Extra height of a minimum line height goes above the glyphs.
    line.baseline = y + height - m.descent - gap;
    line.above = line.baseline - y;
    line.below = y + height - line.baseline;
    out.lines.push_back(line);
    return height;
}

// Whether a style of that mode cuts a line too long for its width short.
bool truncates(LineBreakMode mode) {
    return mode == LineBreakMode::truncatingHead || mode == LineBreakMode::truncatingTail ||
           mode == LineBreakMode::truncatingMiddle;
}

// Which of a paragraph's indents a piece of it takes.
enum class Indents { both, firstLine, head };

// Lays out a paragraph in windows (TextWindows.h), appending its lines
// from `top`; returns the height of its lines.
double layOutWindows(PangoText t, WindowFrame frame, const ParagraphStyle& style, Use use, double width,
                     double firstIndent, double headIndent, double shift, double top, Layout& out) {
    const size_t text = out.broken.size(), firstWindow = out.windows.size();
    double y = top;
    WindowedParagraph paragraph = layOutInWindows(t, frame, [&](const WindowLine& l) {
        Line line;
        line.text = text;
        line.start = l.start, line.end = l.end, line.hyphenated = l.hyphenated;
        line.source = sourceOffset(t, l.start);
        if (l.engineBroken) {
            line.x = l.paragraphStart ? firstIndent : headIndent;
            line.inkWidth = l.width;
            line.inkAbove = line.inkBelow = std::numeric_limits<double>::infinity();
        } else {
            line.window = firstWindow + l.window, line.index = l.index;
            line.x = shift + l.x;
            line.inkLeft = l.inkLeft, line.inkWidth = l.inkWidth;
            line.inkAbove = l.inkAbove, line.inkBelow = l.inkBelow;
        }
        y += stackLine(line, l.width, l.metrics, t, style, use, width, y, out);
    });
    for (const Window& w : paragraph.windows) out.windows.push_back({text, out.frames.size(), w, std::nullopt});
    if (paragraph.whole) out.windows[firstWindow].whole = std::move(paragraph.whole);
    out.brokeWord |= paragraph.brokeWord;
    out.broken.push_back(std::move(t));
    out.frames.push_back(std::move(frame));
    return y - top;
}

// Lays out [p.start, p.end) of a paragraph of that style, appending its
// lines from `top`; returns the height of its lines.
double layOutLines(const AttributedString& s, Paragraph p, const ParagraphStyle& style, Indents indents,
                   double width, Use use, double top, Layout& out) {
    LineBreakMode mode = style.lineBreakMode;
    const bool truncating = truncates(mode);
    bool clipping = mode == LineBreakMode::clipping;
    bool wrapping = !truncating && !clipping && use != Use::singleLine;

    std::vector<size_t> hyphens;
    if (style.hyphenationFactor > 0 && wrapping) {
        hyphens = hyphenationPoints(std::string_view(s.text()).substr(p.start, p.end - p.start),
                                    style.hyphenationLanguage);
        for (size_t& h : hyphens) h += p.start;
    }
    PangoText t = pangoText(s, p.start, p.end, use == Use::singleLine, hyphens);

    // Pango indents the first line against the others: the layout starts
    // at the smaller of the two indents.
    double firstIndent = std::max(finiteOrZero(style.firstLineHeadIndent), 0.0);
    double headIndent = std::max(finiteOrZero(style.headIndent), 0.0);
    if (indents == Indents::firstLine || use == Use::singleLine) headIndent = firstIndent;
    if (indents == Indents::head) firstIndent = headIndent;
    double shift = std::min(firstIndent, headIndent);

    const bool bounded = std::isfinite(width);
    const bool justified = style.alignment == TextAlignment::justified;
    // Pango's width and indent: the layout starts at the smaller indent.
    const int indent = pangoUnits(firstIndent - shift) - pangoUnits(headIndent - shift);
    WindowFrame frame;
    frame.indent = indent;
    if ((wrapping || truncating) && bounded) frame.width = std::max(pangoUnits(width - shift), 1);
    if (truncating && bounded)
        frame.ellipsize = mode == LineBreakMode::truncatingHead     ? PANGO_ELLIPSIZE_START
                          : mode == LineBreakMode::truncatingMiddle ? PANGO_ELLIPSIZE_MIDDLE
                                                                    : PANGO_ELLIPSIZE_END;
    frame.wrap = mode == LineBreakMode::charWrapping ? PANGO_WRAP_CHAR : PANGO_WRAP_WORD_CHAR;
    frame.justify = justified;
    if (wrapping && bounded) {
        frame.engineBreaks = t.longWord && !justified;
        frame.breaks = {.hyphensOnlyAtSoftHyphens = true, .noShortPiecesOfWords = mode != LineBreakMode::charWrapping};
    }
    if (t.text.find('\t') != std::string::npos) {
        frame.tabs.reset(tabArray(style, shift));
        if (indent < 0) frame.laterTabs.reset(tabArray(style, shift, indent));
    }
    frame.direction = baseDirection(t.text);
    if (clipping && bounded) out.clipWidth = width;
    return layOutWindows(std::move(t), std::move(frame), style, use, width, firstIndent, headIndent, shift, top, out);
}

// Pango measures a line in 32-bit units, so it cannot cut a line wider
// than about two million points: such a line ran across the page whole.
// A truncated line longer than this is handed on as its two ends joined
// by an ellipsis, each end more than any frame shows.
constexpr size_t mostTruncatedBytes = 16 * 1024;

// The start of the UTF-8 character at or before `i`.
size_t characterStart(std::string_view text, size_t i) {
    while (i > 0 && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) --i;
    return i;
}

// Lays out one truncated line, [p.start, p.end), cut short first when it is
// long; returns its height.
double layOutTruncated(const AttributedString& s, Paragraph p, const ParagraphStyle& style, Indents indents,
                       double width, Use use, double top, Layout& out) {
    if (p.end - p.start <= mostTruncatedBytes) return layOutLines(s, p, style, indents, width, use, top, out);
    const size_t head = characterStart(s.text(), p.start + mostTruncatedBytes / 2),
                 tail = characterStart(s.text(), p.end - mostTruncatedBytes / 2);
    AttributedString cut = s.substring(p.start, head);
    const TextAttributes* attributes = s.attributesAt(head - 1);
    cut.append("\u2026", attributes ? *attributes : TextAttributes{});
    cut.append(s.substring(tail, p.end));
    const size_t first = out.lines.size();
    const double height = layOutLines(cut, {0, cut.length()}, style, indents, width, use, top, out);
    for (size_t i = first; i < out.lines.size(); ++i) out.lines[i].source += p.start;
    return height;
}

// Lays out one paragraph from `top`; returns its height. Truncation works
// line by line: each line of a truncating style between line separators
// is laid out alone, so each is cut on its own and keeps its indent.
double layOutParagraph(const AttributedString& s, Paragraph p, double width, Use use, double top, Layout& out) {
    const ParagraphStyle& style = styleOf(s, p.start);
    LineBreakMode mode = style.lineBreakMode;
    const bool truncating = truncates(mode);
    if (!truncating) return layOutLines(s, p, style, Indents::both, width, use, top, out);
    if (use == Use::singleLine) return layOutTruncated(s, p, style, Indents::both, width, use, top, out);
    std::string_view text = s.text();
    double y = top;
    for (size_t start = p.start;;) {
        size_t separator = text.find(lineSeparator, start);
        size_t end = separator == std::string_view::npos || separator >= p.end ? p.end : separator;
        y += layOutTruncated(s, {start, end}, style, start == p.start ? Indents::firstLine : Indents::head, width, use,
                             y, out);
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

// Loads the faces the text's runs are drawn with, before any of its
// paragraphs is laid out: pango's font lists then stay as they are for the
// whole text.
void loadFacesFor(const AttributedString& s) {
    bool hyphenated = false;
    for (const AttributedString::Run& run : s.runs())
        if (const auto& style = run.attributes.paragraphStyle; style && style->hyphenationFactor > 0) hyphenated = true;
    std::string_view text = s.text();
    for (const AttributedString::Run& run : s.runs()) {
        const Font font = run.attributes.font ? *run.attributes.font : fonts::defaultFont();
        fonts::loadFacesFor(fonts::faceFor(font.name), text.substr(run.start, run.length), hyphenated);
    }
}

// A layout made to measure a text is the one that draws it: the layouts
// of the most recent texts are kept, so laying out pages and then drawing
// them shapes each text once. The limits keep the whole under 40 MB, but
// for the latest layout that is larger by itself (of a long text: about
// 160 bytes a line).
class LayoutCache {
public:
    std::shared_ptr<const Layout> layout(const AttributedString& s, double width, Use use) {
        if (!finitePositive(width)) width = unlimited;
        forgetIfFontsChanged();
        const KeyView key{&s, width, use};
        if (oversized_ && Equal()(key, oversized_->first)) return oversized_->second;
        if (auto it = layouts_.find(key); it != layouts_.end()) return it->second;
        // A text as long as the one kept aside lays out about as large:
        // the kept one goes first, so that two are never held at once.
        if (oversized_ && s.length() >= oversized_->first.text.length()) oversized_.reset();
        loadFacesFor(s);
        forgetIfFontsChanged();
        auto made = std::make_shared<const Layout>(layOut(s, width, use));
        const size_t bytes = s.length() + made->bytes();
        if (bytes > mostBytes) {
            // Kept aside, the latest such layout alone, rather than in
            // the place of all the others: the item table asks about a
            // long text between the small ones around it, and the small
            // ones would put it out each time.
            oversized_.emplace(Key{s, width, use}, made);
            return made;
        }
        while (!order_.empty() && (layouts_.size() >= mostLayouts || bytes_ + bytes > mostBytes)) {
            layouts_.erase(layouts_.find(*order_.front().first));
            bytes_ -= order_.front().second;
            order_.pop_front();
        }
        auto it = layouts_.emplace(Key{s, width, use}, made).first;
        order_.emplace_back(&it->first, bytes);
        bytes_ += bytes;
        return made;
    }

    void clear() {
        oversized_.reset();
        layouts_.clear();
        order_.clear();
        bytes_ = 0;
    }

    // Layouts made before fonts were added are not drawn: pango would lay
    // them out anew under the lines kept from them.
    void forgetIfFontsChanged() {
        if (fonts_ == fonts::fontSetVersion()) return;
        fonts_ = fonts::fontSetVersion();
        clear();
    }

private:
    static constexpr size_t mostLayouts = 16384;
    static constexpr size_t mostBytes = 32 * 1024 * 1024;

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
    std::deque<std::pair<const Key*, size_t>> order_;  // oldest first, with the bytes each takes
    // The latest layout that takes more than the bound by itself.
    std::optional<std::pair<Key, std::shared_ptr<const Layout>>> oversized_;
    size_t bytes_ = 0;
    unsigned fonts_ = 0;  // the version of the fonts the layouts were made with
};

// Never destroyed: freeing every layout kept, as the process ends, would
// only make the run take longer.
LayoutCache& cache() {
    static LayoutCache& c = *new LayoutCache;
    return c;
}

Use useFor(TextDrawingMode mode) {
    return mode == TextDrawingMode::baselineAtFoot  ? Use::singleLine
           : mode == TextDrawingMode::layoutManager ? Use::layoutManager
                                                    : Use::fromTopLeft;
}

// The frame with a positive width and height, its corner the lowest.
Rect upright(const Rect& frame) { return {frame.minX(), frame.minY(), std::abs(frame.width), std::abs(frame.height)}; }

}  // namespace

Size measure(const AttributedString& text, Size bounds) {
    if (text.empty()) return {};
    std::lock_guard lock(fonts::fontLock());
    return cache().layout(text, bounds.width, Use::fromTopLeft)->size;
}

void draw(cairo_t* cr, const AttributedString& text, const Rect& frame, TextDrawingMode mode) {
    if (text.empty() || !frame.isFinite()) return;
    std::lock_guard lock(fonts::fontLock());
    const Use use = useFor(mode);
    const Rect f = upright(frame);
    std::shared_ptr<const Layout> shared = cache().layout(text, f.width, use);
    const Layout& layout = *shared;
    cairo_save(cr);
    if (layout.clipWidth) {
        // Only the sides: lines run on below the frame as they always do.
        double margin = 1000;
        cairo_rectangle(cr, f.x, f.y - margin, *layout.clipWidth, layout.size.height + 2 * margin);
        cairo_clip(cr);
    }
    // Lines wholly outside the clip (the page, where nothing else clips)
    // are left out: a long text cut off at its cell would otherwise put
    // every glyph of it into the page. The margin keeps glyphs that reach
    // past their line.
    double clipTop, clipBottom, ignored;
    cairo_clip_extents(cr, &ignored, &clipTop, &ignored, &clipBottom);
    cairo_set_source_rgb(cr, 0, 0, 0);
    // The window of a long paragraph last laid out again to draw its lines.
    WindowLayout shown;
    size_t shownWindow = noWindow;
    for (const Line& line : layout.lines) {
        double baseline = use == Use::singleLine ? f.height : line.baseline;
        double margin = line.above + line.below;
        if (f.y + baseline + line.below + margin < clipTop || f.y + baseline - line.above - margin > clipBottom)
            continue;
        cairo_move_to(cr, f.x + line.x, f.y + baseline);
        if (line.window != noWindow) {
            const LaidOutWindow& w = layout.windows[line.window];
            if (!w.whole && shownWindow != line.window) {
                shown = layOutWindow(layout.broken[w.text], layout.frames[w.frame], w.window);
                shownWindow = line.window;
            }
            PangoLayout* laidOut = w.whole ? w.whole->layout.get() : shown.layout.get();
            showLayoutLine(cr, pango_layout_get_line_readonly(laidOut, static_cast<int>(line.index)));
        } else {
            // A line broken by the engine is shaped again on its own.
            PangoText t = lineText(layout.broken[line.text], line.start, line.end, line.hyphenated);
            LayoutPtr alone = newLayout(t);
            showLayoutLine(cr, pango_layout_get_line_readonly(alone.get(), 0));
        }
    }
    cairo_restore(cr);
}

TextExtent extent(const AttributedString& text, const Rect& frame, TextDrawingMode mode) {
    TextExtent out;
    if (text.empty() || !frame.isFinite()) return out;
    std::lock_guard lock(fonts::fontLock());
    const Use use = useFor(mode);
    const Rect f = upright(frame);
    std::shared_ptr<const Layout> layout = cache().layout(text, f.width, use);
    out.size = layout->size;
    out.brokeWord = layout->brokeWord;
    for (const Line& line : layout->lines) {
        double baseline = use == Use::singleLine ? f.height : line.baseline;
        // Ink within the line's own box: an accent over a capital or an
        // italic's overhang is the face's, not the layout's.
        double left = f.x + line.x + std::max(line.inkLeft, 0.0);
        double right = f.x + line.x + std::min(line.inkLeft + line.inkWidth, line.width);
        double above = std::min(line.inkAbove, line.ascent), below = std::min(line.inkBelow, line.descent);
        if (layout->clipWidth) right = std::min(right, f.x + *layout->clipWidth);
        if (right <= left || above + below <= 0) continue;
        out.lines.push_back({left, f.y + baseline - above, right - left, above + below});
    }
    return out;
}

std::vector<TextLine> lines(const AttributedString& text, double width, TextDrawingMode mode) {
    std::vector<TextLine> out;
    if (text.empty()) return out;
    std::lock_guard lock(fonts::fontLock());
    std::shared_ptr<const Layout> layout = cache().layout(text, width, useFor(mode));
    out.reserve(layout->lines.size());
    for (const Line& line : layout->lines)
        out.push_back({line.source, line.baseline - line.above, line.baseline + line.below});
    return out;
}

void forgetLayouts() {
    std::lock_guard lock(fonts::fontLock());
    cache().clear();
}

double defaultLineHeight(const Font& font) {
    std::lock_guard lock(fonts::fontLock());
    fonts::loadFace(fonts::faceFor(font.name));
    cache().forgetIfFontsChanged();
    fonts::LineMetrics m = fonts::lineMetrics(font);
    return m.ascent + m.descent + m.lineGap;
}

}  // namespace text
