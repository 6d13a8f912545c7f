// Sent invoices: their record (and older ones), documents holding them,
// freezing an unsent invoice, the status and the sign-adjusted totals.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Rakenskapsar.h"
#include "Modell/SkadatDokument.h"
#include "Plattform/Klocka.h"
#include "Fakturabok.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace fakturabok;

namespace {

Referenser referenser(const Bokföring& b) {
    Referenser ref;
    ref.sättKonton(b.konton);
    ref.sättKostnadsställen(b.kostnadsställen);
    ref.sättArtiklar(b.artiklar);
    ref.sättKontakter(b.kontakter);
    return ref;
}

Bytes record(const Faktura& f) {
    Utström ut;
    f.spara(ut);
    return ut.take();
}

std::unique_ptr<Faktura> läs(const Bytes& data, const Bokföring& b) {
    Inström in(data);
    auto f = std::make_unique<Faktura>(in, referenser(b));
    EXPECT_TRUE(in.atEnd());
    return f;
}

// A frozen invoice with every field given a value.
std::unique_ptr<Faktura> fullFaktura(Bokföring& b) {
    auto d = ejSkickad(b);
    post(b, *d, "T", "1000", "2").sättRabattbeskrivning("10%");
    post(b, *d, "V", "99.75", "3");
    d->sättMeddelande("Tack!");
    d->sättInköpsordernummer("PO-7");
    d->sättLeveranssätt("Bud");
    d->sättVårReferens("Kim");
    d->sättRabatt(tal("0.05"));
    d->kostnadsställen = {b.kostnadsställen.front().get()};
    d->_leveransdatum = Datum(20240503);
    d->visaLeveransdatum = true;
    Adress leverans;
    leverans.gata = "Lagervägen 9";
    b.kontakter.front()->leveransadress = leverans;
    d->visaLeveransadress = true;
    d->sättEgenFakturamall(b.fakturamallar.empty() ? nullptr : b.fakturamallar.front().get());
    d->sättInbyggdFakturamall(InbyggdFakturamall::Karvomat4);
    auto f = std::make_unique<Faktura>(*d, std::nullopt);
    f->kolumner_ = {Fakturakolumn::radnummer, Fakturakolumn::artikelnamn, Fakturakolumn::belopp};
    return f;
}

// The record with its later fields cut off after the language: the word
// `markör` in their place, then the base part.
Bytes somÄldre(const Faktura& f, int64_t markör) {
    Bytes hel = record(f);
    Utström svans;
    svans.writeString(f.språk_);
    svans.writeInt64(3);
    svans.writeInt64(1);
    const Bytes& s = svans.bytes();
    auto it = std::search(hel.begin(), hel.end(), s.begin(), s.end());
    EXPECT_NE(it, hel.end());
    Utström ut;
    ut.append(std::span<const uint8_t>(&*hel.begin(), static_cast<size_t>(it - hel.begin())));
    ut.writeString(f.språk_);
    ut.writeInt64(markör);
    f.NumreratObjekt::spara(ut);
    return ut.take();
}

struct FastDag {
    explicit FastDag(klocka::Dag d) {
        klocka::sättIdag([d] { return d; });
    }
    ~FastDag() { klocka::sättIdag({}); }
};

}  // namespace

TEST(Faktura, RecordRoundTripsEveryField) {
    auto b = bokföring();
    auto mall = std::make_unique<Fakturamall>();
    mall->namn = "Egen";
    b->fakturamallar.push_back(std::move(mall));
    auto f = fullFaktura(*b);
    f->påminnelserSkickade = {Datum(20240601), Datum(20240615)};
    f->kundfordringsändringar = {{Datum(20240502), 17, tal("2461.50")}};
    f->peppolStatus = PEPPOLStatus::mottagen();
    f->hittillsBetaltBelopp = tal("100");
    f->kontoFörSenastBetaltBelopp = konto(*b, 1930);
    f->kolumner_ = {Fakturakolumn::radnummer, Fakturakolumn::artikelnamn, Fakturakolumn::belopp};

    Bytes första = record(*f);
    auto g = läs(första, *b);
    EXPECT_EQ(g->_namnPåEgenFakturamall, "Egen");
    g->ställInFakturamallBlandMallar(b->fakturamallar);
    EXPECT_EQ(record(*g), första);

    EXPECT_EQ(g->mottagare, b->kontakter.front().get());
    EXPECT_EQ(g->poster.size(), 2u);
    EXPECT_EQ(g->poster[0]->relativRabatt, tal("0.1"));
    EXPECT_EQ(g->poster[1]->försäljningskonto, konto(*b, 3002));
    EXPECT_EQ(g->leveransadress_->gata, "Lagervägen 9");
    EXPECT_EQ(g->leveransdatum_, Datum(20240503));
    EXPECT_EQ(g->påminnelserSkickade.size(), 2u);
    EXPECT_EQ(g->kundfordringsändringar.at(0).verifikationsnummer, 17);
    EXPECT_EQ(g->kolumner_, f->kolumner_);
    EXPECT_EQ(g->inbyggdFakturamall_, InbyggdFakturamall::Karvomat4);
    EXPECT_EQ(g->peppolStatus, PEPPOLStatus::mottagen());
    EXPECT_EQ(g->uuid, f->uuid);
    EXPECT_EQ(g->organisationsnummer, "556677-8899");
    EXPECT_EQ(g->kostnadsställen, f->kostnadsställen);
    EXPECT_EQ(g->kontoFörSenastBetaltBelopp, konto(*b, 1930));
    EXPECT_EQ(g->_attBetala, f->_attBetala);
    EXPECT_EQ(g->ordningstal, f->ordningstal);
}

TEST(Faktura, DocumentsWithSentInvoicesOfEveryStatusRoundTrip) {
    FastDag idag({2024, 6, 1});
    auto b = bokföring();
    auto mall = std::make_unique<Fakturamall>();
    mall->namn = "Egen";
    b->fakturamallar.push_back(std::move(mall));
    std::vector<std::function<void(Faktura&)>> tillstånd = {
        [](Faktura&) {},                                                      // skickad
        [](Faktura& f) { f.förfallodatum_ = Datum(20240101); },                // förfallen
        [](Faktura& f) { f.betalningsdatum = Datum(20240520); },              // betald
        [](Faktura& f) { f.påminnelserSkickade = {Datum(20240525)}; },        // påmind
        [](Faktura& f) { f.påminnelserSkickade = {Datum(20240525), Datum(20240530)}; },
        [](Faktura& f) { f.återköpsdatum = Datum(20240510); },
        [](Faktura& f) { f.kundförlustsdatum = Datum(20240511); },
        [](Faktura& f) { f.hittillsBetaltBelopp = tal("12.50"); },            // delbetald
    };
    std::vector<Fakturastatus> statusar;
    for (size_t i = 0; i < tillstånd.size(); ++i) {
        auto f = fullFaktura(*b);
        f->NumreratObjekt::nummer = std::to_string(1001 + i);
        f->ordningstal = static_cast<int64_t>(1001 + i);
        f->förfallodatum_ = Datum(20240701);
        tillstånd[i](*f);
        f->peppolStatus = i % 2 ? PEPPOLStatus::inväntarKvitto() : PEPPOLStatus::ej();
        statusar.push_back(f->status());
        b->skickadeFakturor.push_back(std::move(f));
    }
    std::vector<Fakturastatus> alla(allaFakturastatusar().begin(), allaFakturastatusar().end());
    std::sort(alla.begin(), alla.end());
    std::sort(statusar.begin(), statusar.end());
    EXPECT_EQ(statusar, alla);

    // The ledger's own fields settle on the first read (defaults of a new
    // ledger are not all stored); from then on the file is stable.
    Bytes fil = Bokföring::från(b->dataMedMellansteg(versionSomSkrivs))->dataMedMellansteg(versionSomSkrivs);
    auto läst = Bokföring::från(fil);
    ASSERT_EQ(läst->skickadeFakturor.size(), 8u);
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(record(*läst->skickadeFakturor[i]), record(*b->skickadeFakturor[i])) << i;
    EXPECT_EQ(läst->skickadeFakturor[0]->egenFakturamall(), läst->fakturamallar.front().get());
    EXPECT_EQ(läst->skickadeFakturor[5]->status(), Fakturastatus::återköpt);
    EXPECT_EQ(läst->dataMedMellansteg(versionSomSkrivs), fil);
    EXPECT_EQ(läsFörhandsvisning(läsBokfilshuvud(fil).förhandsvisning).störstaFakturaordningstal, 1008);
}

TEST(Faktura, OlderRecordsGetOrganisationNumberUuidAndRecomputedTotals) {
    auto b = bokföring();
    auto d = ejSkickad(*b);
    auto f = std::make_unique<Faktura>(*d, std::nullopt);
    f->öresutjämna_ = true;
    f->fakturadatum_ = Datum(20161111);
    f->_momsbelopp = tal("24.994");
    f->_beloppExklMoms = tal("100");
    f->_nettobelopp = tal("100");
    f->_öresutjämningsbelopp = tal("0.01");
    f->_attBetala = tal("124.99");
    f->_avdragsbelopp = tal("10");
    f->peppolStatus = PEPPOLStatus::nekad();
    f->organisationsnummer = "gammalt";

    auto g = läs(somÄldre(*f, 0), *b);
    EXPECT_EQ(g->organisationsnummer, "556677-8899");
    EXPECT_EQ(g->uuid.size(), 36u);
    EXPECT_NE(g->uuid, f->uuid);
    EXPECT_EQ(g->peppolStatus, PEPPOLStatus::ej());
    EXPECT_EQ(g->_momsbelopp, tal("24.99"));
    EXPECT_EQ(g->_öresutjämningsbelopp, tal("0.006"));
    EXPECT_EQ(g->_attBetala, tal("115"));  // 125.00 less the deduction
    EXPECT_EQ(g->lokaltBeloppAttBetala, tal("124.99"));
    // Read back in the current layout, the totals stay.
    auto h = läs(record(*g), *b);
    EXPECT_EQ(h->_attBetala, tal("115"));

    f->fakturadatum_ = Datum(20161112);
    auto senare = läs(somÄldre(*f, 0), *b);
    EXPECT_EQ(senare->_momsbelopp, tal("24.994"));
    EXPECT_EQ(senare->_attBetala, tal("124.99"));
    // The current layout never has its totals rewritten.
    f->fakturadatum_ = Datum(20161111);
    EXPECT_EQ(läs(record(*f), *b)->_momsbelopp, tal("24.994"));
}

TEST(Faktura, DeliveryStatusAndTemplateCodes) {
    auto b = bokföring();
    auto d = ejSkickad(*b);
    Faktura f(*d, std::nullopt);
    auto medKod = [&](int64_t kod, const char* mallkod) {
        // Patch the status word (after organisation number and UUID) and
        // the template code through the writer.
        f.inbyggdFakturamall_ = InbyggdFakturamall::Norsk1;
        Bytes r = record(f);
        Utström svans;
        svans.writeString(f.uuid);
        const Bytes& s = svans.bytes();
        auto it = std::search(r.begin(), r.end(), s.begin(), s.end());
        size_t plats = static_cast<size_t>(it - r.begin()) + s.size();
        for (int i = 0; i < 8; ++i) r[plats + i] = static_cast<uint8_t>(static_cast<uint64_t>(kod) >> (8 * i));
        Utström gammal, ny;
        gammal.writeString(std::string("NoGiro1"));
        if (mallkod) ny.writeString(std::string(mallkod)); else ny.writeString(std::nullopt);
        auto m = std::search(r.begin(), r.end(), gammal.bytes().begin(), gammal.bytes().end());
        Bytes ut(r.begin(), m);
        ut.insert(ut.end(), ny.bytes().begin(), ny.bytes().end());
        ut.insert(ut.end(), m + static_cast<long>(gammal.bytes().size()), r.end());
        return läs(ut, *b);
    };
    EXPECT_EQ(medKod(2, "Karvomat4")->peppolStatus, PEPPOLStatus::inväntarKvitto());
    EXPECT_EQ(medKod(2, "Karvomat4")->inbyggdFakturamall_, InbyggdFakturamall::Karvomat4);
    EXPECT_EQ(medKod(6, "Okänd")->peppolStatus, PEPPOLStatus::slårUppMottagare());
    EXPECT_EQ(medKod(6, "Okänd")->inbyggdFakturamall_, InbyggdFakturamall::Standard);
    EXPECT_EQ(medKod(5, nullptr)->peppolStatus, PEPPOLStatus::ej());
    EXPECT_EQ(medKod(5, nullptr)->inbyggdFakturamall_, InbyggdFakturamall::Standard);
    EXPECT_EQ(medKod(7, "Df")->peppolStatus, PEPPOLStatus::ej());
}

TEST(Faktura, DamagedRecordsAreRefused) {
    auto b = bokföring();
    auto d = ejSkickad(*b);
    post(*b, *d, "T", "1", "1");
    Faktura f(*d, std::nullopt);
    f.kolumner_ = {Fakturakolumn::pris};
    f.påminnelserSkickade = {Datum(20240601)};
    f.växelkurs = tal("1.2345");  // a value found nowhere else in the record
    const Bytes r = record(f);
    auto ersätt = [&](const Bytes& gammalt, const Bytes& nytt) {
        auto it = std::search(r.begin(), r.end(), gammalt.begin(), gammalt.end());
        EXPECT_NE(it, r.end());
        Bytes ut(r.begin(), it);
        ut.insert(ut.end(), nytt.begin(), nytt.end());
        ut.insert(ut.end(), it + static_cast<long>(gammalt.size()), r.end());
        return ut;
    };
    auto ord = [](std::initializer_list<int64_t> v) {
        Utström u;
        for (int64_t x : v) u.writeInt64(x);
        return u.take();
    };
    auto läsFel = [&](const Bytes& data) {
        Inström in(data);
        Faktura(in, referenser(*b));
    };
    // A column 3 is no flag; a negative column count is damage.
    EXPECT_THROW(läsFel(ersätt(ord({1, 128}), ord({1, 3}))), SkadatDokument);
    EXPECT_THROW(läsFel(ersätt(ord({1, 128}), ord({-1}))), SkadatDokument);
    // A negative count of reminders.
    EXPECT_THROW(läsFel(ersätt(ord({1, 20240601}), ord({-1, 20240601}))), SkadatDokument);
    // Booking method 2.
    Utström kursOchMetod, kursOchFelMetod;
    kursOchMetod.writeDecimalNumber(f.växelkurs);
    kursOchMetod.writeInt64(1);
    kursOchFelMetod.writeDecimalNumber(f.växelkurs);
    kursOchFelMetod.writeInt64(2);
    EXPECT_THROW(läsFel(ersätt(kursOchMetod.bytes(), kursOchFelMetod.bytes())), SkadatDokument);
    // An unknown recipient.
    Utström mottagare;
    mottagare.writeString(std::string("1"));
    Utström annan;
    annan.writeString(std::string("9"));
    EXPECT_THROW(läsFel(ersätt(mottagare.bytes(), annan.bytes())), SkadatDokument);
    // Cut anywhere.
    for (size_t n = 0; n < r.size(); n += 7)
        EXPECT_THROW(läsFel(Bytes(r.begin(), r.begin() + static_cast<long>(n))), std::exception) << n;
}

TEST(Faktura, ItemRecordRepairsPercentRatesAndRefusesUnknownCodes) {
    auto b = bokföring();
    Fakturapost p;
    p.typ = Artikeltyp::tjänster;
    p.momssats_ = tal("25");
    p.pris_ = tal("100");
    p.antal_ = tal("1");
    p.beloppExklMomsInnanRabatt = tal("100");
    p.beloppExklMoms_ = tal("100");
    p.momsbelopp_ = tal("2500");
    p.belopp_ = tal("12500");
    p.artikelnummer_ = "V";
    p.försäljningskonto = nullptr;
    Utström ut;
    p.spara(ut);
    Bytes r = ut.take();
    Inström in(r);
    Fakturapost q(in, referenser(*b));
    EXPECT_TRUE(q.fixadMomssats);
    EXPECT_EQ(q.momssats(), tal("0.25"));
    EXPECT_EQ(q.momsbelopp(), tal("25"));
    EXPECT_EQ(q.belopp(), tal("125"));
    EXPECT_EQ(q.beloppExklMoms(), tal("100"));
    // Without its own account it takes its article's.
    EXPECT_EQ(q.försäljningskonto, konto(*b, 3002));
    EXPECT_EQ(q.prisInklMoms(), tal("125"));

    // Above 100 it is no percentage: kept as read.
    p.momssats_ = tal("25000");
    Utström ut2;
    p.spara(ut2);
    Bytes r2 = ut2.take();
    Inström in2(r2);
    Fakturapost s(in2, referenser(*b));
    EXPECT_FALSE(s.fixadMomssats);
    EXPECT_EQ(s.momssats(), tal("25000"));

    for (auto [plats, värde] : {std::pair{std::string("typ"), 2}, std::pair{std::string("rot"), 17}}) {
        Fakturapost x = Fakturapost();
        x.artikelnummer_ = std::nullopt;
        Utström u;
        x.spara(u);
        Bytes data = u.take();
        // none, none, then the kind word and the category word.
        size_t ordplats = 16 + (plats == "rot" ? 8 : 0);
        data[ordplats] = static_cast<uint8_t>(värde);
        Inström i2(data);
        EXPECT_THROW(Fakturapost(i2, referenser(*b)), SkadatDokument) << plats;
    }
}

TEST(Faktura, ExampleLedgerWithSentInvoicesReadsBackByteForByte) {
    Exempelval val;
    val.antalVerifikationer = 20;
    val.antalSkickadeFakturor = 12;
    Bytes fil = byggExempelbokföring(val)->dataMedMellansteg(versionSomSkrivs);
    EXPECT_EQ(byggExempelbokföring(val)->dataMedMellansteg(versionSomSkrivs), fil);
    auto bok = Bokföring::från(fil);
    ASSERT_EQ(bok->skickadeFakturor.size(), 12u);
    std::set<std::string> valutor, språk;
    for (const auto& f : bok->skickadeFakturor) {
        valutor.insert(f->valuta_);
        språk.insert(f->språk_);
    }
    EXPECT_EQ(valutor, (std::set<std::string>{"EUR", "NOK", "SEK"}));
    EXPECT_GE(språk.size(), 4u);
    EXPECT_EQ(bok->dataMedMellansteg(versionSomSkrivs), fil);
}

TEST(Faktura, ReadingMasksContactsWhoseInvoicesAreSevenYearsOld) {
    FastDag idag({2024, 6, 1});  // the boundary is the start of fiscal year 2017
    auto b = bokföring();
    b->räkenskapsår.push_back(std::make_unique<Räkenskapsår>(Datum(20170101), Datum(20171231), "2017"));
    b->kontakter[1]->företag = "Berg Design";
    for (auto& k : b->kontakter) k->behållEfter7År = false;
    auto skicka = [&](Affärskontakt* till, Datum datum, const char* nummer) {
        auto d = ejSkickad(*b);
        d->mottagare = till;
        d->sättFakturadatum(datum);
        d->NumreratObjekt::nummer = nummer;
        b->skickadeFakturor.push_back(std::make_unique<Faktura>(*d, std::nullopt));
    };
    skicka(b->kontakter[0].get(), Datum(20170301), "1");  // Acme AB: recent enough
    skicka(b->kontakter[1].get(), Datum(20161231), "2");  // Berg Design: seven years ago
    auto läst = Bokföring::från(b->dataMedMellansteg(versionSomSkrivs));
    const std::string mask = Bokföring::mask;
    EXPECT_EQ(läst->kontakter[0]->namn, "Eva Ek");
    EXPECT_FALSE(läst->kontakter[0]->makulerad);
    EXPECT_EQ(läst->skickadeFakturor[0]->_företag, "Acme AB");
    EXPECT_EQ(läst->kontakter[1]->namn, mask);
    EXPECT_EQ(läst->kontakter[1]->företag, mask);
    EXPECT_TRUE(läst->kontakter[1]->makulerad);
    EXPECT_EQ(läst->skickadeFakturor[1]->_företag, mask);
    EXPECT_EQ(läst->skickadeFakturor[1]->erReferens_, mask);
}
