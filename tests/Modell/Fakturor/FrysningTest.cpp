// Freezing an unsent invoice, and what a sent invoice then shows.
#include "Modell/Belopp.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Fakturor/FinsktReferensnummer.h"
#include "Plattform/Klocka.h"
#include "Fakturabok.h"

#include <gtest/gtest.h>

using namespace fakturabok;

TEST(Frysning, CopiesTheInvoiceAndTheRecipientAsTheyAreNow) {
    auto b = bokföring();
    b->sättKreditvillkor("sv", "30 dagar netto");
    auto d = ejSkickad(*b);
    auto& p = post(*b, *d, "T", "100", "1");
    p.benämning = "Egen text";
    post(*b, *d, "", "10", "1");
    d->_leveransdatum = Datum(20240510);
    d->visaLeveransdatum = false;
    b->kontakter.front()->leveransadress = Adress();
    d->visaLeveransadress = false;
    d->sättBetalningsfrist(10);
    artikel(*b, "T")->försäljningskonto = nullptr;
    Faktura f(*d, tal("10"));

    EXPECT_EQ(f.växelkurs, ett);  // SEK: the rate given is not used
    EXPECT_FALSE(f.annanValuta);
    EXPECT_EQ(f.lokaltBeloppAttBetala, f._attBetala);
    EXPECT_FALSE(f.leveransdatum_);
    EXPECT_FALSE(f.leveransadress_);
    EXPECT_EQ(f.förfallodatum_, Datum(20240512));
    EXPECT_EQ(f.kreditvillkor_, "30 dagar netto");
    EXPECT_EQ(f._företag, "Acme AB");
    EXPECT_EQ(f.erReferens_, "Eva Ek");
    EXPECT_EQ(f.organisationsnummer, "556677-8899");
    EXPECT_EQ(f.uuid.size(), 36u);
    EXPECT_EQ(f.uuid, [&] { std::string u = f.uuid; for (auto& c : u) c = static_cast<char>(std::toupper(c)); return u; }());
    EXPECT_EQ(f.ordningstal, NumreratObjekt::ordningstalFrånNummer(f.nummer()));
    // The article's name wins over the item's own text; an article
    // without a sales account takes the default article's (none here).
    EXPECT_EQ(f.poster[0]->artikelnamn(), "Snickeri");
    EXPECT_EQ(f.poster[0]->artikelnummer(), "T");
    EXPECT_EQ(f.poster[0]->försäljningskonto, nullptr);
    EXPECT_FALSE(f.poster[1]->artikelnummer());
    EXPECT_EQ(f.poster[1]->typ, Artikeltyp::tjänster);

    // A recipient without company or name shows as the empty text.
    b->kontakter[1]->namn = std::nullopt;
    d->mottagare = b->kontakter[1].get();
    EXPECT_EQ(Faktura(*d, std::nullopt)._företag, "");
}

// Sending for good gives the invoice that copying gives, item for item, and
// leaves the unsent invoice without items.
TEST(Frysning, LettingTheItemsGoGivesTheSameInvoice) {
    auto b = bokföring();
    auto d = ejSkickad(*b);
    post(*b, *d, "T", "100", "3");
    post(*b, *d, "V", "99.75", "2").sättRabattbeskrivning("10%");
    post(*b, *d, "", "10.05", "1");
    d->sättRabatt(tal("0.05"));
    Faktura kopia(*d, std::nullopt);
    Faktura frusen(std::move(*d), std::nullopt);
    EXPECT_TRUE(d->poster.empty());
    EXPECT_EQ(frusen._nettobelopp, kopia._nettobelopp);
    EXPECT_EQ(frusen._momsbelopp, kopia._momsbelopp);
    EXPECT_EQ(frusen._attBetala, kopia._attBetala);
    EXPECT_EQ(frusen._öresutjämningsbelopp, kopia._öresutjämningsbelopp);
    ASSERT_EQ(frusen.poster.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(frusen.poster[i]->belopp(), kopia.poster[i]->belopp()) << i;
        EXPECT_EQ(frusen.poster[i]->artikelnamn(), kopia.poster[i]->artikelnamn()) << i;
        EXPECT_EQ(frusen.poster[i]->rabattbeskrivning(), kopia.poster[i]->rabattbeskrivning()) << i;
    }

    // An item of no type is refused before anything is let go.
    b->förvaldArtikel = nullptr;
    auto e = ejSkickad(*b);
    post(*b, *e, "V", "1", "1");
    post(*b, *e, "", "1", "1");
    EXPECT_THROW(Faktura(std::move(*e), std::nullopt), Frysningsfel);
    EXPECT_EQ(e->poster.size(), 2u);
}

TEST(Frysning, ForeignCurrencyAndItsPreconditions) {
    auto b = bokföring();
    auto d = ejSkickad(*b);
    post(*b, *d, "V", "100", "1");
    d->sättValuta("EUR");
    d->sättÖresutjämna(false);
    d->sättOmvändSkattskyldighetFörMoms(true);  // 100.00 to pay
    Faktura f(*d, tal("11.45678"));
    EXPECT_TRUE(f.annanValuta);
    EXPECT_EQ(f._attBetala, tal("100"));
    EXPECT_EQ(f.lokaltBeloppAttBetala, tal("1145.67"));

    auto fel = [&](std::function<void()> steg) {
        try {
            steg();
        } catch (const Frysningsfel& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(fel([&] { Faktura(*d, std::nullopt); }), "Valutakurs saknas trots att fakturan är i EUR och vi bokför i SEK");
    d->sättSkatteavdrag(Skatteavdrag::rut("19700101-1234", std::nullopt, noll, Skatteavdrag::standardFörRUT()));
    EXPECT_EQ(fel([&] { Faktura(*d, tal("11")); }), "Skatteavdrag med ROT / RUT, men valutan är inte bokföringsvalutan.");
    d->sättValuta("SEK");
    d->mottagare = nullptr;
    EXPECT_EQ(fel([&] { Faktura(*d, std::nullopt); }), "Ingen mottagare!");
    b->förvaldArtikel = nullptr;
    post(*b, *d, "", "1", "1");
    EXPECT_EQ(fel([&] { Faktura(*d, std::nullopt); }),
              "Ingen typ till fakturapost. Detta måste kontrolleras innan skickande.");
}

TEST(Faktura, StatusTotalsAndTexts) {
    klocka::sättIdag([] { return klocka::Dag{2024, 6, 1}; });
    auto b = bokföring();
    auto d = ejSkickad(*b);
    post(*b, *d, "T", "80", "1");
    d->sättRabatt(tal("0.1"));
    Faktura f(*d, std::nullopt);
    f.förfallodatum_ = Datum(20240601);
    EXPECT_EQ(f.status(), Fakturastatus::skickad);  // due today is not overdue
    f.förfallodatum_ = Datum(20240531);
    EXPECT_EQ(f.status(), Fakturastatus::förfallen);
    f.påminnelserSkickade = {Datum(20240520)};
    EXPECT_EQ(f.status(), Fakturastatus::påmind);
    f.hittillsBetaltBelopp = tal("1");
    EXPECT_EQ(f.status(), Fakturastatus::delbetald);
    f.betalningsdatum = Datum(20240525);
    f.återköpsdatum = Datum(20240526);
    EXPECT_EQ(f.status(), Fakturastatus::återköpt);
    f.återköpsdatum.reset();
    EXPECT_EQ(f.status(), Fakturastatus::betald);

    // 80 × 1.25 = 100 less 10 % → 72.00 + 18.00 = 90.00.
    EXPECT_EQ(f.attBetala(), tal("90"));
    EXPECT_EQ(f.rabattbelopp(), tal("8"));
    EXPECT_FALSE(f.avdragsbelopp());
    EXPECT_EQ(*f.rubriktextIFakturamall(nullptr, false), "FAKTURA");
    f.kundförlustsdatum = Datum(20240601);
    EXPECT_EQ(f.attBetala(), tal("-90"));
    EXPECT_EQ(f.nettobelopp(), tal("-80"));
    EXPECT_EQ(f.rabatt(), tal("0.1"));
    EXPECT_EQ(f.lokaltBeloppAttBetala, tal("90"));
    EXPECT_FALSE(f.avdragsbelopp());
    EXPECT_NE(*f.rubriktextIFakturamall(nullptr, false), "FAKTURA");
    klocka::sättIdag({});

    const Fakturaliknande& l = f;
    EXPECT_EQ(l.kundnummer(), b->kontakter.front()->nummer);
    EXPECT_EQ(l.företag(), "Acme AB");
    EXPECT_FALSE(l.adressAttLevereraTillGivetAvsändarland("se"));
    EXPECT_EQ(*l.fakturaadressGivetAvsändarland("se"), "Acme AB\u2028" + f._mottagaradress.formatteradFörAvsändarland("se", true));
    EXPECT_EQ(l.fakturaposter().size(), 1u);
    EXPECT_EQ(l.finsktReferensnummer(), finsktReferensnummerBaseratPåNummer(f.nummer()));
}

TEST(Faktura, LatestIsTheGreatestOrdinalFirstOnTies) {
    std::vector<std::unique_ptr<Faktura>> lista;
    EXPECT_EQ(senasteSkickadeFaktura(lista), nullptr);
    for (int64_t o : {5, 9, 2, 9}) {
        lista.push_back(std::make_unique<Faktura>());
        lista.back()->ordningstal = o;
    }
    EXPECT_EQ(senasteSkickadeFaktura(lista), lista[1].get());
}
