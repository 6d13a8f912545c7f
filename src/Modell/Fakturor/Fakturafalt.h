#pragma once
// A positioned field of a user invoice template: which value it shows, where
// and in which style. Fields have no record of their own; the template and
// language records write and read them inline.
#include "Koder.h"
#include "Modell/Fakturor/Stil.h"
#include "Modell/Referenser.h"
#include "Plattform/Geometry.h"
#include "Strommar.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class Fakturafält : public Sparbar {
public:
    // The kind of value a field shows; the raw value is the case's index.
    enum class Id : int64_t {
        RecipientAddress, RecipientCompany, RecipientPerson, Reminder, Title, Number, SenderPerson,
        DeliveryAddress, DeliveryMethod, RecipientVatNo, SenderCompany, Email, Fax, Phone, SenderAddress,
        SenderCompanyCity, OrganisationID, VatNo, WebPage, TotalVat, TotalInclVat, TotalExclVat, Discount,
        Rounding, TotalAmountWhole, TotalAmountCent, FreeText, DeliveryDate, RegisteredForTax,
        RegisteredForVat, PageNumber, PageCount, QRCode, CreditDetails, CreditPeriod, Logo, Month, Year,
        Date, PurchaseOrderNo, PaymentOption2, PaymentOption1, DueDate, BIC, Bank, IBAN, BankAccount,
        CurrencyCode, AmountsForEachVatLevel, BarCodeDigits, BarCode, FinnishRefNo, LineNumber,
        LineArticleNumber, LineArticleName, LineComment, LineDiscount, LineQuantity, LinePrice,
        LinePriceInclVat, LineVatLevel, LineVatAmount, LineTotalExclVat, LineTotalInclVat, LineUnit,
        CustomerID, Personnummer, Personnummer2, Fastighetsbeteckning, Bostadsrättsförening,
        Lägenhetsnummer, ROT_RUT_amount, LineContents, LineHeaders, Swish,
    };
    static constexpr size_t antalId = 75;

    Rect ram;
    // None for a field whose stored code is absent or not one we know.
    std::optional<Id> id;
    Stil stil;

    Fakturafält(const Rect& ram, std::optional<Id> id, const Stil& stil);
    Fakturafält(Inström& ström, const Referenser& ref);

    // Record: code as optional string, style record, the four floats of
    // `ram`, closing word 0.
    void spara(Utström& ström) const override;

    // A code that was stored but is not one of ours (written by a newer
    // version of the program, say). It is written back as read so that
    // saving does not erase the field's kind.
    const std::optional<std::string>& okändKod() const { return okändKod_; }

private:
    Fakturafält(Inström& ström, const Referenser& ref, std::optional<std::string> lagradKod);

    std::optional<std::string> okändKod_;
};

// Every kind in declaration order.
const std::array<Fakturafält::Id, Fakturafält::antalId>& allaFältId();

// The stored code ("_recipient_address", ...).
std::string_view kod(Fakturafält::Id id);
// Exact, case-sensitive match against the 75 codes.
template <>
std::optional<Fakturafält::Id> frånKod<Fakturafält::Id>(std::string_view kod);
// The raw value 0 to 74; anything else gives none.
template <>
std::optional<Fakturafält::Id> frånKod<Fakturafält::Id>(int64_t råvärde);
