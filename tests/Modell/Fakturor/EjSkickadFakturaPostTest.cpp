// The unsent-invoice record and the document that holds unsent invoices.
#include "Modell/Fakturor/EjSkickadFaktura.h"

#include <gtest/gtest.h>

#include "Fakturaprov.h"
#include "Modell/Belopp.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/SkadatDokument.h"

using fakturaprov::D;

namespace {

Bytes sparat(const EjSkickadFaktura& f) {
    Utström ut;
    f.spara(ut);
    return ut.take();
}

std::unique_ptr<EjSkickadFaktura> läst(const Bytes& bytes, const Referenser& ref) {
    Inström in{std::span<const uint8_t>(bytes)};
    auto f = std::make_unique<EjSkickadFaktura>(in, ref);
    EXPECT_TRUE(in.atEnd()) << "the record did not use every byte";
    return f;
}

struct Prov : fakturaprov::Bok {
    Affärskontakt* kund;
    Kostnadsställe* projekt;
    Referenser ref;

    Prov() {
        artikel("A-1", 0, "0", Artikeltyp::tjänster, ROT_och_RUT_kategori::målning);
        auto k = std::make_unique<Affärskontakt>();
        k->nummer = "1042";
        k->ordningstal = 1042;
        k->namn = "Anna";
        bok->kontakter.push_back(std::move(k));
        kund = bok->kontakter.back().get();
        bok->kostnadsställen.push_back(std::make_unique<Kostnadsställe>(1, "P7", "Projekt 7"));
        projekt = bok->kostnadsställen.back().get();
        ref.sättKonton(bok->konton);
        ref.sättKostnadsställen(bok->kostnadsställen);
        ref.sättArtiklar(bok->artiklar);
        ref.sättKontakter(bok->kontakter);
    }

    // Every field set, the columns in no particular order.
    std::unique_ptr<EjSkickadFaktura> fullFaktura() {
        auto f = std::make_unique<EjSkickadFaktura>();
        f->NumreratObjekt::nummer = "1007";
        f->ordningstal = 1007;
        f->mottagare = kund;
        f->sättRabatt(D("0.05"));
        f->sättMeddelande("Tack för köpet");
        f->sättValuta("EUR");
        f->sättOmvändSkattskyldighetFörMoms(true);
        f->sättÖresutjämna(true);
        f->kostnadsställen = {projekt};
        f->sättSpråk("fi");
        f->sättVårReferens("Bo");
        auto& p1 = f->läggTillPost();
        p1.sättArtikel(bok->artiklar.front().get());
        p1.sättPris(D("123.45"));
        p1.sättAntal(D("2.5"));
        p1.benämning = "Målning";
        p1.sättKommentar("Vardagsrum");
        p1.relativRabatt = D("0.1");
        auto& p2 = f->läggTillPost();
        p2.absolutRabatt = D("10");
        f->visaLeveransadress = true;
        f->visaLeveransdatum = true;
        f->sättLeveranssätt("Bil");
        f->_leveransdatum = Datum(20240128);
        f->sättFakturadatum(Datum(20240131));
        f->sättBetalningsfrist(-3);
        f->sättInköpsordernummer("PO-9");
        f->sättSkatteavdrag(
            Skatteavdrag::rot("19800101-1234", "19810202-2345", D("0.5"), Rotuppgifter::hus("Ekan 1:2"), D("0.3")));
        f->sättInbyggdFakturamall(InbyggdFakturamall::Karvomat4);
        f->_namnPåEgenFakturamall = "Min mall";
        for (auto k : {Fakturakolumn::belopp, Fakturakolumn::radnummer, Fakturakolumn::beloppInklMoms,
                       Fakturakolumn::rabatt})
            f->tillåtKolumn(k);
        return f;
    }
};

TEST(EjSkickadFakturaPost, EveryFieldRoundTripsByteForByte) {
    Prov prov;
    auto original = prov.fullFaktura();
    Bytes bytes = sparat(*original);
    auto f = läst(bytes, prov.ref);
    EXPECT_EQ(sparat(*f), bytes);

    EXPECT_EQ(f->nummer(), "1007");
    EXPECT_EQ(f->ordningstal, 1007);
    EXPECT_EQ(f->mottagare, prov.kund);
    EXPECT_EQ(f->rabatt(), D("0.05"));
    EXPECT_EQ(f->valuta(), "EUR");
    EXPECT_TRUE(f->omvändSkattskyldighetFörMoms() && f->öresutjämna());
    EXPECT_EQ(f->kostnadsställen, std::vector<Kostnadsställe*>{prov.projekt});
    EXPECT_EQ(f->språk(), "fi");
    ASSERT_EQ(f->poster.size(), 2u);
    const auto& p = *f->poster[0];
    EXPECT_EQ(p.faktura, f.get());
    EXPECT_EQ(p.artikel(), prov.bok->artiklar.front().get());
    EXPECT_EQ(p.pris(), D("123.45")) << "price as stored, not the article's";
    EXPECT_EQ(p.relativRabatt, D("0.1"));
    EXPECT_EQ(f->poster[1]->antal(), ett);
    EXPECT_EQ(f->poster[1]->absolutRabatt, D("10"));
    EXPECT_EQ(f->leveransdatum(), Datum(20240128));
    EXPECT_EQ(f->fakturadatum(), Datum(20240131));
    EXPECT_EQ(f->betalningsfrist(), -3);
    EXPECT_EQ(f->skatteavdrag(), original->skatteavdrag());
    EXPECT_EQ(f->inbyggdFakturamall(), InbyggdFakturamall::Karvomat4);
    EXPECT_EQ(f->_namnPåEgenFakturamall, "Min mall");
    EXPECT_EQ(f->tillåtnaKolumner, original->tillåtnaKolumner);
    EXPECT_EQ(f->bokföring, nullptr) << "linked by the document reader";
}

// The layout written out field by field, as the document stores it.
TEST(EjSkickadFakturaPost, ReadsTheStoredLayout) {
    Utström u;
    u.writeString(std::nullopt);             // recipient
    u.writeDecimalNumber(std::nullopt);      // discount
    u.writeString("Hej");                    // message
    u.writeString("SEK");                    // currency
    u.writeByte(false);                      // reverse charge
    u.u8(7);                                 // rounding: only 1 is true
    u.writeInt64(0);                         // cost centres
    u.writeString("sv");                     // language
    u.writeString(std::nullopt);             // our reference
    u.writeInt64(1);                         // one item:
    u.writeDecimalNumber(D("19.90"));        //   price
    u.writeDecimalNumber(D("3"));            //   quantity
    u.writeString("st");                     //   unit
    u.writeString("Skruv");                  //   text
    u.writeString(std::nullopt);             //   comment
    u.writeDecimalNumber(std::nullopt);      //   relative discount
    u.writeDecimalNumber(std::nullopt);      //   absolute discount
    u.writeString("X-404");                  //   article that does not exist
    u.writeInt64(0);                         //   end
    u.writeByte(true);                       // show delivery address
    u.writeByte(false);                      // show delivery date
    u.writeString(std::nullopt);             // delivery method
    u.writeInt64(0);                         // delivery date: none
    u.writeInt64(20240131);                  // invoice date, bare
    u.writeInt64(30);                        // payment term
    u.writeString(std::nullopt);             // purchase order
    u.writeInt64(0);                         // tax deduction: none
    u.writeString("df");                     // built-in template: codes are case-sensitive
    u.writeString(std::nullopt);             // user template
    u.writeInt64(2);                         // columns
    u.writeInt64(4096);
    u.writeInt64(1);
    u.writeInt64(99);                        // end word, value ignored
    u.writeString("12");                     // numbered object: number, ordinal, end
    u.writeInt64(12);
    u.writeInt64(0);
    Bytes bytes = u.take();

    Prov prov;
    auto f = läst(bytes, prov.ref);
    EXPECT_EQ(f->meddelande(), "Hej");
    EXPECT_FALSE(f->öresutjämna());
    EXPECT_TRUE(f->visaLeveransadress);
    EXPECT_EQ(f->fakturadatum(), Datum(20240131));
    EXPECT_FALSE(f->leveransdatum());
    EXPECT_EQ(f->inbyggdFakturamall(), InbyggdFakturamall::Standard);
    EXPECT_EQ(f->tillåtnaKolumner, (std::vector<Fakturakolumn>{Fakturakolumn::beloppInklMoms, Fakturakolumn::radnummer}));
    EXPECT_EQ(f->nummer(), "12");
    ASSERT_EQ(f->poster.size(), 1u);
    EXPECT_EQ(f->poster[0]->artikel(), nullptr);
    EXPECT_EQ(f->poster[0]->pris(), D("19.90"));
    EXPECT_EQ(f->poster[0]->enhet(), "st");
    EXPECT_EQ(f->poster[0]->artikelnamn(), "Skruv");
}

TEST(EjSkickadFakturaPost, ReferencesThatResolveToNothingGiveDefaults) {
    Prov prov;
    auto f = prov.fullFaktura();
    f->sättInbyggdFakturamall(std::nullopt);
    Bytes bytes = sparat(*f);

    auto utanTabeller = läst(bytes, Referenser());
    EXPECT_EQ(utanTabeller->mottagare, nullptr);
    EXPECT_EQ(utanTabeller->poster[0]->artikel(), nullptr);
    EXPECT_EQ(utanTabeller->poster[0]->pris(), D("123.45"));
    EXPECT_TRUE(utanTabeller->kostnadsställen.empty());
    EXPECT_EQ(utanTabeller->inbyggdFakturamall(), InbyggdFakturamall::Standard) << "none reads back as Standard";

    Referenser tomma;
    tomma.sättKontakter(std::vector<std::unique_ptr<Affärskontakt>>{});
    EXPECT_EQ(läst(bytes, tomma)->mottagare, nullptr);

    // A user template name is resolved among the document's templates.
    std::vector<std::unique_ptr<Fakturamall>> mallar;
    mallar.push_back(std::make_unique<Fakturamall>());
    mallar.back()->namn = "Annan mall";
    auto g = läst(bytes, prov.ref);
    g->ställInFakturamallBlandMallar(mallar);
    EXPECT_EQ(g->egenFakturamall(), nullptr);
    mallar.push_back(std::make_unique<Fakturamall>());
    mallar.back()->namn = "Min mall";
    g->ställInFakturamallBlandMallar(mallar);
    EXPECT_EQ(g->egenFakturamall(), mallar.back().get());
    g->sättEgenFakturamall(nullptr);
    EXPECT_FALSE(g->_namnPåEgenFakturamall) << "clearing the template clears the stored name";
}

TEST(EjSkickadFakturaPost, BrokenRecordsAreRefused) {
    Prov prov;
    Bytes hel = sparat(*prov.fullFaktura());

    auto ersatt = [&](size_t pos, const Bytes& nytt) {
        Bytes b = hel;
        std::copy(nytt.begin(), nytt.end(), b.begin() + static_cast<ptrdiff_t>(pos));
        return b;
    };
    auto hitta = [&](const Bytes& mönster) {
        auto it = std::search(hel.begin(), hel.end(), mönster.begin(), mönster.end());
        EXPECT_NE(it, hel.end());
        return static_cast<size_t>(it - hel.begin());
    };
    // "EUR" with an invalid byte; the columns count and a column value.
    size_t valuta = hitta({'E', 'U', 'R'});
    EXPECT_THROW(läst(ersatt(valuta, {0xFF}), prov.ref), FormatError);
    Utström kolumner;
    for (int64_t v : {4, 2048, 1, 4096, 8}) kolumner.writeInt64(v);
    size_t antal = hitta(kolumner.take());
    Utström negativ;
    negativ.writeInt64(-1);
    EXPECT_THROW(läst(ersatt(antal, negativ.take()), prov.ref), FormatError);
    Utström summa;
    summa.writeInt64(3);
    EXPECT_THROW(läst(ersatt(antal + 8, summa.take()), prov.ref), FormatError);
    // The first item's price flag: an item must have a price.
    Utström pris;
    pris.writeDecimalNumber(D("123.45"));
    EXPECT_THROW(läst(ersatt(hitta(pris.take()), {0}), prov.ref), FormatError);

    // Cut anywhere: refused, never read past the end.
    for (size_t längd = 0; längd < hel.size(); ++längd) {
        Bytes kort(hel.begin(), hel.begin() + static_cast<ptrdiff_t>(längd));
        Inström in{std::span<const uint8_t>(kort)};
        EXPECT_THROW(EjSkickadFaktura(in, prov.ref), std::exception) << "length " << längd;
    }
}

TEST(EjSkickadFakturaPost, DocumentsWithUnsentInvoicesRoundTripByteForByte) {
    Prov prov;
    Bokföring& bok = *prov.bok;
    bok.förvaldArtikel = &prov.artikel("B-2", 1);
    bok.fakturamallar.push_back(std::make_unique<Fakturamall>());
    bok.fakturamallar.back()->namn = "Min mall";
    auto f = prov.fullFaktura();
    f->bokföring = &bok;
    bok.ejSkickadeFakturor.push_back(std::move(f));
    auto enkel = std::make_unique<EjSkickadFaktura>();
    enkel->NumreratObjekt::nummer = "1008";
    enkel->ordningstal = 1008;
    enkel->läggTillPost().sättPris(D("99.50"));
    bok.ejSkickadeFakturor.push_back(std::move(enkel));

    // A new ledger's first save differs from a read one's in fields that
    // have nothing to do with invoices; from then on the file is stable.
    Bytes fil = Bokföring::från(bok.dataMedMellansteg(76000))->dataMedMellansteg(76000);
    auto läst = Bokföring::från(fil);
    ASSERT_EQ(läst->ejSkickadeFakturor.size(), 2u);
    const EjSkickadFaktura& första = *läst->ejSkickadeFakturor[0];
    EXPECT_EQ(första.bokföring, läst.get());
    EXPECT_EQ(första.egenFakturamall(), läst->fakturamallar.front().get());
    EXPECT_EQ(första.mottagare, läst->kontakter.front().get());
    EXPECT_EQ(första.kostnadsställen, std::vector<Kostnadsställe*>{läst->kostnadsställen.front().get()});
    for (const auto& p : första.poster) EXPECT_EQ(p->faktura, &första);
    EXPECT_EQ(första.poster[0]->artikel(), läst->artiklar.front().get());
    // The item without article takes the default article's 12 % once linked.
    EXPECT_EQ(läst->ejSkickadeFakturor[1]->attBetala(), D("111.44"));
    EXPECT_EQ(läst->dataMedMellansteg(76000), fil);
}

}  // namespace

namespace {

// Every byte of a body with unsent invoices changed in turn: the reader
// gives a document or an error, and a document it gives saves stably.
TEST(EjSkickadFakturaPost, DamagedBodiesAreReadOrRefusedNeverMisread) {
    Prov prov;
    Bokföring& bok = *prov.bok;
    bok.förvaldArtikel = bok.artiklar.front().get();
    auto f = prov.fullFaktura();
    f->bokföring = &bok;
    bok.ejSkickadeFakturor.push_back(std::move(f));
    Utström ut;
    Bokföring::från(bok.dataMedMellansteg(76000))->spara(ut);
    const Bytes kropp = ut.take();

    // Only the unsent-invoice list and what follows it: the rest belongs
    // to other records with their own tests.
    Utström lista;
    skrivListaMedSparbaraObjekt(lista, bok.ejSkickadeFakturor);
    const Bytes listbytes = lista.take();
    auto start = std::search(kropp.begin(), kropp.end(), listbytes.begin(), listbytes.end());
    ASSERT_NE(start, kropp.end());
    size_t från = static_cast<size_t>(start - kropp.begin());
    size_t lästa = 0;
    for (size_t plats = från; plats < från + listbytes.size(); ++plats)
        for (uint8_t värde : {uint8_t{0}, uint8_t{1}, uint8_t{0x80}, uint8_t{0xFF}}) {
            Bytes b = kropp;
            if (b[plats] == värde) continue;
            b[plats] = värde;
            std::unique_ptr<Bokföring> läst;
            try {
                Inström in(b);
                läst = std::make_unique<Bokföring>(in);
            } catch (const std::exception&) {
                continue;
            }
            ++lästa;
            for (const auto& faktura : läst->ejSkickadeFakturor) {
                EXPECT_EQ(faktura->bokföring, läst.get());
                try {
                    (void)faktura->attBetala();
                } catch (const DecimalError&) {  // a damaged amount may not compute
                }
            }
            Utström igen;
            läst->spara(igen);
            Inström in2(igen.bytes());
            Utström tredje;
            Bokföring(in2).spara(tredje);
            ASSERT_EQ(tredje.bytes(), igen.bytes()) << "byte " << plats << " set to " << int(värde);
        }
    EXPECT_GT(lästa, 0u);
}

}  // namespace
