#pragma once
// An optional text or byte block in one word: none, up to seven bytes held
// in the word itself, or a pointer to a block holding the length and the
// bytes. Records of which a large ledger holds hundreds of thousands keep
// their seldom set or short texts in it: a std::optional<std::string> takes
// five words and, past fifteen bytes, a block as well.
#include "Plattform/Bytes.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

// `Owned` is what it converts to and from: std::string (a text, seen as a
// string_view) or Bytes (seen as a span).
template <class Owned>
class CompactOptional {
public:
    using View = std::conditional_t<std::is_same_v<Owned, std::string>, std::string_view, std::span<const uint8_t>>;

    CompactOptional() = default;
    CompactOptional(std::nullopt_t) {}
    CompactOptional(View v) { set(v.data(), v.size()); }
    CompactOptional(const Owned& v) { set(v.data(), v.size()); }
    CompactOptional(const std::optional<Owned>& v) {
        if (v) set(v->data(), v->size());
    }
    template <class T = Owned, class = std::enable_if_t<std::is_same_v<T, std::string>>>
    CompactOptional(const char* text) : CompactOptional(std::string_view(text)) {}
    CompactOptional(const CompactOptional& other) {
        if (other) set((*other).data(), (*other).size());
    }
    CompactOptional(CompactOptional&& other) noexcept : word_(std::exchange(other.word_, 0)) {}
    CompactOptional& operator=(CompactOptional other) noexcept {
        std::swap(word_, other.word_);
        return *this;
    }
    ~CompactOptional() { reset(); }

    bool has_value() const { return word_ != 0; }
    explicit operator bool() const { return has_value(); }
    // The value; there must be one. Valid while this object is unchanged.
    View operator*() const {
        if (word_ & inlineTag) return view(reinterpret_cast<const uint8_t*>(&word_) + 1, size_t(word_ & 0xFF) >> 1);
        const auto* block = reinterpret_cast<const Block*>(word_);
        return view(block->bytes, block->size);
    }
    Owned value_or(View otherwise) const {
        View v = *this ? **this : otherwise;
        return Owned(v.begin(), v.end());
    }
    operator std::optional<Owned>() const {
        if (!*this) return std::nullopt;
        View v = **this;
        return Owned(v.begin(), v.end());
    }
    void reset() {
        if (word_ && !(word_ & inlineTag)) ::operator delete(reinterpret_cast<Block*>(word_));
        word_ = 0;
    }

    friend bool operator==(const CompactOptional& a, const CompactOptional& b) {
        return a.has_value() == b.has_value() && (!a || same(*a, *b));
    }
    friend bool operator==(const CompactOptional& a, std::nullopt_t) { return !a; }
    friend bool operator==(const CompactOptional& a, View b) { return a && same(*a, b); }
    friend bool operator==(const CompactOptional& a, const Owned& b) { return a && same(*a, View(b)); }
    friend bool operator==(const CompactOptional& a, const std::optional<Owned>& b) {
        return b ? a == *b : !a;
    }
    template <class T = Owned, class = std::enable_if_t<std::is_same_v<T, std::string>>>
    friend bool operator==(const CompactOptional& a, const char* b) {
        return a == std::string_view(b);
    }

private:
    static_assert(std::endian::native == std::endian::little, "the inline bytes follow the tag byte in memory");
    static constexpr uint64_t inlineTag = 1;  // blocks are aligned, so a pointer never has it
    static constexpr size_t inlineBytes = 7;

    struct Block {
        size_t size;
        uint8_t bytes[1];
    };

    static View view(const uint8_t* data, size_t size) {
        if constexpr (std::is_same_v<View, std::string_view>)
            return {reinterpret_cast<const char*>(data), size};
        else
            return {data, size};
    }
    static bool same(View a, View b) { return std::equal(a.begin(), a.end(), b.begin(), b.end()); }

    // Up to seven bytes as one little-endian word, put together in
    // registers: copying them into the word in memory and reading it back
    // stalls on every short text, and a large ledger reads millions.
    static uint64_t inlineWord(const uint8_t* data, size_t size) {
        if (size >= 4) {
            // Two reads of four that overlap when size < 8.
            uint32_t low, high;
            std::memcpy(&low, data, 4);
            std::memcpy(&high, data + size - 4, 4);
            return low | uint64_t(high) << (8 * (size - 4));
        }
        if (size == 0) return 0;
        return data[0] | uint64_t(data[size / 2]) << (8 * (size / 2)) | uint64_t(data[size - 1]) << (8 * (size - 1));
    }

    template <class C>
    void set(const C* data, size_t size) {
        if (size <= inlineBytes) {
            word_ = inlineWord(reinterpret_cast<const uint8_t*>(data), size) << 8 | uint64_t(size) << 1 | inlineTag;
            return;
        }
        auto* block = static_cast<Block*>(::operator new(offsetof(Block, bytes) + size));
        block->size = size;
        std::memcpy(block->bytes, data, size);
        word_ = reinterpret_cast<uint64_t>(block);
    }

    uint64_t word_ = 0;
};

using CompactText = CompactOptional<std::string>;
using CompactBytes = CompactOptional<Bytes>;

// A text that is always there, perhaps empty, in one word: the name of each
// of a hundred thousand ledger entries, most of them past the fifteen bytes
// a std::string holds without a block of its own.
class CompactString {
public:
    CompactString() : text_(std::string_view()) {}
    CompactString(std::string_view text) : text_(text) {}
    CompactString(const std::string& text) : text_(std::string_view(text)) {}
    CompactString(const char* text) : text_(std::string_view(text)) {}

    std::string_view view() const { return *text_; }
    operator std::string_view() const { return view(); }
    std::string str() const { return std::string(view()); }

    friend bool operator==(const CompactString& a, std::string_view b) { return a.view() == b; }
    friend bool operator==(const CompactString& a, const std::string& b) { return a.view() == b; }
    friend bool operator==(const CompactString& a, const char* b) { return a.view() == b; }

private:
    CompactText text_;
};
