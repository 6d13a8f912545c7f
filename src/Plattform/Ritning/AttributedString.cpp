#include "Plattform/Ritning/AttributedString.h"

#include <unicode/utf8.h>

#include <algorithm>

namespace {

// The text with every ill-formed UTF-8 sequence replaced by U+FFFD.
std::string validUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    int32_t i = 0;
    const auto* s = reinterpret_cast<const uint8_t*>(text.data());
    const auto n = static_cast<int32_t>(text.size());
    while (i < n) {
        int32_t start = i;
        UChar32 c;
        U8_NEXT(s, i, n, c);
        if (c < 0)
            out += "\uFFFD";
        else
            out.append(text.substr(start, i - start));
    }
    return out;
}

}  // namespace

AttributedString::AttributedString(std::string_view text, TextAttributes attributes) {
    append(text, attributes);
}

void AttributedString::append(std::string_view text, const TextAttributes& attributes) {
    std::string valid = validUtf8(text);
    if (valid.empty()) return;
    if (!runs_.empty() && runs_.back().attributes == attributes)
        runs_.back().length += valid.size();
    else
        runs_.push_back({text_.size(), valid.size(), attributes});
    text_ += valid;
}

void AttributedString::append(const AttributedString& other) {
    size_t offset = text_.size();
    text_ += other.text_;
    for (const Run& run : other.runs_) {
        if (!runs_.empty() && runs_.back().attributes == run.attributes)
            runs_.back().length += run.length;
        else
            runs_.push_back({run.start + offset, run.length, run.attributes});
    }
}

AttributedString AttributedString::substring(size_t start, size_t end) const {
    AttributedString out;
    end = std::min(end, text_.size());
    if (start >= end) return out;
    out.text_ = text_.substr(start, end - start);
    for (const Run& run : runs_) {
        const size_t from = std::max(run.start, start), to = std::min(run.start + run.length, end);
        if (from < to) out.runs_.push_back({from - start, to - from, run.attributes});
    }
    return out;
}

const TextAttributes* AttributedString::attributesAt(size_t index) const {
    // Runs follow one another: a text of many paragraphs asks for each.
    auto run = std::partition_point(runs_.begin(), runs_.end(),
                                    [&](const Run& r) { return r.start + r.length <= index; });
    return run != runs_.end() && index >= run->start ? &run->attributes : nullptr;
}

const ParagraphStyle* AttributedString::paragraphStyleAt(size_t index) const {
    const TextAttributes* a = attributesAt(index);
    return a && a->paragraphStyle ? &*a->paragraphStyle : nullptr;
}

void AttributedString::setParagraphStyle(const ParagraphStyle& style) {
    for (Run& run : runs_) run.attributes.paragraphStyle = style;
    mergeRuns();
}

void AttributedString::setForegroundColor(const Color& color) {
    for (Run& run : runs_) run.attributes.foregroundColor = color;
    mergeRuns();
}

void AttributedString::setFont(const Font& font) {
    for (Run& run : runs_) run.attributes.font = font;
    mergeRuns();
}

TextAttributes TextAttributes::scaled(double factor) const {
    TextAttributes a = *this;
    if (a.font) a.font->pointSize *= factor;
    if (a.paragraphStyle) {
        ParagraphStyle& p = *a.paragraphStyle;
        for (TextTab& tab : p.tabStops) tab.location *= factor;
        p.defaultTabInterval *= factor;
        p.firstLineHeadIndent *= factor;
        p.headIndent *= factor;
        p.minimumLineHeight *= factor;
        p.maximumLineHeight *= factor;
        p.paragraphSpacing *= factor;
    }
    return a;
}

AttributedString AttributedString::scaled(double factor) const {
    AttributedString out = *this;
    for (Run& run : out.runs_) run.attributes = run.attributes.scaled(factor);
    return out;
}

void AttributedString::mergeRuns() {
    std::vector<Run> merged;
    for (Run& run : runs_) {
        if (!merged.empty() && merged.back().attributes == run.attributes)
            merged.back().length += run.length;
        else
            merged.push_back(std::move(run));
    }
    runs_ = std::move(merged);
}
