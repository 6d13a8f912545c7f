#include "Installningar.h"

#include <gtest/gtest.h>

namespace {

struct Panel {
    Användarinställningar lagrat;
    Knapp filväljare, kort{0, 0}, lång{0, 1}, ingen{0, 2}, döljÖren, dagensDatum, utskrift, autocomplete;
    Reglage marginal;
    Popupmeny språk;
    Vy meddelande, ikon;
    Installningar kontroller;
    int notifikationer = 0;

    explicit Panel(Programversion version = Programversion::annan) : kontroller(lagrat, version) {
        kontroller.kryssrutaFörFilväljare = &filväljare;
        kontroller.knappFörKortValuta = &kort;
        kontroller.knappFörLångValuta = &lång;
        kontroller.knappFörIngenValuta = &ingen;
        kontroller.kryssrutaFörDöljÖren = &döljÖren;
        kontroller.kryssrutaFörDagensDatum = &dagensDatum;
        kontroller.kryssrutaFörUtskrift = &utskrift;
        kontroller.kryssrutaFörAutocomplete = &autocomplete;
        kontroller.sliderFörMarginal = &marginal;
        kontroller.popupFörSpråk = &språk;
        kontroller.omstartsmeddelande = &meddelande;
        kontroller.omstartsikon = &ikon;
        kontroller.observera([this](const std::string& namn) {
            EXPECT_EQ(namn, "installningar");
            ++notifikationer;
        });
    }
    // Lets the queue go idle and gives how many notifications were posted.
    int postade() {
        kontroller.närLedig();
        int n = notifikationer;
        notifikationer = 0;
        return n;
    }
};

}  // namespace

TEST(Installningar, KeysAndPreferredLanguage) {
    EXPECT_STREQ(rawValue(GlobalInställning::filväljareDold), "TVMBFileSelectorHidden");
    EXPECT_STREQ(rawValue(GlobalInställning::valutaformatPåFakturor), "TVMBInvoiceCurrencyStyle");
    EXPECT_STREQ(rawValue(GlobalInställning::döljDecimalerPåFakturor), "TVMBHideDecimalsOnInvoices");
    EXPECT_STREQ(rawValue(GlobalInställning::marginalFörC5), "TVMBC5Margin");
    EXPECT_STREQ(rawValue(GlobalInställning::språk), "AppleLanguages");
    EXPECT_EQ(globalInställningFrånRawValue("TVMBNoAutocomplete"), GlobalInställning::ingenAutokomplettering);
    EXPECT_FALSE(globalInställningFrånRawValue("tvmbnoautocomplete"));

    Användarinställningar s;
    s.sätt("TVMBHideDecimalsOnInvoices", true);
    EXPECT_FALSE(kod(GlobalInställning::döljDecimalerPåFakturor, s));
    EXPECT_FALSE(kod(GlobalInställning::språk, s));
    s.sätt("AppleLanguages", std::vector<std::string>{});
    EXPECT_FALSE(kod(GlobalInställning::språk, s));
    s.sätt("AppleLanguages", std::vector<std::string>{"fi", "sv"});
    EXPECT_EQ(kod(GlobalInställning::språk, s), "fi");
}

TEST(Installningar, CheckBoxesWriteOnlyChangesAndCoalesceNotifications) {
    Panel p;
    p.döljÖren.tillstånd = 1;
    p.kontroller.döljDecimaler(p.döljÖren);
    EXPECT_TRUE(p.lagrat.boolVärde("TVMBHideDecimalsOnInvoices"));
    p.filväljare.tillstånd = 0;
    p.kontroller.visaFilväljare(p.filväljare);  // stores "hidden" = the box is off
    EXPECT_TRUE(p.lagrat.boolVärde("TVMBFileSelectorHidden"));
    EXPECT_EQ(p.postade(), 1);

    // Clicking into the state already stored writes and posts nothing.
    p.lagrat.tabort("TVMBInvoiceDateToday");
    p.kontroller.döljDecimaler(p.döljÖren);
    p.kontroller.fakturadatumTillDagens(p.dagensDatum);
    EXPECT_FALSE(p.lagrat.finns("TVMBInvoiceDateToday"));
    EXPECT_EQ(p.postade(), 0);

    // These settings are written without a notification.
    p.utskrift.tillstånd = 1;
    p.autocomplete.tillstånd = 0;
    p.kontroller.skrivUtFakturor(p.utskrift);
    p.kontroller.hämtaPoster(p.autocomplete);
    EXPECT_TRUE(p.lagrat.boolVärde("TVMBPrintInvoiceAfterSending"));
    EXPECT_TRUE(p.lagrat.boolVärde("TVMBNoAutocomplete"));
    EXPECT_EQ(p.postade(), 0);
}

TEST(Installningar, CurrencyFormatComparesWithTheFormatInEffect) {
    Panel p;
    p.lagrat.sätt("TVMBInvoiceCurrencyStyle", int64_t{7});  // reads as the short format
    p.kontroller.sättValutaformatPåFakturor(p.kort);
    EXPECT_EQ(p.lagrat.heltal("TVMBInvoiceCurrencyStyle"), 7);
    EXPECT_EQ(p.postade(), 0);
    p.kontroller.sättValutaformatPåFakturor(p.ingen);
    EXPECT_EQ(p.lagrat.heltal("TVMBInvoiceCurrencyStyle"), 2);
    EXPECT_EQ(p.postade(), 1);

    p.kontroller.uppdatera();
    EXPECT_EQ(p.ingen.tillstånd, 1);
    EXPECT_EQ(p.kort.tillstånd, 0);
}

TEST(Installningar, MarginRewritesAStoredZero) {
    Panel p;
    p.marginal.värde = 0;
    p.kontroller.ändraMarginal(p.marginal);
    EXPECT_TRUE(p.lagrat.finns("TVMBC5Margin"));
    p.marginal.värde = 12.5f;
    p.kontroller.ändraMarginal(p.marginal);
    EXPECT_EQ(p.lagrat.flyttal("TVMBC5Margin"), 12.5);
    EXPECT_EQ(p.postade(), 0);
}

TEST(Installningar, LanguageChoiceAndRestartNotice) {
    struct Fall {
        Programversion version;
        int64_t tagg;
        std::optional<std::string> väntat;
    } fall[] = {
        {Programversion::annan, 1, "en-SE"},
        {Programversion::huvudprogrammet, 1, "en"},
        {Programversion::annan, 2, "fi"},
        {Programversion::annan, 5, std::nullopt},   // one past the codes
        {Programversion::annan, -1, std::nullopt},
    };
    for (const auto& f : fall) {
        Panel p(f.version);
        p.språk.valdTagg = f.tagg;
        p.kontroller.väljSpråk(p.språk);
        EXPECT_EQ(kod(GlobalInställning::språk, p.lagrat), f.väntat) << f.tagg;
        EXPECT_EQ(p.meddelande.dold, !f.väntat);
        EXPECT_EQ(p.ikon.dold, !f.väntat);
    }

    Panel p;
    p.lagrat.sätt("AppleLanguages", std::vector<std::string>{"da", "sv"});
    p.språk.valdTagg = 3;  // "da", already first
    p.kontroller.väljSpråk(p.språk);
    EXPECT_TRUE(p.meddelande.dold);
    EXPECT_EQ(p.lagrat.textlista("AppleLanguages")->size(), 2u);
}

TEST(Installningar, UnconnectedOutletsDoNothing) {
    Användarinställningar s;
    Installningar k(s);
    Knapp ruta{1, 0};
    k.döljDecimaler(ruta);
    k.väljSpråk(Popupmeny{0});
    EXPECT_FALSE(s.finns("TVMBHideDecimalsOnInvoices"));
    EXPECT_FALSE(s.finns("AppleLanguages"));
}

TEST(Installningar, ProgramVersionByBundleIdentifier) {
    EXPECT_EQ(nuvarandeProgramversion(), Programversion::annan);
    EXPECT_EQ(nuvarandeProgramversion(std::string(huvudprogrammetsIdentifierare)), Programversion::huvudprogrammet);
    EXPECT_EQ(nuvarandeProgramversion(std::string("se.kontobok.annat")), Programversion::annan);
}
