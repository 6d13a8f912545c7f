#pragma once
// Turns the JSON object read from standard input into new entries,
// customers and sent invoices for a loaded document. Nothing in the
// document changes: the caller appends what comes back, so an import that
// fails anywhere leaves the document as it was.
#include "Kommandorad/JsonImportfel.h"
#include "Kommandorad/JsonVarde.h"

#include <array>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class Bokföringsbas;
class Verifikation;
class Räkenskapsår;
class Affärskontakt;
class Faktura;

// The sent invoices of an import are made and disposed of by the invoice
// section (JsonImportFakturor.cpp), which alone needs the invoice model.
struct RaderaFaktura {
    void operator()(Faktura* faktura) const;
};
using ImporteradFaktura = std::unique_ptr<Faktura, RaderaFaktura>;

struct Importresultat {
    // A booked entry with its fiscal year, or a pending one (no year).
    struct Post {
        std::unique_ptr<Verifikation> v;
        Räkenskapsår* år = nullptr;
    };
    std::vector<Post> verifikationer;
    std::vector<std::unique_ptr<Affärskontakt>> kontakter;
    std::vector<ImporteradFaktura> fakturor;

    Importresultat();
    Importresultat(Importresultat&&) noexcept;
    Importresultat& operator=(Importresultat&&) noexcept;
    ~Importresultat();
};

// The accepted top-level keys, in the order the sections are processed.
inline constexpr std::array<std::string_view, 3> godk = {"entries", "customers", "invoices"};

// Where the progress lines go: one call per line, without the line feed.
using Förloppsrad = std::function<void(std::string_view)>;

// Throws JSONImportfel and nothing else. Progress lines are handed to
// `skrivRad` as each item is made (standard output in the tool).
Importresultat importera(JsonVärde json, const Bokföringsbas& till, const Förloppsrad& skrivRad);

// Appends the result to the document in the order the driver keeps:
// entries (into their year, or pending), then contacts, then invoices.
void läggTillImporten(Bokföringsbas& bokföring, Importresultat&& resultat);
