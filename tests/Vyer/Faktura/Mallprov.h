#pragma once
// The checks every built-in template goes through, through the tool on
// documents written by make-example and, for delivery notes (which the tool
// never makes), through the view: the PDF read back with poppler and qpdf.
// The tool runs in the suite's locale (Testlokal.cpp), so the amounts the
// boxes are measured with are written as in Sweden ("806,25 kr").
//
//   class MallE : public mallprov::Mallprov {};
//   TEST_F(MallE, OnePage) {
//       auto k = körMall("E");                       // one page
//       kontrolleraDokument(k, 1, {595, 842}, {"AmericanTypewriter-Bold", "Geneva"});
//       kontrolleraRuta(k, 1, k.faktura->nummer(), {400, 40, 160, 30});
//   }
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Faktura.h"
#include "Pdfkontroll.h"
#include "Programkorning.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace mallprov {

// One invoice PDF with the document it came from.
struct Mallkörning {
    std::filesystem::path pdf;
    std::unique_ptr<Bokföring> bok;
    const Faktura* faktura = nullptr;  // the latest sent invoice of `bok`
    std::vector<pdfkontroll::Ord> ord;

    // The texts every reader looks for, as this invoice prints them.
    std::string nummer() const;
    std::string attBetala() const;     // the amount to pay, formatted
    std::string förfallodatum() const; // yyyy-mm-dd
    std::string nettobelopp() const;   // the first amount row's, formatted
    // The first word of the line that ends a page of items, in the
    // invoice's language ("continued", "Fortsetzung", ...).
    std::string fortsätter() const;
};

class Mallprov : public testhjalp::MedTillfälligKatalog {
protected:
    // make-example with `--latest-template kod` and the further options,
    // then --latestInvoice through the tool. `--latest-items 40
    // --long-comments` gives three pages.
    Mallkörning körMall(const std::string& kod, std::vector<std::string> val = {});
    // The same document's latest invoice laid out by the view as a delivery
    // note and written as a PDF.
    Mallkörning följesedel(const std::string& kod, std::vector<std::string> val = {});

    // Page count and size; clean for qpdf; every font embedded and one of
    // the faces the template's PostScript names map to.
    void kontrolleraDokument(const Mallkörning& k, int sidor, Size sida,
                             const std::set<std::string>& mallensTypsnitt);
    // The text stands on that page inside `ram` (2 points of slack), once
    // at least.
    void kontrolleraRuta(const Mallkörning& k, int sida, const std::string& text, const Rect& ram);
    // The text is nowhere on that page.
    void kontrolleraSaknas(const Mallkörning& k, int sida, const std::string& text);
    // The amount rows (told by the net amount) stand on the last page of
    // `sidor` and on no page before it.
    void kontrolleraBeloppenBaraPåSistaSidan(const Mallkörning& k, int sidor);

    // Where a template sets what every reader of a one-page invoice looks
    // for: the number, the amount to pay, the due date, an item and the
    // sender's organisation number.
    struct Ramar {
        Rect nummer, attBetala, förfallodatum, poster, avsändare;
    };
    // A one-page invoice: the document, each of those in its frame, and the
    // amount rows on the page.
    void kontrolleraEnSida(const Mallkörning& k, Size sida, const std::set<std::string>& mallensTypsnitt,
                           const Ramar& ramar);
    // A delivery note: the document, the number, an item and the sender in
    // their frames, and neither the amount to pay nor the amount rows.
    void kontrolleraFöljesedeln(const Mallkörning& k, Size sida, const std::set<std::string>& mallensTypsnitt,
                                const Rect& nummer, const Rect& poster, const Rect& avsändare);

    // A three-page invoice: the document, the number and the amount to pay
    // in their frames on every page, the first row in `förstaRaden` on the
    // first page, and the amount rows on the last page only.
    void kontrolleraTreSidor(const Mallkörning& k, Size sida, const std::set<std::string>& mallensTypsnitt,
                             const Rect& nummer, const Rect& attBetala, const Rect& förstaRaden);

private:
    std::string skrivExempel(const std::string& kod, std::vector<std::string> val);
    int nästa = 0;
};

}  // namespace mallprov
