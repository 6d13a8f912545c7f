#pragma once
// A postal address: stored in contacts, in the ledger root and in
// invoices, and laid out as the address block the invoices print.
#include "Modell/Referenser.h"
#include "Strommar.h"

#include <optional>
#include <string>

class Adress : public Sparbar {
public:
    std::optional<std::string> attention;
    std::string gata;
    std::string postnummer;
    std::string postadress;
    std::optional<std::string> delstat;
    std::string land = "se";  // a `Land` code, though any text is kept

    Adress() = default;
    Adress(Inström& ström, const Referenser& ref);
    void spara(Utström& ström) const override;

    // The address block as seen from the country `landskod` (the sender's
    // country): lines separated by U+2028, the attention line first when
    // asked for and present, and a country line naming a foreign country in
    // the language of `landskod`.
    std::string formatteradFörAvsändarland(const std::string& landskod, bool taMedAttention) const;
    // The address block for a recipient in the country `landskod`; a
    // country other than `landskod` is named in the recipient's language.
    std::string formatteradFörMottagarland(const std::string& landskod, bool taMedAttention) const;

    // Everything but the attention line takes part (canonical equivalence
    // for the texts).
    friend bool operator==(const Adress& a, const Adress& b);
};
