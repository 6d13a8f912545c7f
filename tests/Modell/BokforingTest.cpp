// The document root: its body record in both directions, the rules the
// reader applies, and the queries the tool asks.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Modell/Affarskontakt.h"
#include "Modell/Bokforing.h"
#include "Modell/Dokumentlistor.h"
#include "Modell/KontantLeverantorsfaktura.h"
#include "Modell/Konto.h"
#include "Modell/Momsniva.h"
#include "Modell/VanligLeverantorsfaktura.h"
#include "Modell/Organisationsnummer.h"
#include "Modell/Rad.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/SkadatDokument.h"
#include "Modell/Verifikation.h"
#include "Plattform/Klocka.h"
#include "Plattform/Lzfse/Lzfse.h"

#include <gtest/gtest.h>

#include <set>

namespace {

Bytes kropp(const Bokföring& bok) {
    Utström ström;
    bok.spara(ström);
    return ström.take();
}

std::unique_ptr<Bokföring> läsKropp(const Bytes& bytes) {
    Inström ström(bytes);
    auto bok = std::make_unique<Bokföring>(ström);
    EXPECT_TRUE(ström.atEnd()) << ström.remaining() << " bytes left";
    return bok;
}

std::unique_ptr<Bokföring> tomBokföring(Företagsform form = Företagsform::aktiebolag) {
    return std::make_unique<Bokföring>("SEK", "556677-8899", "se", "UUID-1", form);
}

// The body ends: receivables marker, employer-fee level, invoicing mode,
// booking-mode byte, closing word, payroll count.
constexpr size_t svanslängd = 8 + 8 + 8 + 1 + 8 + 8;

void sättOrd(Bytes& bytes, size_t plats, int64_t ord) {
    for (int i = 0; i < 8; ++i) bytes[plats + size_t(i)] = uint8_t(uint64_t(ord) >> (8 * i));
}

class FastDag : public ::testing::Test {
protected:
    void TearDown() override { klocka::sättIdag({}); }
    void idag(int64_t år, int månad, int dag) {
        klocka::sättIdag([=] { return klocka::Dag{år, månad, dag}; });
    }
};

}  // namespace

TEST(Bokföring, ExampleDocumentsOfSeveralSizesRoundTripToTheSameFileAndBody) {
    for (Exempelval val : {Exempelval{0, 0, false, false}, Exempelval{1, 1, false, true}, Exempelval{10, 3, true, true},
                           Exempelval{300, 24, true, true}, Exempelval{3000, 60, true, true},
                           Exempelval{.antalVerifikationer = 6, .antalKontakter = 8, .antalSkickadeFakturor = 8,
                                      .antalEjSkickadeFakturor = 9, .allaPostformer = true}}) {
        SCOPED_TRACE(val.antalVerifikationer);
        auto bok = byggExempelbokföring(val);
        Bytes fil = bok->dataMedMellansteg(versionSomSkrivs);
        auto läst = Bokföring::från(fil);
        EXPECT_EQ(läst->dataMedMellansteg(versionSomSkrivs), fil);
        EXPECT_EQ(kropp(*läst), kropp(*bok));
        EXPECT_EQ(läsBokfil(fil).kropp, kropp(*bok));
        EXPECT_EQ(läst->senasteVerifikationsnummer(), bok->senasteVerifikationsnummer());
    }
}

TEST(Bokföring, SupplierInvoicesAreStoredRegularOnesFirst) {
    auto bok = byggExempelbokföring({0, 5, false, true});
    ASSERT_EQ(bok->leverantörsfakturor.size(), 2u);
    ASSERT_TRUE(dynamic_cast<KontantLeverantörsfaktura*>(bok->leverantörsfakturor[0].get()));
    auto läst = läsKropp(kropp(*bok));
    ASSERT_EQ(läst->leverantörsfakturor.size(), 2u);
    EXPECT_TRUE(dynamic_cast<VanligLeverantörsfaktura*>(läst->leverantörsfakturor[0].get()));
    EXPECT_TRUE(dynamic_cast<KontantLeverantörsfaktura*>(läst->leverantörsfakturor[1].get()));
    EXPECT_EQ(läst->förvaldArtikel, läst->artiklar.front().get());
    EXPECT_EQ(läst->löneutbetalningar.size(), 3u);
}

TEST(Bokföring, AccountsKeepTheirVatLevelOverSavesWhateverTheLevelsIndex) {
    auto bok = byggExempelbokföring({0, 0, false, false});
    // Levels whose own index is not their position in the list.
    std::swap(bok->momsnivåer[0]->index, bok->momsnivåer[1]->index);
    auto första = läsKropp(kropp(*bok));
    auto andra = läsKropp(kropp(*första));
    for (size_t i = 0; i < första->konton.size(); ++i) {
        const Momsnivå* a = första->konton[i]->momsnivå;
        const Momsnivå* b = andra->konton[i]->momsnivå;
        ASSERT_EQ(a == nullptr, b == nullptr) << första->konton[i]->nummer;
        if (a) {
            EXPECT_EQ(a->nivå, b->nivå) << första->konton[i]->nummer;
        }
    }
    EXPECT_EQ(kropp(*andra), kropp(*första));
}

TEST(Bokföring, ExamplesAreReproducible) {
    EXPECT_EQ(byggExempelbokföring()->dataMedMellansteg(versionSomSkrivs),
              byggExempelbokföring()->dataMedMellansteg(versionSomSkrivs));
}

TEST(Bokföring, ANewLedgerWithEveryListEmptyRoundTrips) {
    auto bok = tomBokföring(Företagsform::enskildFirma);
    Bytes fil = bok->dataMedMellansteg(versionSomSkrivs);
    auto läst = Bokföring::från(fil);
    // A new ledger holds empty contact texts; read back they are none.
    EXPECT_EQ(bok->telefon, "");
    EXPECT_EQ(läst->telefon, std::nullopt);
    EXPECT_EQ(läst->hemsida, std::nullopt);
    Bytes igen = läst->dataMedMellansteg(versionSomSkrivs);
    EXPECT_EQ(Bokföring::från(igen)->dataMedMellansteg(versionSomSkrivs), igen);
    EXPECT_EQ(läst->valuta, "SEK");
    EXPECT_EQ(läst->land, Land::Sverige);
    EXPECT_EQ(läst->tillåtnaKolumner, Bokföringsbas::förvaldaKolumner());
    EXPECT_EQ(läst->skattetabell, 32);
    EXPECT_TRUE(läst->godkändFörFSkatt);
    EXPECT_EQ(läst->senasteVerifikationsnummer(), std::nullopt);
    EXPECT_EQ(läst->senasteVerifikationsdatum(), std::nullopt);
}

TEST(Bokföring, DefaultsOfANewLedger) {
    Bokföring bok("SEK", "1", "se", std::nullopt, Företagsform::aktiebolag);
    Bokföring annan("SEK", "1", "se", std::nullopt, Företagsform::aktiebolag);
    EXPECT_EQ(bok.UUID.size(), 36u);
    EXPECT_NE(bok.UUID, annan.UUID);
    EXPECT_EQ(bok.metod, Bokföringsmetod::fakturametoden);
    EXPECT_TRUE(bok.bokförFakturorAutomatiskt);
    EXPECT_EQ(bok.betalningsfrist, 30);
    EXPECT_EQ(bok.momsredovisningsalternativ, RedovisningsalternativFörMoms::beskattningsår);
    EXPECT_EQ(bok.arbetsgivaravgift, Bokföring::NivåPåArbetsgivaravgift::Efter1951);
    EXPECT_EQ(bok._säte, "");
    EXPECT_THROW(Bokföring("SEK", "1", "xx", std::nullopt, Företagsform::aktiebolag), std::invalid_argument);
}

TEST(Bokföring, FieldsTheReaderNormalises) {
    auto bok = tomBokföring(Företagsform::handelsbolagEllerKommanditbolag);
    bok->_säte = "Lund";
    bok->tillåtnaKolumner.clear();
    bok->sättKreditvillkor("sv", "30 dagar");
    bok->sättKreditvillkor("en", "");
    bok->sättKreditvillkor("sv", "10 dagar");
    auto läst = läsKropp(kropp(*bok));
    EXPECT_EQ(läst->_säte, std::nullopt);  // written only for a limited company
    EXPECT_TRUE(läst->tillåtnaKolumner.empty());
    ASSERT_EQ(läst->kreditvillkor.size(), 2u);
    EXPECT_EQ(*läst->kreditvillkorFör("sv"), "10 dagar");
    EXPECT_EQ(*läst->kreditvillkorFör("en"), "");

    auto ab = tomBokföring();
    ab->_säte = "Lund";
    EXPECT_EQ(läsKropp(kropp(*ab))->säte(), "Lund");
}

TEST(Bokföring, OlderBodies) {
    auto bok = byggExempelbokföring({20, 3, false, true});
    bok->löneutbetalningar.clear();  // the tail below ends with an empty payroll list
    bok->faktureringsläge = true;
    bok->_bokföringsläge = true;
    bok->arbetsgivaravgift = Bokföring::NivåPåArbetsgivaravgift::Innan1938;
    Bytes ny = kropp(*bok);
    auto läst = läsKropp(ny);
    EXPECT_TRUE(läst->faktureringsläge);
    EXPECT_TRUE(läst->_bokföringsläge);

    // Item 64 of 0 or less: that word closed the record, payroll follows.
    for (int64_t ord : {int64_t{0}, int64_t{-3}}) {
        Bytes gammal(ny.begin(), ny.end() - svanslängd + 16);
        Utström svans;
        svans.writeInt64(ord);
        svans.writeInt64(0);
        gammal.insert(gammal.end(), svans.bytes().begin(), svans.bytes().end());
        auto äldre = läsKropp(gammal);
        EXPECT_FALSE(äldre->faktureringsläge);
        EXPECT_FALSE(äldre->_bokföringsläge);
        EXPECT_EQ(äldre->arbetsgivaravgift, Bokföring::NivåPåArbetsgivaravgift::Innan1938);
        // Written back in today's shape.
        EXPECT_EQ(kropp(*äldre).size(), ny.size());
    }

    // Item 62 of 0: the receivable changes are recomputed, then stored as 1.
    Bytes utanKundfordringar = ny;
    sättOrd(utanKundfordringar, ny.size() - svanslängd, 0);
    EXPECT_EQ(kropp(*läsKropp(utanKundfordringar)), ny);

    // An employer-fee level outside 0 to 3 reads as the default.
    for (int64_t ord : {int64_t{7}, int64_t{-1}, INT64_MIN}) {
        Bytes okänd = ny;
        sättOrd(okänd, ny.size() - svanslängd + 8, ord);
        EXPECT_EQ(läsKropp(okänd)->arbetsgivaravgift, Bokföring::NivåPåArbetsgivaravgift::Efter1951);
    }
    // A Boolean byte other than 1 is false.
    Bytes byte7 = ny;
    byte7[ny.size() - 17] = 7;
    EXPECT_FALSE(läsKropp(byte7)->_bokföringsläge);
}

TEST(Bokföring, BodiesThatBreakTheRulesAreRefused) {
    auto bok = byggExempelbokföring({5, 2, false, false});
    Bytes ny = kropp(*bok);
    // The company form follows the UUID and the organisation number.
    size_t form = 8 + bok->UUID.size() + 8 + bok->organisationsnummer.size();
    for (int64_t kod : {int64_t{0}, int64_t{4}, int64_t{11}, int64_t{-1}}) {
        Bytes b = ny;
        sättOrd(b, form, kod);
        EXPECT_THROW(läsKropp(b), SkadatDokument) << kod;
    }
    // Every cut of the body is an error, never a crash or a silent read.
    for (size_t längd = 0; längd < ny.size(); längd += 7) {
        Bytes kort(ny.begin(), ny.begin() + längd);
        Inström ström(kort);
        EXPECT_ANY_THROW(Bokföring bok(ström)) << längd;
    }
}

// The body is read while it decodes; damage anywhere in its encoding is
// still what a load reports, even when the bytes before it break the rules.
TEST(Bokföring, ADamagedBodyIsReportedBeforeWhatItsBytesBreak) {
    Bytes kropp(200'000, 0xFF);  // a UUID of length -1: a format error at once
    Bytes ström = lzfse::encode(kropp);
    ström[ström.size() - 1] ^= 0x01;  // the end marker
    ByteWriter w;
    w.u32(bokfilensMagiskaTal);
    w.u32(versionSomSkrivs);
    w.i64(static_cast<int64_t>(kropp.size()));
    w.i64(40);
    for (int64_t ord : {-1, 0, 0, 0, 0}) w.i64(ord);
    w.append(ström);
    try {
        Bokföring::från(w.bytes());
        FAIL() << "a damaged body was read";
    } catch (const FilformatsfelUndantag& e) {
        EXPECT_EQ(e.fall, Filformatsfel::kundeIntePackaUpp);
    }
    // Undamaged, the same body is refused for what it holds.
    ström[ström.size() - 1] ^= 0x01;
    Bytes hel = w.take();
    std::copy(ström.begin(), ström.end(), hel.end() - static_cast<long>(ström.size()));
    EXPECT_THROW(Bokföring::från(hel), FormatError);
}

TEST(Bokföring, LatestEntryComesFromTheLatestYearWithANumberedEntry) {
    auto bok = byggExempelbokföring({0, 1, false, false});
    auto& år = bok->räkenskapsår;
    Konto& bank = *bok->hittaKonto(1930);
    auto post = [&](std::optional<int64_t> nr, int64_t datum) {
        Radlista rader;
        rader.push_back(std::make_unique<Rad>(bank, Decimal::fromInt(1), 1, std::vector<Kostnadsställe*>{},
                                              std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt));
        return std::make_unique<Verifikation>(nr, "v", Verifikationstyp::manuell, Datum(datum), std::move(rader),
                                              std::nullopt, std::nullopt, std::nullopt);
    };
    bok->kommandeVerifikationer.push_back(post(99, 20270101));
    EXPECT_EQ(bok->senasteVerifikationsnummer(), std::nullopt);  // pending entries do not count
    år[0]->verifikationer.push_back(post(40, 20250301));
    år[0]->verifikationer.push_back(post(41, 20250201));
    år[1]->verifikationer.push_back(post(3, 20260105));
    år[1]->verifikationer.push_back(post(2, 20260110));
    EXPECT_EQ(bok->senasteVerifikationsnummer(), 3);
    EXPECT_EQ(bok->senasteVerifikationsdatum(), Datum(20260110));
    // The later year stored first still counts as later.
    std::swap(år[0], år[1]);
    EXPECT_EQ(bok->senasteVerifikationsnummer(), 3);
    // A later year whose greatest entry has no number gives nothing.
    år.push_back(std::make_unique<Räkenskapsår>(Datum(20270101), Datum(20271231), "2027"));
    år.back()->verifikationer.push_back(post(std::nullopt, 20270301));
    EXPECT_EQ(bok->senasteVerifikationsnummer(), 3);
    EXPECT_EQ(bok->senasteVerifikationsdatum(), Datum(20270301));
}

TEST(Bokföring, VatRegistrationNumber) {
    struct Fall {
        const char* land;
        const char* o;
        bool registrerat;
        std::optional<std::string> väntat;
    };
    for (const Fall& f : {Fall{"se", "556677-8899", true, "SE556677889901"},
                          Fall{"se", "19850505-1234", true, "SE850505123401"},
                          Fall{"se", "556677-8899", false, std::nullopt},
                          Fall{"no", "123-456 789", true, "NO 123-456 789 MVA"},
                          Fall{"fi", "1234567-8", true, "FI12345678"},
                          Fall{"nl", "1234.56.789", true, "NL123456789B01"},
                          Fall{"lu", "1234 5678", true, "LU12345678"},
                          Fall{"dk", "12345678", true, "DK12345678"},
                          Fall{"de", "DE123", true, std::nullopt}}) {
        Bokföring bok("SEK", f.o, f.land, "u", Företagsform::aktiebolag);
        bok.momsregistrerat = f.registrerat;
        EXPECT_EQ(bok.momsregistreringsnummer(), f.väntat) << f.land << " " << f.o;
    }
}

TEST(Organisationsnummer, CleaningOfSwedishNumbers) {
    struct Fall {
        const char* in;
        const char* ut;
    };
    for (const Fall& f : {Fall{"5561234567", "556123-4567"}, Fall{"556123-4567", "556123-4567"},
                          Fall{"165561234567", "556123-4567"}, Fall{"8501011234", "19850101-1234"},
                          Fall{"0501011234", "20050101-1234"}, Fall{"198501011234", "19850101-1234"},
                          Fall{"19850101-1234", "19850101-1234"}, Fall{"20050101-1234", "20050101-1234"},
                          Fall{"850101-1234", "19850101-1234"}, Fall{" 5561234567\t", "556123-4567"},
                          // Texts of other shapes stay exactly as they are.
                          Fall{"Not applicable", "Not applicable"}, Fall{"556123 4567", "556123 4567"},
                          Fall{"  abc  ", "  abc  "}, Fall{"", ""}, Fall{"12345678901234", "12345678901234"}}) {
        std::string a = rengörOrganisationsnummer(f.in, Land::Sverige);
        EXPECT_EQ(a, f.ut) << f.in;
        EXPECT_EQ(rengörOrganisationsnummer(a, Land::Sverige), a) << "stable: " << f.in;
    }
    EXPECT_EQ(rengörOrganisationsnummer(" 5561234567", Land::Norge), " 5561234567");
}

TEST(Organisationsnummer, CompanyFormFromTheNumber) {
    struct Fall {
        const char* nummer;
        std::optional<Företagsform> form;
    };
    for (const Fall& f : {Fall{"123456789", std::nullopt}, Fall{"8501011234", Företagsform::enskildFirma},
                          Fall{"198501011234", Företagsform::enskildFirma}, Fall{"556123-4567", Företagsform::aktiebolag},
                          Fall{"165561234567", Företagsform::aktiebolag}, Fall{"1020304050", Företagsform::dödsbo},
                          Fall{"2120000142", Företagsform::offentligVerksamhet}, Fall{"3020001234", Företagsform::filial},
                          Fall{"6920001234", Företagsform::enkeltBolag}, Fall{"7696001234", Företagsform::ekonomiskFörening},
                          Fall{"8024001234", Företagsform::ideellFörening},
                          Fall{"9696001234", Företagsform::handelsbolagEllerKommanditbolag},
                          Fall{"4020001234", std::nullopt}, Fall{"AB20001234", std::nullopt},
                          Fall{"55AB001234", std::nullopt}}) {
        EXPECT_EQ(företagsformFrånOrganisationsnummer(f.nummer), f.form) << f.nummer;
    }
    for (int64_t kod = -1; kod <= 11; ++kod) {
        auto form = frånKod<Företagsform>(kod);
        EXPECT_EQ(form.has_value(), kod >= 1 && kod <= 10 && kod != 4) << kod;
        if (form) {
            EXPECT_EQ(::kod(*form), kod);
        }
    }
}

TEST_F(FastDag, ContactsWithoutActivityForSevenYearsAreMasked) {
    auto bok = byggExempelbokföring({0, 0, false, false});
    bok->räkenskapsår.push_back(std::make_unique<Räkenskapsår>(Datum(20180101), Datum(20181231), "2018"));
    auto kontakt = [&](std::optional<std::string> namn, std::optional<std::string> företag, bool behåll) {
        auto k = std::make_unique<Affärskontakt>();
        k->nummer = std::to_string(bok->kontakter.size() + 1);
        k->ordningstal = int64_t(bok->kontakter.size() + 1);
        k->namn = std::move(namn);
        k->företag = std::move(företag);
        k->behållEfter7År = behåll;
        bok->kontakter.push_back(std::move(k));
    };
    kontakt("Anna", "Lilla lab", false);     // upper case ends in AB: kept
    kontakt("Bo", "Bos Fisk", false);        // masked
    kontakt(std::nullopt, "Ceco Oy", false);  // no name stays none
    kontakt("Dan", std::nullopt, true);       // kept on purpose
    kontakt("Eva", "Evas Ved", false);       // sent a supplier invoice in 2018: kept
    auto faktura = std::make_unique<VanligLeverantörsfaktura>();
    faktura->avsändare = bok->kontakter.back().get();
    faktura->nummer = "1";
    faktura->ordningstal = 1;
    faktura->fakturadatum = Datum(20180115);
    faktura->växelkurs = Decimal::fromInt(1);
    bok->leverantörsfakturor.push_back(std::move(faktura));
    Bytes b = kropp(*bok);

    idag(2025, 6, 1);  // seven years back: 2018-06-01, inside 2018
    auto läst = läsKropp(b);
    const auto& k = läst->kontakter;
    EXPECT_EQ(k[0]->namn, Bokföring::mask);
    EXPECT_EQ(k[0]->företag, "Lilla lab");
    EXPECT_EQ(k[1]->namn, Bokföring::mask);
    EXPECT_EQ(k[1]->företag, Bokföring::mask);
    EXPECT_EQ(k[2]->namn, std::nullopt);
    EXPECT_EQ(k[2]->företag, "Ceco Oy");
    EXPECT_EQ(k[3]->namn, "Dan");
    EXPECT_TRUE(k[0]->makulerad && k[1]->makulerad && k[2]->makulerad);
    EXPECT_FALSE(k[3]->makulerad);
    EXPECT_EQ(k[4]->namn, "Eva");
    EXPECT_FALSE(k[4]->makulerad);
    EXPECT_EQ(std::string(Bokföring::mask).size(), 21u);

    idag(2027, 6, 1);  // 2020-06-01 lies in no fiscal year: nothing masked
    EXPECT_EQ(läsKropp(b)->kontakter[1]->namn, "Bo");
}

TEST(Bokföring, ReceivableCandidatesAndMatches) {
    auto bok = byggExempelbokföring({0, 0, false, false});
    Konto& fordran = *bok->hittaKonto(1510);
    Konto& intäkt = *bok->hittaKonto(3001);
    auto post = [&](std::optional<int64_t> nr, std::string namn, std::vector<std::pair<Konto*, int64_t>> belopp,
                    bool struken = false) {
        Radlista rader;
        int64_t i = 1;
        for (auto [konto, kr] : belopp)
            rader.push_back(std::make_unique<Rad>(*konto, Decimal::fromInt(kr), i++, std::vector<Kostnadsställe*>{},
                                                  std::nullopt, std::nullopt,
                                                  struken ? std::optional<std::string>("x") : std::nullopt,
                                                  std::nullopt, std::nullopt));
        return std::make_unique<Verifikation>(nr, namn, Verifikationstyp::manuell, Datum(20250105), std::move(rader),
                                              std::nullopt, std::nullopt, std::nullopt);
    };
    auto& år = bok->räkenskapsår[0]->verifikationer;
    år.push_back(post(1, "Faktura #17 skickad", {{&fordran, 125}, {&intäkt, -125}}));
    år.push_back(post(2, "Faktura 17 betald", {{&fordran, -100}, {&fordran, 100}}));  // cancels: no candidate
    år.push_back(post(3, "Faktura 17 delbetald", {{&fordran, -50}}, true));          // struck: zero
    år.push_back(post(4, "Betalning 17 st", {{&fordran, -25}, {&intäkt, 25}}));
    bok->kommandeVerifikationer.push_back(post(std::nullopt, "Faktura #17 skickad", {}));

    auto kandidater = bok->kundfordringskandidater();
    ASSERT_EQ(kandidater.size(), 3u);
    auto ändringar = bok->kundfordringsändringarFörFaktura("17", kandidater);
    ASSERT_EQ(ändringar.size(), 2u);
    EXPECT_EQ(ändringar[0].verifikationsnummer, 1);
    EXPECT_EQ(ändringar[0].belopp, Decimal::fromInt(125));
    EXPECT_EQ(ändringar[1].verifikationsnummer, 4);
    EXPECT_EQ(ändringar[1].belopp, Decimal::fromInt(-25));
    // The unnumbered pending entry is marked but adds nothing.
    EXPECT_EQ(bok->kommandeVerifikationer[0]->fakturanummer, "17");
    EXPECT_EQ(år[1]->fakturanummer, std::nullopt);
    EXPECT_TRUE(bok->kundfordringsändringarFörFaktura("7", kandidater).empty());
    bok->kontoFörKundfordringar = nullptr;
    EXPECT_TRUE(bok->kundfordringskandidater().empty());
}

TEST(Bokföring, TheLogoTravelsInThePreviewAsStoredBytes) {
    auto bok = byggExempelbokföring({2, 1, false, false});
    Bytes logotyp = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R', 0xFF, 0x00};
    bok->logotyp = logotyp;
    Bytes fil = bok->dataMedMellansteg(versionSomSkrivs);
    auto läst = Bokföring::från(fil);
    EXPECT_EQ(läst->logotyp, logotyp);
    EXPECT_EQ(läst->dataMedMellansteg(versionSomSkrivs), fil);
    Förhandsvisning förhandsvisning = läsFörhandsvisning(läsBokfilshuvud(fil).förhandsvisning);
    EXPECT_EQ(förhandsvisning.namn, bok->namn);
    EXPECT_EQ(förhandsvisning.organisationsnummer, "556677-8899");
    EXPECT_EQ(förhandsvisning.senasteVerifikationsdatum, bok->senasteVerifikationsdatum()->d);
}

TEST(Bokföring, TheCallbackRunsAfterTheBodyAndBeforeThePreview) {
    auto bok = byggExempelbokföring({2, 1, false, false});
    Bytes fil = bok->dataMedMellansteg(versionSomSkrivs, [&] { bok->namn = "Nytt namn AB"; });
    EXPECT_EQ(läsFörhandsvisning(läsBokfilshuvud(fil).förhandsvisning).namn, "Nytt namn AB");
    EXPECT_EQ(Bokföring::från(fil)->namn, "Exempelbolaget i Sverige AB");
}

TEST(Bokföring, ASupplierFindsItsContactByNumberWhenTheStoredOrdinalDisagrees) {
    auto bok = byggExempelbokföring({0, 0, false, false});
    auto kontakt = std::make_unique<Affärskontakt>();
    kontakt->nummer = "LEV";
    kontakt->ordningstal = 4711;  // not what the number text gives
    kontakt->namn = "Leverantören";
    auto faktura = std::make_unique<VanligLeverantörsfaktura>();
    faktura->avsändare = kontakt.get();
    faktura->nummer = "1";
    faktura->ordningstal = 1;
    faktura->fakturadatum = Datum(20250301);
    faktura->växelkurs = Decimal::fromInt(1);
    bok->kontakter.push_back(std::move(kontakt));
    bok->leverantörsfakturor.push_back(std::move(faktura));
    auto läst = läsKropp(kropp(*bok));
    ASSERT_EQ(läst->leverantörsfakturor.size(), 1u);
    EXPECT_EQ(läst->leverantörsfakturor[0]->avsändare, läst->kontakter[0].get());
}
