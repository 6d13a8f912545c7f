#pragma once
// The phrase table of a template language: phrase code to text. It keeps
// the order in which entries were first added so that a table read from a
// document is written back in the same order.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

class Frastabell {
public:
    using Post = std::pair<std::string, std::string>;

    // A key that is already present keeps its place and takes the new value.
    void sätt(std::string nyckel, std::string värde);
    // Null when the key is absent.
    const std::string* värde(std::string_view nyckel) const;

    size_t size() const { return poster_.size(); }
    bool empty() const { return poster_.empty(); }
    std::vector<Post>::const_iterator begin() const { return poster_.begin(); }
    std::vector<Post>::const_iterator end() const { return poster_.end(); }

    friend bool operator==(const Frastabell& a, const Frastabell& b) { return a.poster_ == b.poster_; }

private:
    std::vector<Post> poster_;
    std::unordered_map<std::string, size_t> plats_;
};
