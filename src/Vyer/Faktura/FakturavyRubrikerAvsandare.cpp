// Captions of the sender's own facts and of the payment details.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Vyer/Faktura/Rubrikrad.h"

namespace {

constexpr struct {
    Rubrikrad avsändare{.da = "Afsender", .de = "Absender", .en = "Sender", .es = "Remitente", .fi = "Lähettäjä", .fr = "Expéditeur", .it = "Mittente", .nl = "Afzender", .no = "Avsender", .sv = "Avsändare"};
    Rubrikrad organisationsnummer{.da = "Org.nr.", .de = "HRA-/HRB-Nr.", .en = "Org.no.", .es = "CIF", .fi = "Y-tunnus", .fr = "N° siren", .it = "Codice fiscale", .nl = "Kvk-nr.", .no = "Org.nr.", .sv = "Org.nr."};
    Rubrikrad momsregistreringsnummer{.da = "CVR-nr.", .de = "USt.-IdNr.", .en = "VAT #", .es = "NIF", .fi = "ALV-nro.", .fr = "Réf. TVA", .it = "Partita IVA", .nl = "BTW-nr.", .no = "MVA-nr.", .sv = "VAT-nr."};
    Rubrikrad ort{.da = "By", .de = "Ort", .en = "City", .es = "Ciudad", .fi = "Kaupunki", .fr = "Ville", .it = "Città", .nl = "Plaats", .no = "Sted", .sv = "Säte"};
    Rubrikrad telefon{.da = "Telefon", .de = "Telefon", .en = "Telephone", .es = "Teléfono", .fi = "Puhelinnro.", .fr = "N° tel.", .it = "Telefono", .nl = "Telefoon", .no = "Telefon", .sv = "Telefon"};
    Rubrikrad fax{.da = "Fax", .de = "Fax", .en = "Fax", .es = "Fax", .fi = "Faxi", .fr = "N° fax", .it = "Fax", .nl = "Fax", .no = "Faks", .sv = "Fax"};
    Rubrikrad email{.da = "E-post", .de = "E-Mail-Adresse", .en = "E-mail", .es = "Correo", .fi = "Sähköposti", .fr = "Courriel", .it = "E-mail", .nl = "E-mail", .no = "E-post", .sv = "E-post"};
    Rubrikrad website{.da = "Hjemmeside", .de = "Website", .en = "Website", .es = "Página web", .fi = "Kotisivu", .fr = "Page Web", .it = "Sito web", .nl = "Webpagina", .no = "Hjemmeside", .sv = "Hemsida"};
} avsändare{};

// Plusgiro and Bankgiro are only printed for Norway and Sweden.
constexpr struct {
    Rubrikrad bank{.da = "Bank", .de = "Bank", .en = "Bank", .es = "Banco", .fi = "Pankki", .fr = "Banque", .it = "Banca", .nl = "Bank", .no = "Bank", .sv = "Bank"};
    Rubrikrad bankAccount{.da = "Bankkonto", .de = "Kto.-Nr.", .en = "Bank account", .es = "Cuenta bancaria", .fi = "Pankkitili", .fr = "Compte bancaire", .it = "Conto bancario", .nl = "Bankrekening", .no = "Bankkonto", .sv = "Bankkonto"};
    Rubrikrad localPaymentOption1{.da = "", .de = "", .en = "", .es = "", .fi = "", .fr = "", .it = "", .nl = "", .no = "Plussgiro", .sv = "Plusgiro"};
    Rubrikrad localPaymentOption2{.da = "", .de = "", .en = "", .es = "", .fi = "", .fr = "", .it = "", .nl = "", .no = "Bankgiro", .sv = "Bankgiro"};
} betalning{};

// Belgium and Luxembourg name their company registers whatever the
// language; a Belgian invoice in neither French nor Dutch reads English.
constexpr Rubrikrad organisationsnummerIBelgien = [] {
    Rubrikrad rad = Rubrikrad::överallt(avsändare.organisationsnummer.en);
    rad.fr = "N° RPM";
    rad.nl = "Rpr-nr.";
    return rad;
}();
constexpr Rubrikrad organisationsnummerILuxemburg = Rubrikrad::överallt("N° RCS");

constexpr std::array<std::pair<std::string_view, const Rubrikrad*>, 2> organisationsnummerPerLand{{
    {"be", &organisationsnummerIBelgien},
    {"lu", &organisationsnummerILuxemburg},
}};

}  // namespace

std::string Fakturavy::rubrikFörAvsändare() const { return avsändare.avsändare.på(f.språk()); }

std::string Fakturavy::rubrikFörOrganisationsnummer() const {
    for (const auto& [land, rad] : organisationsnummerPerLand)
        if (land == b.adress.land) return rad->på(f.språk());
    return avsändare.organisationsnummer.på(f.språk());
}

std::string Fakturavy::rubrikFörMomsregistreringsnummer() const {
    return avsändare.momsregistreringsnummer.på(f.språk());
}
std::string Fakturavy::rubrikFörOrt() const { return avsändare.ort.på(f.språk()); }
std::string Fakturavy::rubrikFörTelefon() const { return avsändare.telefon.på(f.språk()); }
std::string Fakturavy::rubrikFörFax() const { return avsändare.fax.på(f.språk()); }
std::string Fakturavy::rubrikFörEmail() const { return avsändare.email.på(f.språk()); }
std::string Fakturavy::rubrikFörWebsite() const { return avsändare.website.på(f.språk()); }

std::string Fakturavy::rubrikFörBank() const { return betalning.bank.på(f.språk()); }
std::string Fakturavy::rubrikFörBankAccount() const { return betalning.bankAccount.på(f.språk()); }
std::string Fakturavy::rubrikFörLocalPaymentOption1() const { return betalning.localPaymentOption1.på(f.språk()); }
std::string Fakturavy::rubrikFörLocalPaymentOption2() const { return betalning.localPaymentOption2.på(f.språk()); }
