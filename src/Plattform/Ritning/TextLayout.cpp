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
#include <list>
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

// Which of a paragraph's indents a piece of it takes.
enum class Indents : uint8_t { both, firstLine, head };

// A paragraph, or one line of a truncating one between line separators, as
// it was laid out: what it takes to lay it out again for drawing.
struct Piece {
    size_t start = 0, end = 0;  // bytes of the attributed string
    size_t paragraph = 0;       // where its paragraph starts, whose style it has
    Indents indents = Indents::both;
    // A truncated line too long for pango, laid out as its two ends
    // (twoEndsOf).
    bool twoEnds = false;
};

// A laid-out line keeps offsets and measures only, never a layout: a text
// of short lines took 2 to 4 kB a line while each paragraph's layout and
// pango text were kept for drawing. Drawing lays its piece out again, or
// finds its window among those laid out last (RecentWindows).
struct Line {
    // Line `index` of Layout::windows[window], or for a line broken by the
    // engine itself (window noWindow), the bytes [start, end) of its
    // piece's pango text.
    size_t piece = 0;
    size_t window = noWindow;
    size_t start = 0, end = 0;
    uint32_t index = 0;
    bool hyphenated = false;
    size_t source = 0;    // the byte of the attributed string it starts at
    double x = 0;         // left end of the line from the frame's left edge
    double baseline = 0;  // from the frame's top edge
    double width = 0;     // from x to the line's right end
    double ascent = 0, descent = 0;  // of its fonts
    // The glyphs' ink: across from x, and up and down from the baseline.
    double inkLeft = 0, inkWidth = 0, inkAbove = 0, inkBelow = 0;
    double above = 0;     // height of the line above its baseline
    double below = 0;     // and below it
};

struct Layout {
    uint64_t serial = 0;  // none other has the same (RecentWindows)
    std::vector<Piece> pieces;
    // The windows of every piece (TextWindows.h), each laid out in its
    // piece's frame.
    std::vector<Window> windows;
    std::vector<Line> lines;
    Size size;
    // Lines are cut at this width from the frame's left edge (clipping).
    std::optional<double> clipWidth;
    // A word was broken between two characters for lack of room.
    bool brokeWord = false;
    // Every line of the text is here: it was not stopped at a bound.
    bool whole = true;
    double tallestLine = 0;

    size_t bytes() const {
        return sizeof(Layout) + lines.size() * sizeof(Line) + windows.size() * sizeof(Window) +
               pieces.size() * sizeof(Piece);
    }
};

bool finitePositive(double v) { return std::isfinite(v) && v > 0; }

// The layouts of the paragraphs laid out last, each in one window, kept
// for drawing by the layout and window they belong to: a page is drawn
// from texts measured shortly before, and shaping each of its paragraphs
// once more made an invoice of 18 pages take 53 ms rather than 30. Bounded
// in bytes however long the texts, the oldest going first; a laid-out
// line itself keeps no layout.
class RecentWindows {
public:
    void keep(uint64_t layout, size_t window, WindowLayout w) {
        const size_t bytes = layoutBytes + perCharacter * w.text.text.size();
        if (bytes > mostBytes) return;
        while (!kept_.empty() && (kept_.size() >= mostLayouts || bytes_ + bytes > mostBytes)) {
            bytes_ -= kept_.front().bytes;
            index_.erase({kept_.front().layout, kept_.front().window});
            kept_.pop_front();
        }
        kept_.push_back({layout, window, bytes, std::move(w)});
        index_[{layout, window}] = std::prev(kept_.end());
        bytes_ += bytes;
    }

    const WindowLayout* find(uint64_t layout, size_t window) const {
        auto it = index_.find({layout, window});
        return it == index_.end() ? nullptr : &it->second->w;
    }

    void clear() {
        index_.clear();
        kept_.clear();
        bytes_ = 0;
    }

private:
    // What pango's layout of a short paragraph and its text take, and
    // what each character adds, about.
    static constexpr size_t layoutBytes = 1024, perCharacter = 64;
    static constexpr size_t mostBytes = 16 * 1024 * 1024, mostLayouts = 4096;

    struct Kept {
        uint64_t layout;
        size_t window;
        size_t bytes;
        WindowLayout w;
    };
    struct KeyHash {
        size_t operator()(const std::pair<uint64_t, size_t>& k) const {
            return std::hash<uint64_t>()(k.first) * 31 + std::hash<size_t>()(k.second);
        }
    };
    std::list<Kept> kept_;  // oldest first
    std::unordered_map<std::pair<uint64_t, size_t>, std::list<Kept>::iterator, KeyHash> index_;
    size_t bytes_ = 0;
};

// Never destroyed, like the layouts' cache.
RecentWindows& recentWindows() {
    static RecentWindows& r = *new RecentWindows;
    return r;
}

// A paragraph: the text from `start` up to its separator at `end`.
struct Paragraph {
    size_t start = 0;
    size_t end = 0;
};

// The length of the paragraph separator at byte i of the text, 0 for none:
// paragraphs end at \n, \r, \r\n, U+0085 and U+2029.
size_t separatorAt(std::string_view text, size_t i) {
    if (text[i] == '\n') return 1;
    if (text[i] == '\r') return i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
    if (text.substr(i, 2) == "\u0085") return 2;
    if (text.substr(i, 3) == paragraphSeparator) return 3;
    return 0;
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
// height; `extent` is where it ends before alignment.
double stackLine(Line& line, double lineWidth, std::optional<fonts::LineMetrics> metrics, const PangoText& t,
                 const ParagraphStyle& style, Use use, double width, double y, double& extent) {
    fonts::LineMetrics m = metrics ? *metrics : fonts::lineMetrics(t.fallbackFont);
    double gap = use == Use::layoutManager ? m.lineGap : 0;
    double height = m.ascent + m.descent + gap;
    double minimum = finiteOrZero(style.minimumLineHeight), maximum = finiteOrZero(style.maximumLineHeight);
    if (minimum > 0) height = std::max(height, minimum);
    if (maximum > 0) height = std::min(height, maximum);

    double room = std::isfinite(width) ? width - (line.x + lineWidth) : 0;
    extent = line.x + lineWidth;
    line.width = lineWidth;
    line.ascent = m.ascent, line.descent = m.descent;
    if (room > 0 && style.alignment == TextAlignment::right) line.x += room;
    if (room > 0 && style.alignment == TextAlignment::center) line.x += room / 2;

    // Extra height of a minimum line height goes above the glyphs.
    line.baseline = y + height - m.descent - gap;
    line.above = line.baseline - y;
    line.below = y + height - line.baseline;
    return height;
}

// Whether a style of that mode cuts a line too long for its width short.
bool truncates(LineBreakMode mode) {
    return mode == LineBreakMode::truncatingHead || mode == LineBreakMode::truncatingTail ||
           mode == LineBreakMode::truncatingMiddle;
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

// The two ends of a long truncated line joined by an ellipsis.
AttributedString twoEndsOf(const AttributedString& s, Paragraph p) {
    const size_t head = characterStart(s.text(), p.start + mostTruncatedBytes / 2),
                 tail = characterStart(s.text(), p.end - mostTruncatedBytes / 2);
    AttributedString cut = s.substring(p.start, head);
    const TextAttributes* attributes = s.attributesAt(head - 1);
    cut.append("\u2026", attributes ? *attributes : TextAttributes{});
    cut.append(s.substring(tail, p.end));
    return cut;
}

// What a text is laid out in.
struct Setting {
    double width = unlimited;  // of the frame; unlimited for none
    Use use = Use::fromTopLeft;
};

// A piece made ready for pango: its text, how each of its windows is laid
// out, and where its lines start across.
struct Prepared {
    PangoText text;
    WindowFrame frame;
    double firstIndent = 0, headIndent = 0, shift = 0;
    bool clipping = false;  // its lines are cut at the frame's width
    size_t sourceBase = 0;  // what the text's sources are counted from
};

// The piece as pango gets it, the same for laying it out and for drawing.
Prepared prepare(const AttributedString& string, const Piece& piece, Setting setting) {
    const ParagraphStyle& style = styleOf(string, piece.paragraph);
    AttributedString ends;
    const AttributedString* s = &string;
    Paragraph p{piece.start, piece.end};
    Prepared out;
    if (piece.twoEnds) {
        ends = twoEndsOf(string, p);
        s = &ends, p = {0, ends.length()};
        out.sourceBase = piece.start;
    }
    const Use use = setting.use;
    const double width = setting.width;
    LineBreakMode mode = style.lineBreakMode;
    const bool truncating = truncates(mode);
    const bool clipping = mode == LineBreakMode::clipping;
    const bool wrapping = !truncating && !clipping && use != Use::singleLine;

    std::vector<size_t> hyphens;
    if (style.hyphenationFactor > 0 && wrapping) {
        hyphens = hyphenationPoints(std::string_view(s->text()).substr(p.start, p.end - p.start),
                                    style.hyphenationLanguage);
        for (size_t& h : hyphens) h += p.start;
    }
    out.text = pangoText(*s, p.start, p.end, use == Use::singleLine, hyphens);
    const PangoText& t = out.text;

    // Pango indents the first line against the others: the layout starts
    // at the smaller of the two indents.
    double firstIndent = std::max(finiteOrZero(style.firstLineHeadIndent), 0.0);
    double headIndent = std::max(finiteOrZero(style.headIndent), 0.0);
    if (piece.indents == Indents::firstLine || use == Use::singleLine) headIndent = firstIndent;
    if (piece.indents == Indents::head) firstIndent = headIndent;
    const double shift = std::min(firstIndent, headIndent);
    out.firstIndent = firstIndent, out.headIndent = headIndent, out.shift = shift;

    const bool bounded = std::isfinite(width);
    const bool justified = style.alignment == TextAlignment::justified;
    // Pango's width and indent: the layout starts at the smaller indent.
    const int indent = pangoUnits(firstIndent - shift) - pangoUnits(headIndent - shift);
    WindowFrame& frame = out.frame;
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
    out.clipping = clipping && bounded;
    return out;
}

// Lays out one piece in windows (TextWindows.h) from `top`, appending its
// lines up to the bound; returns their height.
double layOutPiece(const AttributedString& s, const Piece& piece, Setting setting, const TextBound& bound, double top,
                   Layout& out) {
    if (piece.start > 0 && piece.start >= bound.bytes) {
        out.whole = false;
        return 0;
    }
    const Prepared r = prepare(s, piece, setting);
    if (r.clipping) out.clipWidth = setting.width;
    const ParagraphStyle& style = styleOf(s, piece.paragraph);
    const size_t index = out.pieces.size(), firstWindow = out.windows.size();
    out.pieces.push_back(piece);
    double y = top;
    WindowedParagraph paragraph = layOutInWindows(r.text, r.frame, [&](const WindowLine& l) {
        Line line;
        line.piece = index;
        line.start = l.start, line.end = l.end, line.hyphenated = l.hyphenated;
        line.source = r.sourceBase + sourceOffset(r.text, l.start);
        if (l.engineBroken) {
            line.x = l.paragraphStart ? r.firstIndent : r.headIndent;
            line.inkWidth = l.width;
            line.inkAbove = line.inkBelow = std::numeric_limits<double>::infinity();
        } else {
            line.window = firstWindow + l.window, line.index = static_cast<uint32_t>(l.index);
            line.x = r.shift + l.x;
            line.inkLeft = l.inkLeft, line.inkWidth = l.inkWidth;
            line.inkAbove = l.inkAbove, line.inkBelow = l.inkBelow;
        }
        double extent = 0;
        const double height = stackLine(line, l.width, l.metrics, r.text, style, setting.use, setting.width, y, extent);
        // The first line past the bound is left out, and the text after it.
        if (y - height > bound.height || (line.source > 0 && line.source >= bound.bytes)) {
            out.whole = false;
            return false;
        }
        out.lines.push_back(line);
        out.size.width = std::max(out.size.width, extent);
        out.tallestLine = std::max(out.tallestLine, height);
        y += height;
        return true;
    });
    out.windows.insert(out.windows.end(), paragraph.windows.begin(), paragraph.windows.end());
    if (paragraph.whole) recentWindows().keep(out.serial, firstWindow, std::move(*paragraph.whole));
    out.brokeWord |= paragraph.brokeWord;
    return y - top;
}

// Lays out one paragraph from `top`; returns its height. Truncation works
// line by line: each line of a truncating style between line separators
// is laid out alone, so each is cut on its own and keeps its indent.
double layOutParagraph(const AttributedString& s, Paragraph p, Setting setting, const TextBound& bound, double top,
                       Layout& out) {
    auto piece = [&](size_t start, size_t end, Indents indents) {
        return Piece{start, end, p.start, indents, end - start > mostTruncatedBytes};
    };
    if (!truncates(styleOf(s, p.start).lineBreakMode))
        return layOutPiece(s, {p.start, p.end, p.start, Indents::both, false}, setting, bound, top, out);
    if (setting.use == Use::singleLine) return layOutPiece(s, piece(p.start, p.end, Indents::both), setting, bound, top, out);
    const std::string_view text = std::string_view(s.text()).substr(0, p.end);
    double y = top;
    for (size_t start = p.start;;) {
        const size_t separator = text.find(lineSeparator, start);
        const size_t end = separator == std::string_view::npos ? p.end : separator;
        y += layOutPiece(s, piece(start, end, start == p.start ? Indents::firstLine : Indents::head), setting, bound, y,
                         out);
        if (end == p.end || !out.whole) break;
        start = end + lineSeparator.size();
    }
    return y - top;
}

// The start of each paragraph of the text (and its end) to `each`,
// until it answers false.
template <typename Each>
void forEachParagraph(std::string_view text, Each each) {
    for (size_t start = 0;;) {
        size_t end = start, separator = 0;
        for (;; ++end) {
            end = text.find_first_of("\n\r\xC2\xE2", end);
            if (end == std::string_view::npos) {
                end = text.size();
                break;
            }
            if ((separator = separatorAt(text, end)) > 0) break;
        }
        // A separator at the very end opens no other, empty paragraph.
        if (!each(Paragraph{start, end}) || end + separator >= text.size()) return;
        start = end + separator;
    }
}

// Whether a paragraph of the text cuts its lines at the frame's width,
// which cuts every line of the text there.
bool anyParagraphClips(const AttributedString& s) {
    auto clips = [](const TextAttributes& a) {
        return a.paragraphStyle && a.paragraphStyle->lineBreakMode == LineBreakMode::clipping;
    };
    if (std::none_of(s.runs().begin(), s.runs().end(), [&](const auto& run) { return clips(run.attributes); }))
        return false;
    bool found = false;
    forEachParagraph(s.text(), [&](Paragraph p) {
        found = styleOf(s, p.start).lineBreakMode == LineBreakMode::clipping;
        return !found;
    });
    return found;
}

// The text laid out paragraph by paragraph, up to the bound.
Layout layOut(const AttributedString& s, double width, Use use, const TextBound& bound) {
    static uint64_t serials = 0;
    Layout out;
    out.serial = ++serials;
    if (s.empty()) return out;
    const Setting setting{finitePositive(width) ? width : unlimited, use};
    double y = 0;
    if (use == Use::singleLine) {
        y = layOutParagraph(s, {0, s.length()}, setting, bound, 0, out);
    } else {
        std::optional<size_t> previous;  // the start of the paragraph before
        forEachParagraph(s.text(), [&](Paragraph p) {
            if (previous) y += std::max(finiteOrZero(styleOf(s, *previous).paragraphSpacing), 0.0);
            previous = p.start;
            y += layOutParagraph(s, p, setting, bound, y, out);
            return out.whole;
        });
    }
    // A paragraph left out still cuts the lines of those laid out.
    if (!out.whole && !out.clipWidth && std::isfinite(setting.width) && anyParagraphClips(s))
        out.clipWidth = setting.width;
    if (out.clipWidth) out.size.width = std::min(out.size.width, *out.clipWidth);
    out.size.height = y;
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
// them lays out each text once. The limits keep the whole under 40 MB, but
// for the latest layout that is larger by itself (of a long text: about
// 150 bytes a line). A layout made up to a bound is kept under that bound;
// one that was not stopped by it is the whole text's, and serves any.
class LayoutCache {
public:
    std::shared_ptr<const Layout> layout(const AttributedString& s, double width, Use use, TextBound bound = {}) {
        if (!finitePositive(width)) width = unlimited;
        // A single line stands on the frame's foot whatever its height.
        if (use == Use::singleLine) bound.height = std::numeric_limits<double>::infinity();
        forgetIfFontsChanged();
        if (auto found = find({&s, width, use, {}})) return found;
        if (!bound.none())
            if (auto found = find({&s, width, use, bound})) return found;
        // A text as long as the one kept aside lays out about as large:
        // the kept one goes first, so that two are never held at once.
        if (oversized_ && s.length() >= oversized_->first.text.length()) oversized_.reset();
        loadFacesFor(s);
        forgetIfFontsChanged();
        auto made = std::make_shared<const Layout>(layOut(s, width, use, bound));
        if (made->whole) bound = {};
        const size_t bytes = s.length() + made->bytes();
        if (bytes > mostBytes) {
            // Kept aside, the latest such layout alone, rather than in
            // the place of all the others: the item table asks about a
            // long text between the small ones around it, and the small
            // ones would put it out each time.
            oversized_.emplace(Key{s, width, use, bound}, made);
            return made;
        }
        while (!order_.empty() && (layouts_.size() >= mostLayouts || bytes_ + bytes > mostBytes)) {
            layouts_.erase(layouts_.find(*order_.front().first));
            bytes_ -= order_.front().second;
            order_.pop_front();
        }
        auto it = layouts_.emplace(Key{s, width, use, bound}, made).first;
        order_.emplace_back(&it->first, bytes);
        bytes_ += bytes;
        return made;
    }

    void clear() {
        oversized_.reset();
        layouts_.clear();
        order_.clear();
        bytes_ = 0;
        recentWindows().clear();
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
        TextBound bound;
    };
    struct KeyView {
        const AttributedString* text;
        double width;
        Use use;
        TextBound bound;
        KeyView(const AttributedString* t, double w, Use u, TextBound b) : text(t), width(w), use(u), bound(b) {}
        KeyView(const Key& k) : text(&k.text), width(k.width), use(k.use), bound(k.bound) {}
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
            return a.width == b.width && a.use == b.use && a.bound == b.bound && *a.text == *b.text;
        }
    };

    std::shared_ptr<const Layout> find(KeyView key) const {
        if (oversized_ && Equal()(key, oversized_->first)) return oversized_->second;
        if (auto it = layouts_.find(key); it != layouts_.end()) return it->second;
        return nullptr;
    }

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

// The lines of a layout shown where cairo's current point is: each from
// its window as kept from measuring, else laid out again, with its piece,
// while the lines drawn are theirs.
class Redrawing {
public:
    Redrawing(const AttributedString& s, const Layout& layout, double width, Use use)
        : s_(s), layout_(layout), setting_{finitePositive(width) ? width : unlimited, use} {}

    void show(cairo_t* cr, const Line& line) {
        if (line.window == noWindow) {
            // A line broken by the engine is shaped again on its own.
            PangoText t = lineText(prepared(line.piece).text, line.start, line.end, line.hyphenated);
            LayoutPtr alone = newLayout(t);
            showLayoutLine(cr, pango_layout_get_line_readonly(alone.get(), 0));
            return;
        }
        if (!window_ || *window_ != line.window) {
            shownLayout_ = nullptr;
            if (const WindowLayout* kept = recentWindows().find(layout_.serial, line.window)) {
                shownLayout_ = kept->layout.get();
            } else {
                const Prepared& p = prepared(line.piece);
                shown_ = layOutWindow(p.text, p.frame, layout_.windows[line.window]);
                shownLayout_ = shown_.layout.get();
            }
            window_ = line.window;
        }
        showLayoutLine(cr, pango_layout_get_line_readonly(shownLayout_, static_cast<int>(line.index)));
    }

private:
    const Prepared& prepared(size_t piece) {
        if (!piece_ || *piece_ != piece) {
            prepared_ = prepare(s_, layout_.pieces[piece], setting_);
            piece_ = piece;
        }
        return prepared_;
    }

    const AttributedString& s_;
    const Layout& layout_;
    Setting setting_;
    std::optional<size_t> piece_, window_;
    Prepared prepared_;
    WindowLayout shown_;
    PangoLayout* shownLayout_ = nullptr;
};

}  // namespace

BoundedSize measure(const AttributedString& text, Size bounds, const TextBound& bound) {
    if (text.empty()) return {};
    std::lock_guard lock(fonts::fontLock());
    std::shared_ptr<const Layout> layout = cache().layout(text, bounds.width, Use::fromTopLeft, bound);
    return {layout->size, layout->tallestLine, layout->whole};
}

Size measure(const AttributedString& text, Size bounds) { return measure(text, bounds, TextBound{}).size; }

void draw(cairo_t* cr, const AttributedString& text, const Rect& frame, TextDrawingMode mode) {
    if (text.empty() || !frame.isFinite()) return;
    std::lock_guard lock(fonts::fontLock());
    const Use use = useFor(mode);
    const Rect f = upright(frame);
    // Lines wholly outside the clip (the page, where nothing else clips)
    // are left out: a long text cut off at its cell would otherwise put
    // every glyph of it into the page. The margin keeps glyphs that reach
    // past their line. So the frame shows its text only down to the clip,
    // and the text is laid out no further: a single line is never cut.
    double clipTop, clipBottom, ignored;
    cairo_clip_extents(cr, &ignored, &clipTop, &ignored, &clipBottom);
    std::shared_ptr<const Layout> shared = cache().layout(text, f.width, use, TextBound::frame(clipBottom - f.y));
    const Layout& layout = *shared;
    cairo_save(cr);
    if (layout.clipWidth) {
        // Only the sides: lines run on below the frame as they always do.
        double margin = 1000;
        cairo_rectangle(cr, f.x, f.y - margin, *layout.clipWidth, layout.size.height + 2 * margin);
        cairo_clip(cr);
    }
    cairo_clip_extents(cr, &ignored, &clipTop, &ignored, &clipBottom);
    cairo_set_source_rgb(cr, 0, 0, 0);
    Redrawing redrawing(text, layout, f.width, use);
    for (const Line& line : layout.lines) {
        double baseline = use == Use::singleLine ? f.height : line.baseline;
        double margin = line.above + line.below;
        if (f.y + baseline + line.below + margin < clipTop || f.y + baseline - line.above - margin > clipBottom)
            continue;
        cairo_move_to(cr, f.x + line.x, f.y + baseline);
        redrawing.show(cr, line);
    }
    cairo_restore(cr);
}

TextExtent extent(const AttributedString& text, const Rect& frame, TextDrawingMode mode, const TextBound& bound) {
    TextExtent out;
    if (text.empty() || !frame.isFinite()) return out;
    std::lock_guard lock(fonts::fontLock());
    const Use use = useFor(mode);
    const Rect f = upright(frame);
    std::shared_ptr<const Layout> layout = cache().layout(text, f.width, use, bound);
    out.size = layout->size;
    out.brokeWord = layout->brokeWord;
    out.whole = layout->whole;
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

std::vector<TextLine> lines(const AttributedString& text, double width, TextDrawingMode mode, const TextBound& bound) {
    std::vector<TextLine> out;
    if (text.empty()) return out;
    std::lock_guard lock(fonts::fontLock());
    std::shared_ptr<const Layout> layout = cache().layout(text, width, useFor(mode), bound);
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
