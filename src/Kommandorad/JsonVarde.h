#pragma once
// A parsed JSON value as the importer reads it. Numbers keep the text they
// were written with, so whole-number tests are exact and no amount ever
// passes through a binary floating-point value.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class JsonVärde {
public:
    enum class Typ { null, boolesk, tal, text, lista, objekt };

    JsonVärde() = default;  // null
    static JsonVärde sant(bool värde);
    // `tal` is the number as written in the input (JSON number syntax).
    static JsonVärde talFrånText(std::string tal);
    static JsonVärde textVärde(std::string text);
    static JsonVärde listaAv(std::vector<JsonVärde> element);
    // Members with the same key: the last one wins.
    static JsonVärde objektAv(std::vector<std::pair<std::string, JsonVärde>> medlemmar);

    Typ typ() const { return typ_; }
    bool ärObjekt() const { return typ_ == Typ::objekt; }
    bool ärLista() const { return typ_ == Typ::lista; }

    // The conversions every key of the import goes through. Each gives none
    // for a value of another JSON type.
    //
    // Text: a JSON string only.
    const std::string* text() const { return typ_ == Typ::text ? &sträng_ : nullptr; }
    // A JSON number whose exact value is whole and in the signed 64-bit
    // range (1930 and 1930.0 and 1.93e3, not 1930.5 nor 2^63).
    std::optional<int64_t> heltal() const;
    // true and false, and the numbers whose value is exactly 1 or 0.
    std::optional<bool> boolesk() const;
    // The elements when this is an array whose every element is an object.
    const std::vector<JsonVärde>* listaAvObjekt() const;

    // Raw access.
    bool booleskVärde() const { return boolesk_; }
    const std::string& talText() const { return sträng_; }
    const std::vector<JsonVärde>& element() const { return element_; }
    // Sorted by key, each key once.
    const std::vector<std::pair<std::string, JsonVärde>>& medlemmar() const { return medlemmar_; }
    // The member with this key, if this is an object that has it.
    const JsonVärde* medlem(std::string_view nyckel) const;

    friend bool operator==(const JsonVärde&, const JsonVärde&) = default;

private:
    Typ typ_ = Typ::null;
    bool boolesk_ = false;
    std::string sträng_;  // the text, or the number as written
    std::vector<JsonVärde> element_;
    std::vector<std::pair<std::string, JsonVärde>> medlemmar_;
};

// The exact value of a JSON number text when it is a whole number within
// the signed 64-bit range.
std::optional<int64_t> heltalFrånJsonTal(std::string_view tal);
