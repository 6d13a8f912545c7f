#pragma once
// Text with runs of attributes, the unit the text engine measures and
// draws. The text is UTF-8; bytes that are not valid UTF-8 are replaced
// when a string is made, so nothing invalid reaches the text engine.
#include "Plattform/Font.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class AttributedString {
public:
    struct Run {
        size_t start = 0;   // byte offset into text()
        size_t length = 0;  // bytes
        TextAttributes attributes;

        friend bool operator==(const Run&, const Run&) = default;
    };

    AttributedString() = default;
    AttributedString(std::string_view text, TextAttributes attributes = {});

    const std::string& text() const { return text_; }
    bool empty() const { return text_.empty(); }
    size_t length() const { return text_.size(); }
    // Adjacent runs with equal attributes are kept merged; an empty string
    // has no run.
    const std::vector<Run>& runs() const { return runs_; }

    void append(const AttributedString& other);
    void append(std::string_view text, const TextAttributes& attributes = {});

    // The bytes [start, end) with their attributes; `end` is clamped to the
    // text. Both must fall between characters.
    AttributedString substring(size_t start, size_t end) const;

    // The attributes of the run that holds the byte at `index`; null past
    // the end.
    const TextAttributes* attributesAt(size_t index) const;
    // The paragraph style of the first character, which is the style of
    // its paragraph; none for an empty string or an unstyled first run.
    const ParagraphStyle* paragraphStyleAt(size_t index) const;

    // Sets one attribute over the whole text, keeping the others.
    void setParagraphStyle(const ParagraphStyle& style);
    void setForegroundColor(const Color& color);
    void setFont(const Font& font);

    // The text with every length in it times `factor`: font sizes, tab
    // stops, indents, line heights and paragraph spacing, so that it sets
    // as the same text made smaller.
    AttributedString scaled(double factor) const;

    friend bool operator==(const AttributedString&, const AttributedString&) = default;

private:
    void mergeRuns();

    std::string text_;
    std::vector<Run> runs_;
};

// The paragraph separator and the line separator of multi-line texts.
inline constexpr std::string_view paragraphSeparator = "\u2029";
inline constexpr std::string_view lineSeparator = "\u2028";
