#include "Plattform/Ritning/PangoText.h"

#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Ritning/Hyphenation.h"
#include "Plattform/Ritning/PangoFonts.h"
#include "Plattform/Ritning/StreamSafeText.h"
#include "Plattform/UnicodeText.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace text {
namespace {

// Pango breaks a line by walking the rest of the item it breaks, once for
// every line it makes, so a paragraph of one item costs the square of its
// length; and a long paragraph is laid out a window at a time, each ending
// with a piece (TextWindows.h), so a long piece makes every window long.
// So the text is handed over in items of a bounded length (each a font
// attribute of its own): a piece ends inside a long word once the piece
// holds `pieceLength` characters, and in a long paragraph also after a
// white space. Inside a word it ends between two characters that are
// clusters of their own; a word of clusters of several characters (flags,
// letters and accents, syllables) has none such, and is cut before the
// next cluster once the piece holds `pieceGrace` characters more. A
// cluster is at most `longestJoinedRun` characters long (StreamSafeText.h),
// so no piece is longer than the sum, whatever clusters it holds. Items are
// shaped apart, so the texts of every day stay one item and are shaped
// exactly as they always were.
constexpr size_t pieceLength = longWordLength;
constexpr size_t pieceGrace = 32;

constexpr std::string_view softHyphen = "\u00AD";
constexpr std::string_view noBreakSpace = "\u00A0";
constexpr std::string_view graphemeJoinerText = "\u034F";  // graphemeJoiner as UTF-8

// Whether a piece may end between a and b: neither belongs to a cluster
// of several characters (marks, joiners, emoji sequences, Hangul).
bool mayCutBetween(UChar32 a, UChar32 b) {
    auto plain = [](UChar32 c) {
        auto kind = u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK);
        return kind == U_GCB_OTHER || kind == U_GCB_CONTROL;
    };
    return plain(a) && plain(b);
}

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

void addColor(PangoAttrList* list, const Color& color, size_t start, size_t end) {
    if (color != Color::black())
        addAttribute(list,
                     pango_attr_foreground_new(colorChannel(color.red), colorChannel(color.green),
                                               colorChannel(color.blue)),
                     start, end);
    if (color.alpha < 1) addAttribute(list, pango_attr_foreground_alpha_new(colorChannel(color.alpha)), start, end);
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

}  // namespace

LayoutPtr newLayout(const PangoText& t) {
    LayoutPtr layout(pango_layout_new(fonts::pangoContext()));
    pango_layout_set_text(layout.get(), t.text.data(), static_cast<int>(t.text.size()));
    pango_layout_set_attributes(layout.get(), t.attributes.get());
    return layout;
}

namespace {

// The byte ranges of `text` in which a break shows no hyphen: all but the
// character after each soft hyphen.
ByteRanges withoutHyphens(std::string_view text) {
    ByteRanges out;
    size_t from = 0;
    for (size_t at = text.find(softHyphen); at != std::string::npos; at = text.find(softHyphen, at + 1)) {
        size_t next = at + softHyphen.size();
        if (next < text.size()) U8_FWD_1(text.data(), next, text.size());
        if (from < at) out.emplace_back(from, at);
        from = next;
    }
    if (from < text.size()) out.emplace_back(from, text.size());
    return out;
}

// The byte ranges of `text` no line may break in: the first and the last
// three letters of every word of six letters or more.
ByteRanges wordEnds(std::string_view text) {
    ByteRanges out;
    auto isLetter = [](UChar32 c) { return c >= 0 && (u_isalpha(c) || u_hasBinaryProperty(c, UCHAR_DIACRITIC)); };
    // The byte offsets of the letters of the word being read, and the
    // offset after its last.
    std::vector<size_t> letters;
    auto endWord = [&](size_t end) {
        if (letters.size() >= 2 * shortestWordPart) {
            out.emplace_back(letters.front(), letters[shortestWordPart]);
            out.emplace_back(letters[letters.size() - shortestWordPart], end);
        }
        letters.clear();
    };
    for (size_t i = 0; i < text.size();) {
        const size_t at = i;
        UChar32 c;
        U8_NEXT(text.data(), i, text.size(), c);
        if (isLetter(c)) letters.push_back(at);
        else endWord(at);
    }
    endWord(text.size());
    return out;
}

}  // namespace

PangoText pangoText(const AttributedString& s, size_t start, size_t end, bool separatorsAsSpaces,
                    const std::vector<size_t>& hyphens) {
    PangoText out;
    out.sources = {{0, start}};
    // From byte `from` of the text on, the source continues at `source`.
    auto continuesAt = [&out](size_t from, size_t source) {
        auto& [lastFrom, lastSource] = out.sources.back();
        if (lastSource + (from - lastFrom) == source) return;
        if (lastFrom == from)
            lastSource = source;
        else
            out.sources.emplace_back(from, source);
    };
    out.fallbackFont = fonts::defaultFont();
    if (const TextAttributes* a = s.attributesAt(start); a && a->font) out.fallbackFont = *a->font;
    bool fallbackFromText = false;
    const bool longParagraph = end - start > longParagraphBytes;
    size_t wordLength = 0;  // characters since the last white space
    UChar32 lastWritten = -1;
    auto nextHyphen = hyphens.begin();
    std::string_view text = s.text();
    // Only the runs the piece holds: a text of many paragraphs in many
    // runs is handed over a paragraph at a time.
    const auto firstRun = std::partition_point(s.runs().begin(), s.runs().end(), [&](const AttributedString::Run& r) {
        return r.start + r.length <= start;
    });
    for (auto r = firstRun; r != s.runs().end() && r->start < end; ++r) {
        const AttributedString::Run& run = *r;
        size_t from = std::max(run.start, start), to = std::min(run.start + run.length, end);
        if (from >= to) continue;
        size_t first = out.text.size();
        std::vector<size_t> cuts;
        size_t sinceCut = 0;
        UChar32 previous = -1;
        auto cutHere = [&] {
            if (cuts.empty() || cuts.back() != out.text.size()) cuts.push_back(out.text.size());
            sinceCut = 0;
        };
        // Each run is a piece of its own: the run of joined characters
        // starts anew with it.
        JoinedRun joined;
        // The byte of the text that the character being written stands for;
        // what is put in before it stands there too.
        size_t source = from;
        auto write = [&](UChar32 c, std::string_view bytes) {
            if (joined.needsJoinerBefore(c)) {
                continuesAt(out.text.size(), source);
                // The joiner is a mark: not after white space either.
                if (lastWritten >= 0 && u_isUWhiteSpace(lastWritten)) out.text += noBreakSpace, joined.written(0xA0);
                cutHere();
                out.text += graphemeJoinerText;
                joined.joinerWritten();
            }
            continuesAt(out.text.size(), source);
            out.text += bytes;
            joined.written(c);
            lastWritten = c;
        };
        for (size_t i = from; i < to;) {
            size_t at = i;
            UChar32 c;
            U8_NEXT(text.data(), i, to, c);
            if (c == 0) {
                continuesAt(out.text.size(), i);
                continue;
            }
            if (sinceCut >= pieceLength && previous >= 0 &&
                (u_isUWhiteSpace(previous)
                     ? longParagraph
                     : wordLength >= pieceLength &&
                           (mayCutBetween(previous, c) || (sinceCut >= pieceLength + pieceGrace && joined.startsCluster(c)))))
                cutHere();
            previous = c;
            ++sinceCut;
            wordLength = u_isUWhiteSpace(c) ? 0 : wordLength + 1;
            if (wordLength >= longWordLength) out.longWord = true;
            source = at;
            while (nextHyphen != hyphens.end() && *nextHyphen < at) ++nextHyphen;
            if (nextHyphen != hyphens.end() && *nextHyphen == at) write(0xAD, softHyphen);
            // A mark after white space has no letter to sit on, and pango
            // aborts breaking a line that starts with white space and such a
            // mark of another direction. It is set on a no-break space, as a
            // mark is shown on its own.
            if (lastWritten >= 0 && u_isUWhiteSpace(lastWritten) &&
                extendsCluster(u_getIntPropertyValue(c, UCHAR_GRAPHEME_CLUSTER_BREAK)))
                write(0xA0, noBreakSpace);
            if (c < 0 || isNoncharacter(c)) {
                write(0xFFFD, "\uFFFD");
            } else if (separatorsAsSpaces && (endsParagraph(c) || c == 0x2028)) {
                if (!(c == '\n' && at > 0 && text[at - 1] == '\r')) write(' ', " ");
            } else {
                write(c, text.substr(at, i - at));
            }
            continuesAt(out.text.size(), i);
        }
        size_t last = out.text.size();
        if (first == last) continue;
        const TextAttributes& a = run.attributes;
        Font font = a.font ? *a.font : fonts::defaultFont();
        if (a.font && !fallbackFromText) out.fallbackFont = font, fallbackFromText = true;
        // Black is what the line is drawn in where no colour is given.
        Color color = a.foregroundColor ? *a.foregroundColor : Color::black();
        cutHere();  // the end of the last piece
        for (size_t piece = first; size_t cut : cuts) {
            addAttribute(out.attributes.get(), pango_attr_font_desc_new(descriptionOf(font)), piece, cut);
            out.spans.push_back({piece, cut, font, color});
            piece = cut;
        }
        addColor(out.attributes.get(), color, first, last);
        if (!a.font && onlyWhiteSpace(text.substr(from, to - from))) out.metricsIgnored.push_back({first, last});
    }
    return out;
}

size_t sourceOffset(const PangoText& t, size_t at) {
    auto next = std::upper_bound(t.sources.begin(), t.sources.end(), at,
                                 [](size_t a, const std::pair<size_t, size_t>& p) { return a < p.first; });
    if (next == t.sources.begin()) return at;
    const auto& [from, source] = *std::prev(next);
    const size_t offset = source + (at - from);
    return next == t.sources.end() ? offset : std::min(offset, next->second);
}

PangoText lineText(const PangoText& t, size_t start, size_t end, bool hyphenated) {
    PangoText out;
    out.fallbackFont = t.fallbackFont;
    std::string_view line = std::string_view(t.text).substr(start, end - start);
    if (line.ends_with(lineSeparator)) line.remove_suffix(lineSeparator.size());
    out.text = line;
    if (hyphenated && line.ends_with(softHyphen))
        out.text.replace(out.text.size() - softHyphen.size(), softHyphen.size(), "-");
    auto span = std::partition_point(t.spans.begin(), t.spans.end(),
                                     [&](const PangoText::Span& s) { return s.end <= start; });
    for (; span != t.spans.end() && span->start < end; ++span) {
        size_t from = std::max(span->start, start) - start, to = std::min(span->end - start, out.text.size());
        if (from >= to) continue;
        addAttribute(out.attributes.get(), pango_attr_font_desc_new(descriptionOf(span->font)), from, to);
        addColor(out.attributes.get(), span->color, from, to);
        out.spans.push_back({from, to, span->font, span->color});
    }
    return out;
}

WindowRules windowRules(const PangoText& t, size_t start, size_t end, WindowBreaks breaks) {
    WindowRules out;
    if (!breaks.hyphensOnlyAtSoftHyphens && !breaks.noShortPiecesOfWords) return out;
    // Found from a few characters before the window, so that a word it
    // starts inside keeps the rules of the whole word.
    end = std::min(end, t.text.size());
    size_t context = start;
    const auto* bytes = reinterpret_cast<const uint8_t*>(t.text.data());
    for (int i = 0; i < 2 * shortestWordPart + 2 && context > 0; ++i) U8_BACK_1(bytes, 0, context);
    const std::string_view around = std::string_view(t.text).substr(context, end - context);
    auto within = [&](const ByteRanges& ranges) {
        ByteRanges in;
        for (auto [from, to] : ranges)
            if (context + to > start) in.emplace_back(std::max(context + from, start) - start, context + to - start);
        return in;
    };
    if (breaks.hyphensOnlyAtSoftHyphens) out.withoutHyphens = within(withoutHyphens(around));
    if (breaks.noShortPiecesOfWords) out.wordEnds = within(wordEnds(around));
    return out;
}

PangoText windowText(const PangoText& t, size_t start, size_t end, const WindowRules& rules) {
    PangoText out;
    out.fallbackFont = t.fallbackFont;
    out.text = std::string_view(t.text).substr(start, end - start);
    end = start + out.text.size();
    auto next = std::partition_point(t.sources.begin(), t.sources.end(),
                                     [&](const std::pair<size_t, size_t>& p) { return p.first <= start; });
    out.sources = {{0, sourceOffset(t, start)}};
    for (; next != t.sources.end() && next->first < end; ++next)
        out.sources.emplace_back(next->first - start, next->second);
    auto ignored = std::partition_point(t.metricsIgnored.begin(), t.metricsIgnored.end(),
                                        [&](const std::pair<size_t, size_t>& r) { return r.second <= start; });
    for (; ignored != t.metricsIgnored.end() && ignored->first < end; ++ignored)
        out.metricsIgnored.emplace_back(std::max(ignored->first, start) - start,
                                        std::min(ignored->second, end) - start);

    // Inserted in order of their starts, so that each goes at the list's
    // end: pango looks for the place of any other from the list's start.
    std::vector<std::pair<size_t, PangoAttribute*>> attributes;
    auto add = [&](PangoAttribute* a, size_t from, size_t to) {
        a->start_index = static_cast<guint>(from);
        a->end_index = static_cast<guint>(to);
        attributes.emplace_back(from, a);
    };
    auto span = std::partition_point(t.spans.begin(), t.spans.end(),
                                     [&](const PangoText::Span& s) { return s.end <= start; });
    for (; span != t.spans.end() && span->start < end; ++span) {
        const size_t from = std::max(span->start, start) - start, to = std::min(span->end, end) - start;
        if (from >= to) continue;
        add(pango_attr_font_desc_new(descriptionOf(span->font)), from, to);
        const Color& color = span->color;
        if (color != Color::black())
            add(pango_attr_foreground_new(colorChannel(color.red), colorChannel(color.green), colorChannel(color.blue)),
                from, to);
        if (color.alpha < 1) add(pango_attr_foreground_alpha_new(colorChannel(color.alpha)), from, to);
        out.spans.push_back({from, to, span->font, color});
    }
    for (auto [from, to] : rules.withoutHyphens) add(pango_attr_insert_hyphens_new(FALSE), from, to);
    for (auto [from, to] : rules.wordEnds) add(pango_attr_allow_breaks_new(FALSE), from, to);
    std::stable_sort(attributes.begin(), attributes.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto [from, a] : attributes) pango_attr_list_insert(out.attributes.get(), a);
    return out;
}

std::optional<fonts::LineMetrics> itemMetrics(const PangoText& t, const PangoItem* item) {
    for (auto [a, b] : t.metricsIgnored)
        if (static_cast<size_t>(item->offset) >= a && static_cast<size_t>(item->offset) < b) return std::nullopt;
    return metricsOf(item->analysis.font);
}

}  // namespace text
