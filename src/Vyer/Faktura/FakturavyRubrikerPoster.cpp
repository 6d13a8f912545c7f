// Captions of the item table's columns, the amount rows and the VAT
// summary.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Belopp.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Lokal.h"
#include "Vyer/Faktura/Rubrikrad.h"

namespace {

constexpr struct {
    Rubrikrad antal{.da = "Antal", .de = "St.", .en = "Pcs.", .es = "Cant.", .fi = "Lkm.", .fr = "Nb.", .it = "Pezzi", .nl = "Aantal", .no = "Antall", .sv = "Antal"};
    Rubrikrad beskrivning{.da = "Beskrivelse", .de = "Beschreibung", .en = "Description", .es = "Descripción", .fi = "Tuotteen nimi", .fr = "Description", .it = "Descrizione", .nl = "Beschrijvning", .no = "Beskrivelse", .sv = "Beskrivning"};
    Rubrikrad articleNumber{.da = "Produktnr.", .de = "Art.-Nr.", .en = "Art.no.", .es = "Ref.", .fi = "Tuotten", .fr = "N° Art.", .it = "Art. n.", .nl = "Art.nr.", .no = "Art.nr.", .sv = "Art.nr."};
    Rubrikrad styckpris{.da = "Stykpris", .de = "Einzelpreis", .en = "Item price", .es = "Tarifa", .fi = "À-hinta", .fr = "Prix", .it = "Prezzo", .nl = "Stukprijs", .no = "À-pris", .sv = "À pris"};
    Rubrikrad moms{.da = "Moms", .de = "MwSt.", .en = "VAT", .es = "IVA", .fi = "Vero", .fr = "TVA", .it = "IVA", .nl = "BTW", .no = "MVA", .sv = "Moms"};
    Rubrikrad kommentar{.da = "Kommentar", .de = "Bemerkung", .en = "Comment", .es = "Comentario", .fi = "Kommenti", .fr = "Commentaire", .it = "Commento", .nl = "Opmerking", .no = "Kommentar", .sv = "Kommentar"};
    Rubrikrad rabattkolumn{.da = "Rabat", .de = "Rabatt", .en = "Discount", .es = "Descuento", .fi = "Alennus", .fr = "Rabais", .it = "Sconto", .nl = "Korting", .no = "Rabatt", .sv = "Rabatt"};
    Rubrikrad radensBelopp{.da = "Netto", .de = "Zwischensumme", .en = "Subtotal", .es = "Importe", .fi = "Välisumma", .fr = "Sous-total", .it = "Subtotale", .nl = "Subtotaal", .no = "Netto", .sv = "Netto"};
    Rubrikrad radensBeloppInklMoms{.da = "Brutto", .de = "Zwischensumme", .en = "Subtotal", .es = "Importe", .fi = "Välisumma", .fr = "Sous-total", .it = "Subtotale", .nl = "Subtotaal", .no = "Brutto", .sv = "Brutto"};
} kolumner{};

// The discount row is only the opening: the rate and "):" follow. The
// rounding row is the one for currencies other than the kronor.
constexpr struct {
    Rubrikrad nettobelopp{.da = "Netto:", .de = "Zwischensumme:", .en = "Subtotal:", .es = "Subtotal:", .fi = "Välisumma:", .fr = "Sous-total:", .it = "Subtotale:", .nl = "Subtotaal:", .no = "Nettobeløp:", .sv = "Netto:"};
    Rubrikrad rabatt{.da = "Rabat (", .de = "Rabatt (", .en = "Discount (", .es = "Descuento (", .fi = "Alennus (", .fr = "Rabais (", .it = "Sconto (", .nl = "Korting (", .no = "Rabatt (", .sv = "Rabatt ("};
    Rubrikrad öresutjämning{.da = "Afrunding:", .de = "Runden:", .en = "Rounding:", .es = "Redondeo:", .fi = "Pyöristys:", .fr = "Arrondi:", .it = "Arrotondamento:", .nl = "Afronding:", .no = "Avrundning:", .sv = "Avrundning:"};
    Rubrikrad totaltBelopp{.da = "Total:", .de = "Gesamtbetrag:", .en = "Total amount:", .es = "Importe total:", .fi = "Maksettava:", .fr = "Montant total:", .it = "Importo totale:", .nl = "Totaalbedrag:", .no = "Totalbeløp:", .sv = "Totalt:"};
    Rubrikrad beloppAttBetala{.da = "Sum til betaling", .de = "Rechnungsbetrag", .en = "Amount due", .es = "Total a pagar", .fi = "Kokonaissumma", .fr = "Total à régler", .it = "Totale da pagare", .nl = "Totaal te betalen", .no = "Sum å betale", .sv = "Summa att betala"};
    Rubrikrad beloppPerMomsnivå{.da = "Momspligtigt beløb:", .de = "Betrag für MwSt.-Satz:", .en = "Amounts at each VAT level:", .es = "Cantidad por cada tipo de IVA:", .fi = "Kunkin ALV-tason summa:", .fr = "Montant pour chaque type de TVA:", .it = "Importo per ciascuna aliquota IVA:", .nl = "Bedrag per BTW-tarief:", .no = "Beløp for beregning av MVA:", .sv = "Momsgrundande belopp:"};
} belopprader{};

// A Norwegian or Swedish invoice in kronor rounds to whole kronor: öre
// rounding.
constexpr Rubrikrad öresavrundning = [] {
    Rubrikrad rad = belopprader.öresutjämning;
    rad.no = "Øresavrunding:";
    rad.sv = "Öresavrundning:";
    return rad;
}();

bool iKronor(std::string_view valuta) { return valuta == "SEK" || valuta == "DKK" || valuta == "NOK"; }

}  // namespace

std::string Fakturavy::rubrikFörAntal() const { return kolumner.antal.på(f.språk()); }
std::string Fakturavy::rubrikFörBeskrivning() const { return kolumner.beskrivning.på(f.språk()); }
std::string Fakturavy::rubrikFörArticleNumber() const { return kolumner.articleNumber.på(f.språk()); }
std::string Fakturavy::rubrikFörStyckpris() const { return kolumner.styckpris.på(f.språk()); }
std::string Fakturavy::rubrikFörMoms() const { return kolumner.moms.på(f.språk()); }
std::string Fakturavy::rubrikFörKommentar() const { return kolumner.kommentar.på(f.språk()); }
std::string Fakturavy::rubrikFörRabattkolumn() const { return kolumner.rabattkolumn.på(f.språk()); }
std::string Fakturavy::rubrikFörRadensBelopp() const { return kolumner.radensBelopp.på(f.språk()); }
std::string Fakturavy::rubrikFörRadensBeloppInklMoms() const { return kolumner.radensBeloppInklMoms.på(f.språk()); }

std::string Fakturavy::rubrikFörNettobelopp() const { return belopprader.nettobelopp.på(f.språk()); }

// An invoice without a discount rate still gets the caption, with zero.
std::string Fakturavy::rubrikFörRabatt() const {
    NumberFormatter procent(NumberFormatter::Style::percent, lokal::aktuell());
    std::string sats = procent.format(f.rabatt().value_or(noll)).value_or("");
    return belopprader.rabatt.på(f.språk()) + sats + "):";
}

std::string Fakturavy::rubrikFörÖresutjämning() const {
    return (iKronor(f.valuta()) ? öresavrundning : belopprader.öresutjämning).på(f.språk());
}

std::string Fakturavy::rubrikFörTotaltBelopp() const { return belopprader.totaltBelopp.på(f.språk()); }
std::string Fakturavy::rubrikFörBeloppAttBetala() const { return belopprader.beloppAttBetala.på(f.språk()); }
std::string Fakturavy::rubrikFörBeloppPerMomsnivå() const { return belopprader.beloppPerMomsnivå.på(f.språk()); }
