// Every way of payment at once lengthens the sender's tables at the foot of
// the page; on no template may they, or anything else, then be set over
// other text. Checked on what a reader of the PDF sees: the words' boxes.
#include "Mallprov.h"

#include <gtest/gtest.h>

namespace {

class Betalningssätt : public mallprov::Mallprov {
protected:
    void utanÖverlapp(const std::string& kod, std::vector<std::string> val) {
        SCOPED_TRACE(kod);
        val.push_back("--every-shape");
        auto k = körMall(kod, val);
        for (const auto& [a, b] : pdfkontroll::överlappandeOrd(k.ord, 1))
            ADD_FAILURE() << "'" << a.text << "' at y " << a.ruta.y << " over '" << b.text << "' at y " << b.ruta.y;
    }
};

// A Swedish invoice lists Bankgiro, bank account, Plusgiro and Swish. The
// large titles of C and F reach, by their fonts' boxes only, into the
// number set close above or below them; they are left out.
TEST_F(Betalningssätt, NoTemplateSetsTextOverTextOnASwedishInvoice) {
    for (const char* kod : {"Df", "Karvomat4", "V", "SL", "G", "B", "Ru2", "Ru1", "CT2", "CT1", "BB", "Sk", "Gu",
                            "R", "Fr", "DotRed", "DotGrey", "Pi", "E", "P", "O", "M", "CC", "Hi", "CL", "FL", "D",
                            "Di", "Cp", "EB", "EBs", "NoGiro1", "NoGiro2", "FiGiro1", "FiGiro2"})
        utanÖverlapp(kod, {"--latest-language", "sv"});
}

// In German, with no giro captions of its own, IBAN and BIC are listed
// beside the giros: nine rows of payment. (O and V cannot fit fifteen rows
// of sender and payment between their due-date band and the foot of the
// page: their company name still touches the credit terms.)
TEST_F(Betalningssätt, TheFootTablesMakeRoomForNineRowsOfPaymentInGerman) {
    for (const char* kod : {"G", "P", "Hi"}) utanÖverlapp(kod, {"--latest-language", "de"});
}

}  // namespace
