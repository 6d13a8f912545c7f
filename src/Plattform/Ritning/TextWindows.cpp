#include "Plattform/Ritning/TextWindows.h"

#include "Plattform/Ritning/PangoFonts.h"

#include <algorithm>
#include <utility>

namespace text {
namespace {

// A window grows to at most this many times its usual length when it
// holds no line it may keep.
constexpr size_t mostGrowth = 16;

// A window given at most this many ranges of its rules of breaking is laid
// out with them at once (rulesChangeNothing).
constexpr size_t fewRules = 16;

bool rightToLeft(PangoDirection d) { return d == PANGO_DIRECTION_RTL || d == PANGO_DIRECTION_WEAK_RTL; }

// Where a window from `start` of about `bytes` ends: where the piece it
// reaches that length in ends (pieces are pango's items at most, so the
// window's items are the paragraph's), or at a character after at most
// `most` bytes.
size_t windowEnd(const PangoText& t, size_t start, size_t bytes, size_t most) {
    const size_t size = t.text.size();
    if (size - start <= bytes) return size;
    auto piece = std::partition_point(t.spans.begin(), t.spans.end(),
                                      [&](const PangoText::Span& s) { return s.end < start + bytes; });
    size_t end = piece == t.spans.end() ? size : piece->end;
    if (end - start > most) {
        end = start + most;
        while (end > start + 1 && (static_cast<unsigned char>(t.text[end]) & 0xC0) == 0x80) --end;
    }
    return end;
}

// The start of the piece that holds the window's last byte. A line whose
// breaking looked into that piece may break otherwise in the window, where
// the piece may be cut short and no text follows, than in the paragraph.
size_t lastPieceStart(const PangoText& t, size_t start, size_t end) {
    auto piece = std::partition_point(t.spans.begin(), t.spans.end(),
                                      [&](const PangoText::Span& s) { return s.end < end; });
    return piece == t.spans.end() ? start : std::max(piece->start, start);
}

// How many of a window's lines after the first `skip`, ending at `ends`
// (bytes from the window's start), are kept: those the paragraph breaks
// alike. A line's breaking looks past its end, at most to where the next
// line ends; so a line is kept when the next one ends before the window's
// last piece, at `limit`. The last window keeps every line.
size_t linesKept(const std::vector<size_t>& ends, size_t skip, size_t limit, bool last) {
    if (last) return ends.size() - skip;
    size_t kept = 0;
    while (skip + kept + 1 < ends.size() && ends[skip + kept + 1] <= limit) ++kept;
    return kept;
}

// Whether a window laid out without the attributes of its rules breaks
// its lines as it would with them. The rules only take places to break
// away (in the first and last letters of words) and the hyphen from
// breaks; pango weighs a place's hyphen only where it may break there. So
// when no place the window may break lies strictly within a range of the
// rules that changes it, and no line starts where pango found no place in
// a word's stead (it then tries every character), the rules change
// nothing, and the window is laid out without them: pango's breaker reads
// each of their ranges from the text's beginning, which costs their number
// times the window's length.
bool rulesChangeNothing(PangoLayout* layout, std::string_view text, const WindowRules& rules,
                        const std::vector<size_t>& lineStarts, bool characterWrap) {
    if (rules.withoutHyphens.empty() && rules.wordEnds.empty()) return true;
    int count = 0;
    const PangoLogAttr* attributes = pango_layout_get_log_attrs_readonly(layout, &count);
    auto strictlyWithin = [](const ByteRanges& ranges, ByteRanges::const_iterator& r, size_t at) {
        while (r != ranges.end() && r->second <= at) ++r;
        return r != ranges.end() && r->first < at;
    };
    auto hyphens = rules.withoutHyphens.cbegin(), ends = rules.wordEnds.cbegin();
    auto starts = lineStarts.cbegin();
    size_t at = 0;
    for (int i = 0; i < count; ++i) {
        const PangoLogAttr& a = attributes[i];
        const bool mayBreak = a.is_line_break || a.is_mandatory_break || (characterWrap && a.is_char_break);
        if (mayBreak && strictlyWithin(rules.wordEnds, ends, at)) return false;
        if (mayBreak && (a.break_inserts_hyphen || a.break_removes_preceding) &&
            strictlyWithin(rules.withoutHyphens, hyphens, at))
            return false;
        while (starts != lineStarts.end() && *starts < at) ++starts;
        if (starts != lineStarts.end() && *starts == at && !a.is_line_break && !a.is_mandatory_break) return false;
        if (at < text.size()) at = static_cast<size_t>(g_utf8_next_char(text.data() + at) - text.data());
    }
    return true;
}

// A window to lay out: it starts with the line before the first it may
// keep (`skip`), when there is one, so that the text before that line is
// shaped and its direction resolved as in the paragraph.
struct Attempt {
    Window window;
    size_t first = 0;   // where the first line it may keep starts
    size_t skip = 0;    // lines before it: 1 or 0
    size_t limit = 0;   // bytes from the window's start
    bool last = false;  // the window ends the paragraph
    bool mayGrow = false;
    const std::function<bool(const WindowLine&)>* line = nullptr;
};

// What came of laying out a window.
struct Outcome {
    enum Kind {
        kept,            // lines, handed on
        grow,            // none it may keep: a longer window may hold one
        withoutContext,  // the line before did not end where it did before
        notByEngine,     // the engine cannot break it
    } kind = kept;
    size_t next = 0;       // where the next window's first line starts
    size_t lastStart = 0;  // where the last line kept starts
};

// Hands on the lines a window keeps and tells where the next starts, from
// where its lines end; or tells why it keeps none.
template <typename EachLine>
Outcome keep(const Attempt& a, const std::vector<size_t>& ends, Window window, WindowedParagraph& out,
             EachLine eachLine) {
    if (a.skip && ends.front() != a.first - a.window.start) return {Outcome::withoutContext};
    size_t kept = linesKept(ends, a.skip, a.limit, a.last);
    if (kept == 0 && a.mayGrow) return {Outcome::grow};
    kept = std::max<size_t>(kept, 1);
    out.windows.push_back(window);
    for (size_t i = a.skip; i < a.skip + kept; ++i) {
        WindowLine line;
        line.window = out.windows.size() - 1;
        line.index = i;
        line.start = window.start + (i == 0 ? 0 : ends[i - 1]);
        line.end = window.start + ends[i];
        line.paragraphStart = line.start == 0;
        eachLine(i, line);
        if (!(*a.line)(line)) {
            out.stopped = true;
            return {Outcome::kept};
        }
    }
    // A line cut where the window ends, not where it was broken.
    if (a.skip + kept == ends.size() && !a.last) out.brokeWord = true;
    const size_t lastLine = a.skip + kept - 1;
    return {Outcome::kept, window.start + ends[lastLine], window.start + (lastLine == 0 ? 0 : ends[lastLine - 1])};
}

// A window broken by the engine.
Outcome engineWindow(const PangoText& t, const WindowFrame& frame, const Attempt& a, WindowedParagraph& out) {
    // The engine takes the hyphen at a soft hyphen as pango gives it,
    // which its rules do not change.
    const PangoText w = windowText(t, a.window.start, a.window.end);
    const int firstWidth = frame.width - std::max(frame.indent, 0);
    const int otherWidth = frame.width - std::max(-frame.indent, 0);
    auto lines = breakLongWords(w, a.window.start == 0 ? firstWidth : otherWidth, otherWidth,
                                frame.wrap == PANGO_WRAP_CHAR);
    if (!lines) return {Outcome::notByEngine};
    std::vector<size_t> ends;
    for (const BrokenLine& l : *lines) ends.push_back(l.end);
    return keep(a, ends, a.window, out, [&](size_t i, WindowLine& line) {
        const BrokenLine& l = (*lines)[i];
        line.engineBroken = true;
        line.hyphenated = l.hyphenated;
        line.width = l.width;
        line.metrics = l.metrics;
        out.brokeWord |= l.insideWord;
    });
}

WindowLayout layOutWindow(const PangoText& paragraph, const WindowFrame& frame, const Window& window,
                          const WindowRules& rules) {
    WindowLayout out;
    out.text = windowText(paragraph, window.start, window.end, window.ruled ? rules : WindowRules{});
    const bool ownDirection = baseDirection(out.text.text) == frame.direction;
    out.layout.reset(pango_layout_new(ownDirection ? fonts::pangoContext() : fonts::pangoContext(frame.direction)));
    PangoLayout* layout = out.layout.get();
    pango_layout_set_text(layout, out.text.text.data(), static_cast<int>(out.text.text.size()));
    pango_layout_set_attributes(layout, out.text.attributes.get());
    if (!ownDirection) {
        // As pango sets the paragraph: from its right edge when it runs
        // right to left.
        pango_layout_set_auto_dir(layout, FALSE);
        if (rightToLeft(frame.direction)) pango_layout_set_alignment(layout, PANGO_ALIGN_RIGHT);
    }
    // Only the paragraph's first line takes the first line's indent. Pango
    // gives the first line of every layout that indent, so a window after
    // the first is laid out without one; under a hanging indent, at the
    // width and tab stops the paragraph's other lines have, and its lines
    // are moved right by the indent.
    const bool first = window.start == 0;
    const bool hanging = !first && frame.indent < 0;
    pango_layout_set_indent(layout, first ? frame.indent : 0);
    if (frame.tabs) pango_layout_set_tabs(layout, hanging ? frame.laterTabs.get() : frame.tabs.get());
    if (frame.width >= 0 && !window.atNoWidth) {
        pango_layout_set_width(layout, hanging ? std::max(frame.width + frame.indent, 1) : frame.width);
        if (frame.ellipsize != PANGO_ELLIPSIZE_NONE) {
            pango_layout_set_ellipsize(layout, frame.ellipsize);
        } else {
            pango_layout_set_wrap(layout, frame.wrap);
            pango_layout_set_justify(layout, frame.justify);
        }
    }
    out.leftIndent = hanging ? -frame.indent : 0;
    return out;
}

// A short paragraph of one window laid out at no width, which is cheaper,
// when it fits its width; none when it does not. Laying out a long one
// twice would double the cost of the longest texts.
std::optional<WindowLayout> atNoWidth(const PangoText& t, const WindowFrame& frame, Window window) {
    if (window.start != 0 || window.end != t.text.size() || frame.width < 0 || t.text.size() > longParagraphBytes)
        return std::nullopt;
    window.atNoWidth = true;
    WindowLayout w = layOutWindow(t, frame, window, {});
    PangoRectangle logical;
    pango_layout_get_extents(w.layout.get(), nullptr, &logical);
    if (logical.x < 0 || logical.x + logical.width > frame.width) return std::nullopt;
    // The layout's extents leave out the hanging indent of the lines after
    // a line separator, which stand that much to the right: a line that
    // fits only without it must be broken at the width.
    if (frame.indent < 0)
        for (GSList* l = pango_layout_get_lines_readonly(w.layout.get()); l; l = l->next) {
            if (l == pango_layout_get_lines_readonly(w.layout.get())) continue;
            PangoRectangle line;
            pango_layout_line_get_extents(static_cast<PangoLayoutLine*>(l->data), nullptr, &line);
            if (line.x < 0 || line.x + line.width - frame.indent > frame.width) return std::nullopt;
        }
    return w;
}

// Where a window's lines end, in bytes from its start.
std::vector<size_t> lineEnds(const WindowLayout& w) {
    std::vector<size_t> ends;
    for (GSList* l = pango_layout_get_lines_readonly(w.layout.get()); l; l = l->next) {
        const auto* line = static_cast<PangoLayoutLine*>(l->data);
        if (line->start_index > 0) ends.push_back(static_cast<size_t>(line->start_index));
    }
    ends.push_back(w.text.text.size());
    return ends;
}

// A window broken by pango.
Outcome pangoWindow(const PangoText& t, const WindowFrame& frame, const Attempt& a, WindowedParagraph& out) {
    Window window = a.window;
    std::optional<WindowLayout> fits = atNoWidth(t, frame, window);
    const WindowRules rules = fits ? WindowRules{} : windowRules(t, window.start, window.end, frame.breaks);
    // A few ranges cost pango less than laying the window out twice.
    window.ruled = !fits && rules.withoutHyphens.size() + rules.wordEnds.size() <= fewRules;
    window.atNoWidth = fits.has_value();
    WindowLayout w = fits ? std::move(*fits) : layOutWindow(t, frame, window, rules);
    std::vector<size_t> ends = lineEnds(w);
    if (linesKept(ends, a.skip, a.limit, a.last) == 0 && a.mayGrow) return {Outcome::grow};
    if (!window.ruled && !window.atNoWidth) {
        // The lines' starts up to the next window's.
        const size_t kept = a.skip + std::max<size_t>(linesKept(ends, a.skip, a.limit, a.last), 1);
        const std::vector<size_t> starts(ends.begin(), ends.begin() + static_cast<ptrdiff_t>(kept));
        if (!rulesChangeNothing(w.layout.get(), w.text.text, rules, starts, frame.wrap == PANGO_WRAP_CHAR)) {
            window.ruled = true;
            w = layOutWindow(t, frame, window, rules);
            ends = lineEnds(w);
        }
    }
    PangoLayout* layout = w.layout.get();

    // A line that starts where the text offers no break starts inside a
    // word too long for its line; the start of the first line not kept is
    // the next window's, found here, where the text before it is known.
    int count = 0;
    const PangoLogAttr* attributes = pango_layout_get_log_attrs_readonly(layout, &count);
    const char* counted = w.text.text.data();
    glong offset = 0;
    auto startsInsideWord = [&](size_t at) {
        const char* lineStart = w.text.text.data() + at;
        offset += g_utf8_pointer_to_offset(counted, lineStart);
        counted = lineStart;
        return offset < count && !attributes[offset].is_line_break && !attributes[offset].is_mandatory_break;
    };

    const bool ownDirection = pango_layout_get_auto_dir(layout);
    PangoLayoutIter* it = pango_layout_get_iter(layout);
    size_t at = 0;  // the line `it` is at
    const Outcome outcome = keep(a, ends, window, out, [&](size_t i, WindowLine& line) {
        for (; at < i; ++at) pango_layout_iter_next_line(it);
        if (i + 1 < ends.size() && startsInsideWord(ends[i])) out.brokeWord = true;
        const PangoLayoutLine* pangoLine = pango_layout_iter_get_line_readonly(it);
        PangoRectangle ink, logical;
        pango_layout_iter_get_line_extents(it, &ink, &logical);
        const int baseline = pango_layout_iter_get_baseline(it);
        // Lines pango sets from the left stand right of a hanging indent
        // that a window after the paragraph's first is not given.
        const bool fromRight = ownDirection ? rightToLeft(static_cast<PangoDirection>(pangoLine->resolved_dir))
                                            : rightToLeft(frame.direction);
        line.x = static_cast<double>(logical.x + (fromRight ? 0 : w.leftIndent)) / PANGO_SCALE;
        line.width = static_cast<double>(logical.width) / PANGO_SCALE;
        line.inkLeft = static_cast<double>(ink.x - logical.x) / PANGO_SCALE;
        line.inkWidth = static_cast<double>(ink.width) / PANGO_SCALE;
        line.inkAbove = static_cast<double>(baseline - ink.y) / PANGO_SCALE;
        line.inkBelow = static_cast<double>(ink.y + ink.height - baseline) / PANGO_SCALE;
        for (GSList* r = pangoLine->runs; r; r = r->next) {
            if (auto m = itemMetrics(w.text, static_cast<PangoGlyphItem*>(r->data)->item))
                line.metrics = fonts::tallest(line.metrics.value_or(fonts::LineMetrics{}), *m);
        }
    });
    pango_layout_iter_free(it);
    if (window.start == 0 && a.last) out.whole = std::move(w);
    return outcome;
}

// Lays out the window from `start` of about `size` bytes, with the line
// before it from `previous` when there is one.
Outcome attempt(const PangoText& t, const WindowFrame& frame, size_t start, std::optional<size_t> previous, size_t size,
                size_t most, const std::function<bool(const WindowLine&)>& line, WindowedParagraph& out) {
    Attempt a;
    a.window = {previous.value_or(start), windowEnd(t, start, size, most)};
    a.first = start;
    a.skip = previous ? 1 : 0;
    a.last = a.window.end == t.text.size();
    a.limit = lastPieceStart(t, start, a.window.end) - a.window.start;
    a.mayGrow = !a.last && a.window.end - start < most && size < most;
    a.line = &line;
    if (frame.engineBreaks) {
        const Outcome o = engineWindow(t, frame, a, out);
        if (o.kind != Outcome::notByEngine) return o;
    }
    return pangoWindow(t, frame, a, out);
}

}  // namespace

PangoDirection baseDirection(std::string_view text) {
    // Pango's own search, which its layouts still use; deprecated for
    // callers that run the bidi algorithm themselves.
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    const PangoDirection found = pango_find_base_dir(text.data(), static_cast<int>(text.size()));
    G_GNUC_END_IGNORE_DEPRECATIONS
    return found == PANGO_DIRECTION_RTL ? PANGO_DIRECTION_RTL : PANGO_DIRECTION_LTR;
}

WindowLayout layOutWindow(const PangoText& paragraph, const WindowFrame& frame, const Window& window) {
    WindowRules rules;
    if (window.ruled) rules = windowRules(paragraph, window.start, window.end, frame.breaks);
    return layOutWindow(paragraph, frame, window, rules);
}

WindowedParagraph layOutInWindows(const PangoText& t, const WindowFrame& frame,
                                  const std::function<bool(const WindowLine&)>& line, size_t bytes) {
    WindowedParagraph out;
    if (frame.width < 0 || frame.ellipsize != PANGO_ELLIPSIZE_NONE) bytes = std::max(bytes, t.text.size());
    const size_t most = mostGrowth * bytes;
    std::optional<size_t> previous;  // where the last line kept starts
    // Lines as long as a window (a wide frame, characters that take no
    // room) are met in a row: a window starts at the length the last one
    // grew to.
    size_t size = bytes;
    // An empty paragraph is one empty line, as pango lays it out.
    if (t.text.empty()) {
        attempt(t, frame, 0, std::nullopt, size, most, line, out);
        return out;
    }
    for (size_t start = 0; start < t.text.size();) {
        for (;; size = std::min(2 * size, most)) {
            Outcome o = attempt(t, frame, start, previous, size, most, line, out);
            if (o.kind == Outcome::withoutContext) o = attempt(t, frame, start, std::nullopt, size, most, line, out);
            if (out.stopped) return out;
            if (o.kind == Outcome::grow) continue;
            // The last line kept is the next window's first, unless it is
            // longer than a window of its own.
            previous = o.next - o.lastStart <= bytes ? std::optional<size_t>(o.lastStart) : std::nullopt;
            start = o.next;
            break;
        }
    }
    return out;
}

}  // namespace text
