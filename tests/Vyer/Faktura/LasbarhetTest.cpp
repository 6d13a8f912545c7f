// Every built-in template, in every invoice language, with the fullest
// invoices a user can make: every way of payment and contact detail, every
// fact, eight or ten columns of long texts over several pages, six amount
// rows, a logo of each kind; as invoice and as delivery note. Each must
// keep every text in its frame, on the page, off other text and legible on
// its ground, and show every item once and every payment detail.
//
// The shapes hold the fullest-invoice cases a template's own tests would
// check: "ten long columns abroad" in German and its delivery note, in
// Italian as delivery note, and "eight columns to Sweden" in any language.
// A template's own tests keep only a shape not here.
#include "Fullfaktura.h"
#include "Lasbarhet.h"

#include "Exempel/Exempelbokforing.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/InbyggdFakturamall.h"
#include "Testdata.h"
#include "Tidsbundna.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const språken[] = {"sv", "da", "de", "en", "es", "fi", "fr", "it", "nl", "no"};

Bytes logotyp(const char* namn) { return testdata::läs(testdata::fil(std::string("logotyper/") + namn)); }

// One shape of the matrix.
struct Form {
    std::string namn;
    Exempelval val;
    bool följesedel = false;
};

std::vector<Form> former(const std::string& mall, const std::string& språk) {
    std::vector<Form> ut;
    {
        // Several pages of ten columns of long texts, to the customer in
        // the language's country, with six amount rows.
        Exempelval val = prov::allaUppgifter(mall, språk);
        val.logotyp = logotyp("logo.png");
        val.senasteFaktura.land = prov::kundlandFör(språk);
        val.senasteFaktura.kolumner = 10;
        val.senasteFaktura.antalPoster = 14;
        val.senasteFaktura.långaBenämningar = true;
        val.senasteFaktura.långaKommentarer = true;
        val.senasteFaktura.rabattOchAvrundning = true;
        ut.push_back({"ten long columns abroad", val});
        ut.push_back({"ten long columns abroad, delivery note", val, true});
    }
    {
        // A Swedish customer, whom the giros are listed for.
        Exempelval val = prov::allaUppgifter(mall, språk);
        val.logotyp = logotyp("logo.jpg");
        val.senasteFaktura.land = "se";
        val.senasteFaktura.kolumner = 8;
        val.senasteFaktura.rabattOchAvrundning = true;
        ut.push_back({"eight columns to Sweden", val});
    }
    {
        // A Finnish ledger paid by IBAN, reverse charge.
        Exempelval val = prov::allaUppgifter(mall, språk);
        val.land = "fi";
        val.logotyp = logotyp("logo.pdf");
        val.senasteFaktura.land = prov::kundlandFör(språk) == "fi" ? "se" : prov::kundlandFör(språk);
        val.senasteFaktura.kolumner = 8;
        val.senasteFaktura.långaBenämningar = true;
        val.senasteFaktura.omvändSkattskyldighet = true;
        ut.push_back({"Finnish ledger", val});
        ut.push_back({"Finnish ledger, delivery note", val, true});
    }
    return ut;
}

std::vector<const AttributedString*> texter(const Fakturavy& vy) {
    std::vector<const AttributedString*> ut;
    auto ta = [&](const std::vector<CachatObjekt>& lista) {
        for (const auto& o : lista) {
            if (const auto* s = std::get_if<cachad::string>(&o.data)) ut.push_back(&s->string);
            if (const auto* s = std::get_if<cachad::stringNeedingLayoutManager>(&o.data)) ut.push_back(&s->string);
        }
    };
    ta(vy.innehållFörAllaSidor);
    for (const auto& sida : vy.innehållFörVarjeSida) ta(sida);
    return ut;
}

// What a shape's invoice must show besides legible text: each item's own
// description once, and every payment detail whole.
std::vector<std::string> saknas(const Fakturavy& vy, const Faktura& faktura, const Form& form) {
    std::vector<std::string> ut;
    const auto alla = texter(vy);
    auto antal = [&](const std::string& del) {
        int n = 0;
        for (const auto* t : alla)
            for (size_t i = t->text().find(del); i != std::string::npos; i = t->text().find(del, i + 1)) ++n;
        return n;
    };
    if (form.val.senasteFaktura.långaBenämningar)
        for (size_t n = 0; n < faktura.poster.size(); ++n) {
            const std::string post = "Post " + std::to_string(n + 1) + ":";
            if (int k = antal(post); k != 1) ut.push_back(post + " shown " + std::to_string(k) + " times");
        }
    if (!form.följesedel)
        for (const Datapost& p : vy.betalningsinformation())
            if (p.värde && !p.värde->empty() && antal(*p.värde) == 0)
                ut.push_back("payment detail " + p.rubrik.value_or("") + " " + *p.värde + " not shown");
    return ut;
}

// The PDF logo is read in this process: the layout around it is the point,
// not its judging.
class Läsbarhet : public ::testing::TestWithParam<InbyggdFakturamall> {
    testhjalp::IEgenProcess iEgenProcess;
};

TEST_P(Läsbarhet, EveryTextInItsFrameOnThePageOffOtherTextAndLegible) {
    const std::string mall(kod(GetParam()));
    int felaktiga = 0;
    for (const char* språk : språken)
        for (const Form& form : former(mall, språk)) {
            auto bok = byggExempelbokföring(form.val);
            const Faktura& faktura = *bok->skickadeFakturor.back();
            Fakturavy vy(faktura, *bok, form.följesedel);
            ASSERT_FALSE(vy.saknatTypsnitt) << *vy.saknatTypsnitt;
            ASSERT_GT(vy.antalSidor(), 0);
            auto fel = läsbarhet::fel(vy);
            auto brister = saknas(vy, faktura, form);
            fel.insert(fel.end(), brister.begin(), brister.end());
            if (fel.empty()) continue;
            ++felaktiga;
            std::ostringstream s;
            s << mall << ", " << språk << ", " << form.namn << " (" << vy.antalSidor() << " pages):";
            for (size_t i = 0; i < fel.size() && i < 12; ++i) s << "\n  " << fel[i];
            if (fel.size() > 12) s << "\n  ... and " << fel.size() - 12 << " more";
            ADD_FAILURE() << s.str();
        }
    EXPECT_EQ(felaktiga, 0);
}

INSTANTIATE_TEST_SUITE_P(AllaMallar, Läsbarhet, ::testing::ValuesIn(allaInbyggdaFakturamallar()),
                         [](const auto& info) { return std::string(kod(info.param)); });

}  // namespace
