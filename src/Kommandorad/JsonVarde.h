#pragma once
// A parsed JSON text as the importer reads it. Numbers keep the text they
// were written with, so whole-number tests are exact and no amount ever
// passes through a binary floating-point value.
//
// The whole text is one `JsonDokument`: the UTF-8 text itself, in which the
// strings with escapes were decoded where they stood, and one flat array of
// eight-byte nodes in document order, each value or key a node (an array or
// object followed by the nodes of its contents, a member as its key's node
// and its value's). An object's keys are also listed, sorted, in one array
// of four-byte node numbers, after their count. So a document holds its
// text and at most twelve bytes for each value or key beside it, whatever
// its shape; the smallest value takes two bytes of text with its comma.
// `JsonVärde` is a handle to one node: two words, copied by value, valid
// while its document lives.
#include "Plattform/Bytes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

class JsonLista;
class JsonMedlemmar;
struct JsonInnehåll;

class JsonVärde {
public:
    enum class Typ { null, boolesk, tal, text, lista, objekt };

    Typ typ() const;
    bool ärObjekt() const { return typ() == Typ::objekt; }
    bool ärLista() const { return typ() == Typ::lista; }

    // The conversions every key of the import goes through. Each gives none
    // for a value of another JSON type.
    //
    // Text: a JSON string only.
    std::optional<std::string_view> text() const;
    // A JSON number whose exact value is whole and in the signed 64-bit
    // range (1930 and 1930.0 and 1.93e3, not 1930.5 nor 2^63).
    std::optional<int64_t> heltal() const;
    // true and false, and the numbers whose value is exactly 1 or 0.
    std::optional<bool> boolesk() const;
    // The elements when this is an array whose every element is an object.
    std::optional<JsonLista> listaAvObjekt() const;

    // Raw access.
    bool booleskVärde() const;
    // The number as written (JSON number syntax); empty for other types.
    std::string_view talText() const;
    // The elements of an array; none for other types.
    JsonLista element() const;
    // The members of an object, sorted by key, each key once (the last of
    // equal keys in the text); none for other types.
    JsonMedlemmar medlemmar() const;
    // The member with this key, if this is an object that has it.
    std::optional<JsonVärde> medlem(std::string_view nyckel) const;
    // The same node of the same document, not only an equal value.
    bool sammaSom(const JsonVärde& annan) const { return innehåll_ == annan.innehåll_ && nod_ == annan.nod_; }

    // The same JSON value, wherever each was read.
    friend bool operator==(const JsonVärde& a, const JsonVärde& b);

private:
    friend class JsonDokument;
    friend class JsonLista;
    friend class JsonMedlemmar;
    JsonVärde(const JsonInnehåll* innehåll, uint32_t nod) : innehåll_(innehåll), nod_(nod) {}

    const JsonInnehåll* innehåll_;
    uint32_t nod_;
};

// The elements of an array, in order.
class JsonLista {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = JsonVärde;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = JsonVärde;

        iterator() = default;
        JsonVärde operator*() const { return JsonVärde(innehåll_, nod_); }
        iterator& operator++();
        iterator operator++(int) {
            iterator före = *this;
            ++*this;
            return före;
        }
        friend bool operator==(const iterator& a, const iterator& b) { return a.nod_ == b.nod_; }

    private:
        friend class JsonLista;
        iterator(const JsonInnehåll* innehåll, uint32_t nod) : innehåll_(innehåll), nod_(nod) {}
        const JsonInnehåll* innehåll_ = nullptr;
        uint32_t nod_ = 0;
    };

    iterator begin() const { return {innehåll_, första_}; }
    iterator end() const { return {innehåll_, slut_}; }
    bool empty() const { return första_ == slut_; }
    // Counted by going through the elements.
    size_t size() const;

private:
    friend class JsonVärde;
    JsonLista(const JsonInnehåll* innehåll, uint32_t första, uint32_t slut)
        : innehåll_(innehåll), första_(första), slut_(slut) {}
    const JsonInnehåll* innehåll_;
    uint32_t första_, slut_;
};

struct JsonMedlem {
    std::string_view nyckel;
    JsonVärde värde;
};

// The members of an object, sorted by key.
class JsonMedlemmar {
public:
    class iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = JsonMedlem;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = JsonMedlem;

        iterator() = default;
        JsonMedlem operator*() const;
        iterator& operator++() {
            ++plats_;
            return *this;
        }
        iterator operator++(int) {
            iterator före = *this;
            ++plats_;
            return före;
        }
        friend bool operator==(const iterator& a, const iterator& b) { return a.plats_ == b.plats_; }

    private:
        friend class JsonMedlemmar;
        iterator(const JsonInnehåll* innehåll, const uint32_t* plats) : innehåll_(innehåll), plats_(plats) {}
        const JsonInnehåll* innehåll_ = nullptr;
        const uint32_t* plats_ = nullptr;
    };

    iterator begin() const { return {innehåll_, nycklar_}; }
    iterator end() const { return {innehåll_, nycklar_ + antal_}; }
    bool empty() const { return antal_ == 0; }
    size_t size() const { return antal_; }
    JsonMedlem operator[](size_t i) const { return *iterator(innehåll_, nycklar_ + i); }

private:
    friend class JsonVärde;
    JsonMedlemmar(const JsonInnehåll* innehåll, const uint32_t* nycklar, size_t antal)
        : innehåll_(innehåll), nycklar_(nycklar), antal_(antal) {}
    const JsonInnehåll* innehåll_;
    const uint32_t* nycklar_;  // the key nodes; each value is the node after its key
    size_t antal_;
};

// One parsed JSON text, owning everything its values refer to. Moving it
// keeps the handles valid.
class JsonDokument {
public:
    explicit JsonDokument(std::unique_ptr<JsonInnehåll> innehåll);
    JsonDokument(JsonDokument&&) noexcept;
    JsonDokument& operator=(JsonDokument&&) noexcept;
    ~JsonDokument();

    // The top-level value.
    JsonVärde rot() const { return JsonVärde(innehåll_.get(), 0); }
    // The bytes held for the text and for its values and members.
    size_t byteHållna() const;

    // Calls `läsning` with the object and key of every member looked up
    // from now on: which keys a reader of the document asks for (tests).
    void följLäsningar(std::function<void(JsonVärde objekt, std::string_view nyckel)> läsning);

private:
    std::unique_ptr<JsonInnehåll> innehåll_;
};

// The exact value of a JSON number text when it is a whole number within
// the signed 64-bit range.
std::optional<int64_t> heltalFrånJsonTal(std::string_view tal);
