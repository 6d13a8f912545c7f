#include "Modell/Fakturor/Fakturafalt.h"

namespace {

// Indexed by the raw value. The codes follow no rule from the case names.
constexpr std::array<std::string_view, Fakturafält::antalId> koder{
    "_recipient_address",
    "_recipient_company",
    "_recipient_person",
    "_reminder",
    "_title",
    "_no",
    "_sender_person",
    "_delivery_address",
    "_delivery_method",
    "_recipient_vatno",
    "_sender_company",
    "_email",
    "_fax",
    "_telephone",
    "_sender_address",
    "_sender_company_city",
    "_orgid",
    "_vatno",
    "_homepage",
    "_total_vat",
    "_amount_incl_vat",
    "_amount_excl_vat",
    "_invoice_level_rebate",
    "_swedish_rounding",
    "_total_amount_whole",
    "_total_amount_cent",
    "_free_text_note",
    "_delivery_date",
    "_registered_for_tax",
    "_registered_for_vat",
    "_page_number",
    "_page_count",
    "_qrcode",
    "_credit_details",
    "_credit_period",
    "_logo",
    "_invoice_month",
    "_invoice_year",
    "_invoice_date",
    "_purchase_order_no",
    "_payment_option_2",
    "_payment_option_1",
    "_due_date",
    "_bic",
    "_bank",
    "_iban",
    "_bank_account",
    "_currency_code",
    "_amounts_for_each_vat_level",
    "_barcode_digits",
    "_barcode",
    "_fi_refno",
    "_line_unique_id",
    "_line_article_number",
    "_line_article_name",
    "_line_comment",
    "_line_rebate",
    "_line_pcs",
    "_line_price",
    "_line_price_incl_vat",
    "_line_vat_level",
    "_line_vat",
    "_line_total_excl_vat",
    "_line_total_incl_vat",
    "_line_unit",
    "_customer_number",
    "_person_number",
    "_person_number2",
    "_property_id",
    "_bostadsratt",
    "_apartment_no",
    "_rot_rut_amount",
    "_line_contents",
    "_line_headers",
    "_swish",
};

constexpr std::array<Fakturafält::Id, Fakturafält::antalId> allaFall = [] {
    std::array<Fakturafält::Id, Fakturafält::antalId> a{};
    for (size_t i = 0; i < a.size(); ++i) a[i] = static_cast<Fakturafält::Id>(i);
    return a;
}();

}  // namespace

const std::array<Fakturafält::Id, Fakturafält::antalId>& allaFältId() { return allaFall; }

std::string_view kod(Fakturafält::Id id) { return koder.at(static_cast<size_t>(id)); }

template <>
std::optional<Fakturafält::Id> frånKod<Fakturafält::Id>(std::string_view kod) {
    for (size_t i = 0; i < koder.size(); ++i)
        if (koder[i] == kod) return static_cast<Fakturafält::Id>(i);
    return std::nullopt;
}

template <>
std::optional<Fakturafält::Id> frånKod<Fakturafält::Id>(int64_t råvärde) {
    if (råvärde < 0 || råvärde >= static_cast<int64_t>(Fakturafält::antalId)) return std::nullopt;
    return static_cast<Fakturafält::Id>(råvärde);
}

Fakturafält::Fakturafält(const Rect& ram, std::optional<Id> id, const Stil& stil) : ram(ram), id(id), stil(stil) {}

Fakturafält::Fakturafält(Inström& ström, const Referenser& ref)
    : Fakturafält(ström, ref, ström.optionalString()) {}

// The code comes before the style in the record, hence the code argument.
Fakturafält::Fakturafält(Inström& ström, const Referenser& ref, std::optional<std::string> lagradKod)
    : id(lagradKod ? frånKod<Id>(std::string_view(*lagradKod)) : std::nullopt),
      stil(ström, ref),
      okändKod_(id ? std::nullopt : std::move(lagradKod)) {
    ram.x = ström.float64();
    ram.y = ström.float64();
    ram.width = ström.float64();
    ram.height = ström.float64();
    ström.int64();  // closing word; its value is not used
}

void Fakturafält::spara(Utström& ström) const {
    ström.writeString(id ? std::optional<std::string>(std::string(kod(*id))) : okändKod_);
    stil.spara(ström);
    ström.writeFloat64(ram.x);
    ström.writeFloat64(ram.y);
    ström.writeFloat64(ram.width);
    ström.writeFloat64(ram.height);
    ström.writeInt64(0);
}
