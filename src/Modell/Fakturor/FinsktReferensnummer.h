#pragma once
// The Finnish creditor reference (national reference with a 7-3-1 check
// digit) and the Finnish banks' bank barcode, version 4 (IBAN with national
// reference), with the errors that keep a barcode from being made.
#include "Modell/Datum.h"
#include "Plattform/Decimal.h"

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

class FelPåFinsktReferensnummer : public std::exception {
public:
    enum class Fall {
        inkorrektIBAN,
        negativtBelopp,
        streckkodsgeneratorn,
        // The euro field of the barcode has six digits.
        förStortBelopp,
    };

    explicit FelPåFinsktReferensnummer(Fall fall) : fall_(fall) {}
    Fall fall() const { return fall_; }

    // The English text; the giro form prints it where the barcode would be.
    std::string description() const;
    const char* what() const noexcept override;

    friend bool operator==(const FelPåFinsktReferensnummer& a, const FelPåFinsktReferensnummer& b) {
        return a.fall_ == b.fall_;
    }

private:
    Fall fall_;
};

// The reference made from an invoice number: the number with its check
// digit appended. 0 when the text is not an unsigned decimal integer or is
// too large for the reference to fit in 64 bits.
int64_t finsktReferensnummerBaseratPåNummer(std::string_view nummer);

// The 54-digit barcode text for the payee's IBAN and the invoice's amount
// to pay, number and due date. Throws FelPåFinsktReferensnummer.
std::string streckkodssträngMedIBAN(std::string_view iban, const Decimal& attBetala, std::string_view nummer,
                                    Datum förfallodatum);

