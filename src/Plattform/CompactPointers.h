#pragma once
// A list of pointers in one word: none, a single pointer held in the word
// itself, or a tagged pointer to a block holding the count and the
// pointers. Records of which a large ledger holds hundreds of thousands
// keep their short lists in it: a std::vector takes three words and a
// block of its own even for one element.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <new>
#include <span>
#include <utility>
#include <vector>

template <class T>
class CompactPointers {
public:
    using value_type = T*;
    using const_iterator = T* const*;

    CompactPointers() = default;
    CompactPointers(std::span<T* const> elements) { set(elements); }
    CompactPointers(const std::vector<T*>& elements) { set(elements); }
    CompactPointers(std::initializer_list<T*> elements) { set({elements.begin(), elements.size()}); }
    CompactPointers(const CompactPointers& other) { set(other.span()); }
    CompactPointers(CompactPointers&& other) noexcept : word_(std::exchange(other.word_, nullptr)) {}
    CompactPointers& operator=(CompactPointers other) noexcept {
        std::swap(word_, other.word_);
        return *this;
    }
    ~CompactPointers() { clear(); }

    size_t size() const { return block() ? block()->size : word_ ? 1 : 0; }
    bool empty() const { return word_ == nullptr; }
    const_iterator begin() const { return block() ? block()->elements : &word_; }
    const_iterator end() const { return begin() + size(); }
    T* operator[](size_t i) const { return begin()[i]; }
    std::span<T* const> span() const { return {begin(), size()}; }
    std::vector<T*> vector() const { return {begin(), end()}; }

    void clear() {
        if (Block* b = block()) ::operator delete(b);
        word_ = nullptr;
    }

    friend bool operator==(const CompactPointers& a, const CompactPointers& b) {
        return std::ranges::equal(a.span(), b.span());
    }

private:
    // The pointed-to records are word aligned, so a single pointer never
    // has the tag.
    static constexpr uintptr_t blockTag = 1;

    struct Block {
        size_t size;
        T* elements[1];
    };

    Block* block() const {
        auto bits = reinterpret_cast<uintptr_t>(word_);
        return bits & blockTag ? reinterpret_cast<Block*>(bits & ~blockTag) : nullptr;
    }

    void set(std::span<T* const> elements) {
        if (elements.empty()) return;
        // A null pointer alone would read back as no list at all.
        if (elements.size() == 1 && elements[0]) {
            word_ = elements[0];
            return;
        }
        auto* b = static_cast<Block*>(::operator new(offsetof(Block, elements) + elements.size() * sizeof(T*)));
        b->size = elements.size();
        std::memcpy(b->elements, elements.data(), elements.size() * sizeof(T*));
        word_ = reinterpret_cast<T*>(reinterpret_cast<uintptr_t>(b) | blockTag);
    }

    T* word_ = nullptr;
};
