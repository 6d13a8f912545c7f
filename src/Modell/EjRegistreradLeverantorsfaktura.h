#pragma once
// A supplier invoice the business has received but not yet registered in
// the ledger.
#include "Modell/Datum.h"
#include "Modell/EjRegistreradLeverantorsfakturapost.h"
#include "Modell/NumreratObjekt.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

class Affärskontakt;
class Konto;
class Kostnadsställe;

class EjRegistreradLeverantörsfaktura : public NumreratObjekt {
public:
    // To be paid later (invoice date and term in days), or paid at once
    // (payment date and the account paid from).
    struct Betalningsinformation {
        struct Faktura {
            Datum fakturadatum;
            int64_t betalningsfrist;
        };
        struct Kontant {
            Datum betalningsdatum;
            Konto* källkonto;
        };
        std::variant<Faktura, Kontant> fall = Faktura{Datum(), 0};

        static Betalningsinformation faktura(Datum fakturadatum, int64_t betalningsfrist) {
            return {Faktura{fakturadatum, betalningsfrist}};
        }
        static Betalningsinformation kontant(Datum betalningsdatum, Konto* källkonto) {
            return {Kontant{betalningsdatum, källkonto}};
        }
        const Faktura* somFaktura() const { return std::get_if<Faktura>(&fall); }
        const Kontant* somKontant() const { return std::get_if<Kontant>(&fall); }

        // Same case and dates; equal terms, or both without an account or
        // both with accounts of the same number.
        friend bool operator==(const Betalningsinformation& a, const Betalningsinformation& b);
    };

    Affärskontakt* avsändare = nullptr;
    std::string externtNummer;  // the supplier's own invoice number
    std::vector<Kostnadsställe*> kostnadsställen;
    Betalningsinformation betalningsinfo;
    std::optional<std::string> kommentar;
    std::vector<EjRegistreradLeverantörsfakturapost> poster;
    std::string valuta = "SEK";

    EjRegistreradLeverantörsfaktura() = default;
    // A sender, cost centre or account that cannot be found among those
    // given is left out; nothing is refused for it.
    EjRegistreradLeverantörsfaktura(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;
};
