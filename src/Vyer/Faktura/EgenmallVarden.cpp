// What each kind of user-template field shows: a text or an image taken
// from the invoice or the ledger, or nothing. A delivery note leaves out
// the amounts and the due date.
#include "Modell/Belopp.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Fakturor/FinsktReferensnummer.h"
#include "Modell/Skatteavdrag.h"
#include "Plattform/Ritning/Bild.h"
#include "Plattform/Lokalisering.h"
#include "Plattform/Logg.h"
#include "Vyer/Faktura/Betalkodsbilder.h"
#include "Vyer/Faktura/Egenmall.h"

#include <algorithm>
#include <exception>

namespace egenmall {

namespace {

using Id = Fakturafält::Id;

constexpr DecimalBehavior utanFel{RoundingMode::plain, std::nullopt, false, false, false};
// Whole units cut toward zero (the amount is made positive first).
constexpr DecimalBehavior helaNedåt{RoundingMode::down, 0, false, false, false};

// What a delivery note does not show: prices, amounts and when to pay.
bool doldPåFöljesedel(Id id) {
    static constexpr Id dolda[] = {Id::Reminder, Id::TotalVat, Id::TotalInclVat, Id::TotalExclVat, Id::Rounding,
                                   Id::TotalAmountWhole, Id::TotalAmountCent, Id::DueDate, Id::ROT_RUT_amount,
                                   Id::LinePrice, Id::LinePriceInclVat, Id::LineVatLevel, Id::LineVatAmount,
                                   Id::LineTotalExclVat, Id::LineTotalInclVat};
    return std::find(std::begin(dolda), std::end(dolda), id) != std::end(dolda);
}

// The amount to pay in whole units and hundredths, each cut toward zero
// and carrying the amount's sign, as a giro form's two boxes show it.
// Worked in decimals, so no amount is too large.
struct HelaOchDelar {
    std::string hela, delar;
};

HelaOchDelar helaOchDelar(const Decimal& belopp) {
    if (belopp.isNaN()) return {};
    const bool negativt = belopp.isNegative();
    const Decimal a = negativt ? belopp.negated() : belopp;
    const Decimal ören = a.rounding(helaÖren);
    const Decimal hela = ören.rounding(helaNedåt);
    const Decimal delar =
        ören.subtracting(hela, utanFel).multiplying(Decimal::smallInteger(100), utanFel).rounding(helaNedåt);
    auto text = [negativt](const Decimal& d) { return (negativt && !d.isZero() ? "-" : "") + d.text(); };
    return {text(hela), text(delar)};
}

std::optional<std::string> datum(const std::optional<Datum>& d) {
    if (!d) return std::nullopt;
    return Fakturavy::datumtext(*d);
}

std::string ort(const Bokföring& b) {
    if (b.företagsform == Företagsform::aktiebolag && b._säte && !b._säte->empty()) return *b._säte;
    return b.adress.postadress;
}

std::string kreditvillkor(const Körning& k) {
    if (auto villkor = k.vy.f.kreditvillkor()) return *villkor;
    if (const std::string* villkor = k.vy.b.kreditvillkorFör(k.vy.f.språk())) return *villkor;
    return "";
}

std::optional<std::string> registrerad(const Körning& k, bool flagga, const char* nyckel) {
    if (!flagga) return std::nullopt;
    return sträng(nyckel, "Printed on invoice if the corresponding checkbox is ticked.", k.vy.f.språk());
}

void loggaStreckkodsfel(const FelPåFinsktReferensnummer& fel) { logg::skriv("Barcode error " + fel.description()); }

std::string streckkodssiffror(const Körning& k) {
    try {
        return k.vy.f.finskStreckkodssträngMedIBAN(k.vy.b.iban.value_or(""));
    } catch (const FelPåFinsktReferensnummer& fel) {
        loggaStreckkodsfel(fel);
        return "See log for error";
    } catch (const std::exception&) {
        return "ERROR";
    }
}

std::optional<Värde> bild(std::shared_ptr<const Image> bild) {
    if (!bild) return std::nullopt;
    return bild;
}

std::optional<Värde> streckkod(const Körning& k) {
    try {
        return bild(Image::fromModules(finskStreckkodsbildMedIban(k.vy.f, k.vy.b.iban.value_or(""))));
    } catch (const FelPåFinsktReferensnummer& fel) {
        loggaStreckkodsfel(fel);
        return bild(Image::fromModules(Bild::varningsikon()));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The ROT and RUT buyers and the property a ROT deduction concerns.
std::optional<std::string> avdragsuppgift(const Skatteavdrag& avdrag, Id id) {
    if (const auto* rut = avdrag.somRut()) {
        if (id == Id::Personnummer) return rut->personnummer1;
        if (id == Id::Personnummer2) return rut->personnummer2;
        return std::nullopt;
    }
    const auto* rot = avdrag.somRot();
    if (!rot) return std::nullopt;
    const auto* hus = rot->uppgifter ? rot->uppgifter->somHus() : nullptr;
    const auto* bostadsrätt = rot->uppgifter ? rot->uppgifter->somBostadsrätt() : nullptr;
    switch (id) {
        case Id::Personnummer: return rot->personnummer1;
        case Id::Personnummer2: return rot->personnummer2;
        case Id::Fastighetsbeteckning: return hus ? std::optional(hus->fastighetsbeteckning) : std::nullopt;
        case Id::Bostadsrättsförening:
            return bostadsrätt ? std::optional(bostadsrätt->bostadsrättsförening) : std::nullopt;
        case Id::Lägenhetsnummer: return bostadsrätt ? std::optional(bostadsrätt->lägenhetsnummer) : std::nullopt;
        default: return std::nullopt;
    }
}

std::optional<std::string> text(const Körning& k, Id id) {
    const Fakturaliknande& f = k.vy.f;
    const Bokföring& b = k.vy.b;
    const Fakturavy& vy = k.vy;
    auto adress = [&](const std::optional<Adress>& a, bool attention) -> std::optional<std::string> {
        if (!a) return std::nullopt;
        return a->formatteradFörAvsändarland(b.adress.land, attention);
    };
    switch (id) {
        case Id::RecipientAddress: return adress(f.mottagaradress(), k.mottagareMedAttention);
        case Id::RecipientCompany: return f.företag();
        case Id::RecipientPerson: return f.erReferens();
        case Id::Reminder: return f.påminnelsetextIFakturamall(&k.mall);
        case Id::Title: return f.rubriktextIFakturamall(&k.mall, vy.följesedel);
        case Id::Number: return f.nummer();
        case Id::SenderPerson: return f.vårReferens();
        case Id::DeliveryAddress: return adress(f.leveransadress(), true);
        case Id::DeliveryMethod: return f.leveranssätt();
        case Id::RecipientVatNo: return f.momsregistreringsnummer().value_or("");
        case Id::SenderCompany: return b.namn;
        case Id::Email: return b.email;
        case Id::Fax: return b.fax;
        case Id::Phone: return b.telefon;
        case Id::SenderAddress: return b.adress.formatteradFörMottagarland(b.adress.land, true);
        case Id::SenderCompanyCity: return ort(b);
        case Id::OrganisationID: return b.organisationsnummer;
        case Id::VatNo: return b.momsregistreringsnummer().value_or("");
        case Id::WebPage: return b.hemsida;
        case Id::TotalVat: return vy.belopp(f.momsbelopp());
        case Id::TotalInclVat: return vy.belopp(f.attBetala());
        case Id::TotalExclVat: return vy.belopp(f.beloppExklMoms());
        case Id::Discount: {
            auto rabatt = f.rabatt();
            if (!rabatt) return std::nullopt;
            return k.procent.format(*rabatt);
        }
        case Id::Rounding: return vy.belopp(f.öresutjämningsbelopp());
        case Id::TotalAmountWhole: return helaOchDelar(f.attBetala()).hela;
        case Id::TotalAmountCent: return helaOchDelar(f.attBetala()).delar;
        case Id::FreeText: return f.meddelande();
        case Id::DeliveryDate: return datum(f.leveransdatum());
        case Id::RegisteredForTax: return registrerad(k, b.godkändFörFSkatt, "Registered for tax.");
        case Id::RegisteredForVat: return registrerad(k, b.momsregistrerat, "Registered for VAT.");
        case Id::CreditDetails: return kreditvillkor(k);
        case Id::CreditPeriod: return std::to_string(f.betalningsfrist());
        case Id::Date: return datum(f.fakturadatum());
        case Id::PurchaseOrderNo: return f.inköpsordernummer();
        case Id::PaymentOption2: return b.bankgiro;
        case Id::PaymentOption1: return b.plusgiro;
        case Id::DueDate: return datum(f.förfallodatum());
        case Id::BIC: return b.bic;
        case Id::Bank: return b.bank;
        case Id::IBAN: return b.iban;
        case Id::BankAccount: return b.bankkonto;
        case Id::CurrencyCode: return f.valuta();
        case Id::AmountsForEachVatLevel: return f.momssammanfattning();
        case Id::BarCodeDigits: return streckkodssiffror(k);
        case Id::FinnishRefNo: return std::to_string(f.finsktReferensnummer());
        case Id::CustomerID: return b.visaKundnummerPåFakturor ? f.kundnummer() : std::nullopt;
        case Id::Personnummer:
        case Id::Personnummer2:
        case Id::Fastighetsbeteckning:
        case Id::Bostadsrättsförening:
        case Id::Lägenhetsnummer:
            return avdragsuppgift(f.skatteavdrag(), id);
        case Id::ROT_RUT_amount: return vy.belopp(f.avdragsbelopp().value_or(noll));
        case Id::Swish: return b.swish;
        // What the month and year fields should show is not settled; the
        // images, the item fields and the page numbers are filled in
        // elsewhere.
        default: return std::nullopt;
    }
}

}  // namespace

std::optional<Värde> sidvärde(const Körning& k, Fakturafält::Id id, Size ram) {
    if (k.vy.följesedel && doldPåFöljesedel(id)) return std::nullopt;
    switch (id) {
        case Id::QRCode: return bild(Image::fromModules(qrkodMedBokföring(k.vy.f, k.vy.b)));
        case Id::Logo: return bild(k.vy.logotyp(ram));
        case Id::BarCode: return streckkod(k);
        default: break;
    }
    if (auto t = text(k, id)) return Värde(std::move(*t));
    return std::nullopt;
}

bool ärRadfält(Fakturafält::Id id) { return id >= Id::LineNumber && id <= Id::LineUnit; }

std::optional<std::string> radvärde(const Körning& k, Fakturafält::Id id, const Fakturapostliknande& post, int n) {
    if (k.vy.följesedel && doldPåFöljesedel(id)) return std::nullopt;
    const Fakturavy& vy = k.vy;
    switch (id) {
        case Id::LineNumber: return std::to_string(n);
        case Id::LineArticleNumber: return post.artikelnummer();
        case Id::LineArticleName: return post.artikelnamn();
        case Id::LineComment: return post.kommentar();
        case Id::LineDiscount: return post.rabattbeskrivning();
        case Id::LineQuantity: {
            std::string antal = k.antal.format(post.antal()).value_or("0");
            if (auto enhet = post.enhet()) antal += " " + *enhet;
            return antal;
        }
        case Id::LinePrice: return vy.belopp(post.pris());
        case Id::LinePriceInclVat:
            return vy.belopp(post.pris().multiplying(ett.adding(post.momssats(), utanFel), helaÖren));
        case Id::LineVatLevel: return k.procent.format(post.momssats());
        case Id::LineVatAmount: return vy.belopp(post.momsbelopp());
        case Id::LineTotalExclVat: return vy.belopp(post.beloppExklMoms());
        case Id::LineTotalInclVat: return vy.belopp(post.belopp());
        case Id::LineUnit: return post.enhet();
        default: return std::nullopt;
    }
}

}  // namespace egenmall
