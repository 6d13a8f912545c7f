// Captions of the invoice head: dates, numbers, terms, delivery, recipient,
// references, and the people and property of a ROT or RUT deduction. A
// soft hyphen (\u00AD) lets a long word break where a narrow label needs it.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Belopp.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Skatteavdrag.h"
#include "Vyer/Faktura/Rubrikrad.h"

namespace {

constexpr struct {
    Rubrikrad fakturadatum{.da = "Fakturadato", .de = "Rechnungsdatum", .en = "Invoice date", .es = "Fecha de factura", .fi = "Laskutuspäivämäärä", .fr = "Date de facture", .it = "Data fattura", .nl = "Factuurdatum", .no = "Fakturadato", .sv = "Fakturadatum"};
    Rubrikrad fakturanummer{.da = "Fakturanummer", .de = "Rechnungsnummer", .en = "Invoice number", .es = "Número de factura", .fi = "Laskun numero", .fr = "N° facture", .it = "Numero fattura", .nl = "Factuurnummer", .no = "Fakturanummer", .sv = "Fakturanummer"};
    Rubrikrad nummer{.da = "Nr:", .de = "Nr:", .en = "No:", .es = "Nro:", .fi = "ro:", .fr = "N°", .it = "N.", .nl = "Nr:", .no = "Nr:", .sv = "Nr:"};
    Rubrikrad förfallodatum{.da = "Forfaldsdato", .de = "Fällig am", .en = "Due date", .es = "Fecha límite", .fi = "Eräpäivä", .fr = "Échéance", .it = "Data di scadenza", .nl = "Vervaldatum", .no = "Forfallsdato", .sv = "Förfallodatum"};
    Rubrikrad betalningsvillkor{.da = "Betalings\u00ADbetingelser", .de = "Zahlungs\u00ADfrist", .en = "Credit period", .es = "Periodo de crédito", .fi = "Luottoaika", .fr = "Délai de paiement à", .it = "Periodo di credito di", .nl = "Betalings\u00ADtermijn", .no = "Betalings\u00ADvilkår", .sv = "Betalnings\u00ADvillkor"};
    Rubrikrad dagar{.da = "%d dage", .de = "%d Tage", .en = "%d days", .es = "%d días", .fi = "%d päivää", .fr = "%d jours", .it = "%d giorni", .nl = "%d dagen", .no = "%d dager", .sv = "%d dagar"};
    Rubrikrad leveransdatum{.da = "Leveringsdato", .de = "Liefertermin", .en = "Delivery date", .es = "Fecha de entrega", .fi = "Toimutuspäivä", .fr = "Date de livraison", .it = "Data di consegna", .nl = "Leveringsdatum", .no = "Leveringsdato", .sv = "Leveransdatum"};
    Rubrikrad leveranssätt{.da = "Leveringsmetode", .de = "Lieferart", .en = "Delivery method", .es = "Método de entrega", .fi = "Toimitustapa", .fr = "Mode de livraison", .it = "Metodo di consegna", .nl = "Leveringsmethode", .no = "Fraktmåte", .sv = "Fraktsätt"};
    Rubrikrad leveransadress{.da = "Leverings\u00ADadresse", .de = "Liefer\u00ADanschrift", .en = "Delivery address", .es = "Dirección de entrega", .fi = "Toimitust\u00ADosoite", .fr = "Adresse de livraison", .it = "Indirizzo consegna", .nl = "Aflever\u00ADadres", .no = "Leverings\u00ADadresse", .sv = "Leverans\u00ADadress"};
    Rubrikrad mottagare{.da = "Modtager", .de = "Empfänger", .en = "Recipient", .es = "Destinatario", .fi = "Vastaanottaja", .fr = "Destinataire", .it = "Destinatario", .nl = "Ontvanger", .no = "Mottaker", .sv = "Mottagare"};
    Rubrikrad adress{.da = "Adresse", .de = "Adresse", .en = "Address", .es = "Dirección", .fi = "Osoite", .fr = "Adresse", .it = "Indirizzo", .nl = "Adres", .no = "Adresse", .sv = "Adress"};
    Rubrikrad mottagaradress{.da = "Modtagers adresse", .de = "Empfängeradresse", .en = "Recipient address", .es = "Dirección del destinatario", .fi = "Vastaanottajan osoite", .fr = "Adresse du destinataire", .it = "Indrizzo destinatario", .nl = "Adres ontvanger", .no = "Mottaker\u00ADadresse", .sv = "Mottagar\u00ADadress"};
    Rubrikrad erReferens{.da = "Deres reference", .de = "Ihr Ansprechpartner", .en = "Your contact", .es = "Su pers. de contacto", .fi = "Yhteyshenkilönne", .fr = "Votre interlocuteur", .it = "Vs contatto", .nl = "Uw contactpersoon", .no = "Deres referanse", .sv = "Er referens"};
    Rubrikrad vårReferens{.da = "Vores reference", .de = "Unser Ansprechpartner", .en = "Our contact", .es = "Nuestra pers. de contacto", .fi = "Yhteyshenkilömme", .fr = "Notre interlocuteur", .it = "Ns contatto", .nl = "Onze contactpersoon", .no = "Vår referanse", .sv = "Vår referens"};
    Rubrikrad kundnummer{.da = "Kundenummer", .de = "Kundennummer", .en = "Customer #", .es = "Número de cliente", .fi = "Asiakasnumero", .fr = "Numéro de client", .it = "Numero cliente", .nl = "Klantnummer", .no = "Kundenummer", .sv = "Kundnummer"};
    Rubrikrad inköpsordernummer{.da = "Indkøbsordre", .de = "Bestellung", .en = "Purchase order", .es = "Predido de compra", .fi = "Tilausnumero", .fr = "Bon de commande", .it = "Ordine di acquisto", .nl = "Inkoopsorder", .no = "Innkjøpsordre", .sv = "Inköpsorder"};
    Rubrikrad mottagarensMomsregistreringsnummer{.da = "Modtagers CVR-nr.", .de = "USt.-IdNr. Empfänger", .en = "Recipient's VAT #", .es = "NIF del destinatario", .fi = "Vastaanottajan ALV-nro.", .fr = "Réf. TVA du destinataire", .it = "P. IVA destinatario", .nl = "BTW-nr. ontvanger", .no = "Mottakers MVA-nr.", .sv = "Mottagarens VAT-nr."};
} huvud{};

// Only a Swedish invoice reads the Swedish word; the Norwegian and every
// other one the English.
constexpr Rubrikrad svenskaEllerEngelska(std::string_view svenska, std::string_view engelska) {
    Rubrikrad rad = Rubrikrad::överallt(engelska);
    rad.sv = svenska;
    return rad;
}
constexpr Rubrikrad fastighet = svenskaEllerEngelska("Fastighet", "Property");
constexpr Rubrikrad lägenhetsnummer = svenskaEllerEngelska("Lägenhetsnummer", "Flat #");
constexpr std::string_view personnummer = "Personnummer";

// The buyers of a ROT or RUT deduction; none for an invoice without one.
struct Köpare {
    std::optional<std::string> personnummer1, personnummer2;
    Decimal andel2;
};

std::optional<Köpare> köpare(const Skatteavdrag& avdrag) {
    if (const auto* rot = avdrag.somRot()) return Köpare{rot->personnummer1, rot->personnummer2, rot->andel};
    if (const auto* rut = avdrag.somRut()) return Köpare{rut->personnummer1, rut->personnummer2, rut->andel};
    return std::nullopt;
}

bool angivetMenTomt(const std::optional<std::string>& text) { return text && text->empty(); }

std::string medAndel(const NumberFormatter& procent, const Decimal& andel) {
    return std::string(personnummer) + " [" + procent.format(andel).value_or("") + "]";
}

}  // namespace

std::string Fakturavy::rubrikFörFakturadatum() const { return huvud.fakturadatum.på(f.språk()); }
std::string Fakturavy::rubrikFörFakturanummer() const {
    return (följesedel ? huvud.nummer : huvud.fakturanummer).på(f.språk());
}
std::string Fakturavy::rubrikFörNummer() const { return huvud.nummer.på(f.språk()); }
std::string Fakturavy::rubrikFörFörfallodatum() const { return huvud.förfallodatum.på(f.språk()); }
std::string Fakturavy::rubrikFörBetalningsvillkor() const { return huvud.betalningsvillkor.på(f.språk()); }

// The same form for every number, one included.
std::string Fakturavy::rubrikFörDagar() const {
    std::string text = huvud.dagar.på(f.språk());
    if (auto plats = text.find("%d"); plats != std::string::npos)
        text.replace(plats, 2, std::to_string(f.betalningsfrist()));
    return text;
}

std::string Fakturavy::rubrikFörLeveransdatum() const { return huvud.leveransdatum.på(f.språk()); }
std::string Fakturavy::rubrikFörLeveranssätt() const { return huvud.leveranssätt.på(f.språk()); }
std::string Fakturavy::rubrikFörLeveransadress() const { return huvud.leveransadress.på(f.språk()); }
std::string Fakturavy::rubrikFörMottagare() const { return huvud.mottagare.på(f.språk()); }
std::string Fakturavy::rubrikFörAdress() const { return huvud.adress.på(f.språk()); }
std::string Fakturavy::rubrikFörMottagaradress() const { return huvud.mottagaradress.på(f.språk()); }
std::string Fakturavy::rubrikFörErReferens() const { return huvud.erReferens.på(f.språk()); }
std::string Fakturavy::rubrikFörVårReferens() const { return huvud.vårReferens.på(f.språk()); }

std::optional<std::string> Fakturavy::rubrikFörKundnummer() const {
    if (!b.visaKundnummerPåFakturor) return std::nullopt;
    return huvud.kundnummer.på(f.språk());
}

std::string Fakturavy::rubrikFörInköpsordernummer() const { return huvud.inköpsordernummer.på(f.språk()); }
std::string Fakturavy::rubrikFörMottagarensMomsregistreringsnummer() const {
    return huvud.mottagarensMomsregistreringsnummer.på(f.språk());
}

// The first buyer's share is what the second does not pay. A share that is
// not a number (a damaged document) prints as "[]" instead of stopping the
// whole invoice.
std::optional<std::string> Fakturavy::rubrikFörPersonnummer() const {
    auto k = köpare(f.skatteavdrag());
    if (!k || angivetMenTomt(k->personnummer1)) return std::nullopt;
    if (k->andel2 == noll) return std::string(personnummer);
    Decimal andel1 = Decimal::notANumber();
    try {
        andel1 = ett.subtracting(k->andel2, ejAvrundande);
    } catch (const DecimalError&) {
    }
    return medAndel(procentformatterare, andel1);
}

std::optional<std::string> Fakturavy::rubrikFörPersonnummer2() const {
    auto k = köpare(f.skatteavdrag());
    if (!k || k->andel2 == noll || angivetMenTomt(k->personnummer2)) return std::nullopt;
    return medAndel(procentformatterare, k->andel2);
}

std::optional<std::string> Fakturavy::rubrikFörFastighetsbeteckning() const {
    if (f.skatteavdrag().ärInget()) return std::nullopt;
    return fastighet.på(f.språk());
}

std::optional<std::string> Fakturavy::rubrikFörLägenhetsnummer() const {
    if (f.skatteavdrag().ärInget()) return std::nullopt;
    return lägenhetsnummer.på(f.språk());
}
