#pragma once
// Value converters that the model and views look up by a registered name,
// and the loosely typed values they convert: none, a number, a text, or a
// list of such values.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

struct Omvandlarvärde;
using Omvandlarlista = std::vector<Omvandlarvärde>;

struct Omvandlarvärde {
    std::variant<std::monostate, int64_t, std::string, Omvandlarlista> v;

    Omvandlarvärde() = default;
    Omvandlarvärde(int64_t tal) : v(tal) {}
    Omvandlarvärde(std::string text) : v(std::move(text)) {}
    Omvandlarvärde(const char* text) : v(std::string(text)) {}
    Omvandlarvärde(Omvandlarlista lista) : v(std::move(lista)) {}

    bool ärIngen() const { return std::holds_alternative<std::monostate>(v); }
    const std::string* text() const { return std::get_if<std::string>(&v); }
    const Omvandlarlista* lista() const { return std::get_if<Omvandlarlista>(&v); }
    bool operator==(const Omvandlarvärde&) const = default;
};

class Värdeomvandlare {
public:
    virtual ~Värdeomvandlare() = default;
    virtual Omvandlarvärde transformedValue(const Omvandlarvärde& värde) const = 0;
    virtual Omvandlarvärde reverseTransformedValue(const Omvandlarvärde&) const { return {}; }
};

// The process-wide table of converters by name. Registering under a name
// already in use replaces the earlier converter.
void registreraVärdeomvandlare(const std::string& namn, std::shared_ptr<const Värdeomvandlare> omvandlare);
// The converter registered under the name, or null.
std::shared_ptr<const Värdeomvandlare> värdeomvandlare(const std::string& namn);
void avregistreraVärdeomvandlare(const std::string& namn);
