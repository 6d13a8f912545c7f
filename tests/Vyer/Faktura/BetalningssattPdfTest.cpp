// What a reader of the PDF sees, for every built-in template: the fullest
// invoices written by make-example and laid out by the tool, read back
// with pdftotext. Every word lies on the page and over no other word,
// every way of payment the invoice lists is there whole, and every item is
// there once.
#include "Mallprov.h"

#include "Modell/Fakturor/InbyggdFakturamall.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const std::string logotyp = std::string(KONTOBOK_SOURCE_DIR) + "/tests/data/logotyper/";

// German to a German customer: ten columns of long texts over several
// pages, every fact, six amount rows, every way of payment and contact.
std::vector<std::string> fullTyskFaktura() {
    return {"--entries",      "0",    "--no-template",  "--invoices",          "1",
            "--all-contact-details",  "--logo",         logotyp + "logo.png",  "--latest-language",
            "de",             "--latest-country",       "de",                  "--all-facts",
            "--latest-columns", "10", "--latest-items", "14",                  "--long-names",
            "--long-comments", "--discount-and-rounding"};
}

// Swedish to a Swedish customer, who is shown the giros and Swish.
std::vector<std::string> fullSvenskFaktura() {
    return {"--entries",         "0",  "--no-template",    "--invoices", "1",
            "--all-contact-details",   "--logo",           logotyp + "logo.jpg",
            "--latest-language", "sv", "--latest-country", "se",         "--all-facts",
            "--latest-columns",  "8",  "--discount-and-rounding"};
}

class Utskrift : public mallprov::Mallprov, public ::testing::WithParamInterface<InbyggdFakturamall> {
protected:
    void läsbar(const mallprov::Mallkörning& k, bool följesedeln) {
        ASSERT_FALSE(k.ord.empty()) << k.pdf;
        auto info = pdfkontroll::information(k.pdf);
        const int sidor = std::stoi(info["Pages"]);
        double bredd = 0, höjd = 0;
        std::sscanf(info["Page size"].c_str(), "%lf x %lf", &bredd, &höjd);
        for (int sida = 1; sida <= sidor; ++sida)
            for (const auto& [a, b] : pdfkontroll::överlappandeOrd(k.ord, sida))
                ADD_FAILURE() << "page " << sida << ": '" << a.text << "' at y " << a.ruta.y << " over '" << b.text
                              << "' at y " << b.ruta.y;
        for (const auto& o : k.ord)
            if (!pdfkontroll::inom(o.ruta, {0, 0, bredd, höjd}, 0))
                ADD_FAILURE() << "page " << o.sida << ": '" << o.text << "' off the page at " << o.ruta.x << ", "
                              << o.ruta.y;

        // Each page's words in reading order, one space apart.
        std::vector<std::string> text(static_cast<size_t>(sidor) + 1, " ");
        for (const auto& o : k.ord) text[static_cast<size_t>(o.sida)] += o.text + " ";
        auto gånger = [&](const std::string& del) {
            int n = 0;
            for (const auto& t : text)
                for (size_t i = t.find(del); i != std::string::npos; i = t.find(del, i + 1)) ++n;
            return n;
        };
        Fakturavy vy(*k.faktura, *k.bok, följesedeln);
        if (!följesedeln)
            for (const Datapost& p : vy.betalningsinformation())
                if (p.värde && !p.värde->empty()) {
                    EXPECT_GT(gånger(*p.värde + " "), 0) << "payment detail '" << *p.värde << "' is not whole";
                }
        for (size_t n = 1; n <= k.faktura->poster.size(); ++n)
            if (k.faktura->poster[n - 1]->artikelnamn()->starts_with("Post ")) {
                EXPECT_EQ(gånger(" Post " + std::to_string(n) + ": "), 1) << "item " << n;
            }
    }
};

TEST_P(Utskrift, AFullGermanInvoiceAbroadReadsWhole) {
    läsbar(körMall(std::string(kod(GetParam())), fullTyskFaktura()), false);
}

TEST_P(Utskrift, AFullSwedishInvoiceReadsWhole) {
    läsbar(körMall(std::string(kod(GetParam())), fullSvenskFaktura()), false);
}

TEST_P(Utskrift, AFullGermanDeliveryNoteReadsWhole) {
    läsbar(följesedel(std::string(kod(GetParam())), fullTyskFaktura()), true);
}

INSTANTIATE_TEST_SUITE_P(AllaMallar, Utskrift, ::testing::ValuesIn(allaInbyggdaFakturamallar()),
                         [](const auto& info) { return std::string(kod(info.param)); });

}  // namespace
