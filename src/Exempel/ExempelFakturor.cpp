#include "Exempel/ExempelFakturor.h"

#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/Belopp.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"
#include "Modell/Fakturor/EjSkickadFakturapost.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Konto.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

Decimal öre(int64_t v) { return Decimal::make(static_cast<unsigned __int128>(v < 0 ? -v : v), -2, v < 0); }

Artikel& nyArtikel(Bokföring& bok, const char* nummer, const char* namn, Artikeltyp typ, ROT_och_RUT_kategori kategori,
                   int64_t konto, int64_t prisIÖre, const char* enhet) {
    auto a = std::make_unique<Artikel>();
    a->nummer = nummer;
    a->ordningstal = NumreratObjekt::ordningstalFrånNummer(nummer);
    a->namn = namn;
    a->typ = typ;
    a->rot_och_rut = kategori;
    a->försäljningskonto = bok.hittaKonto(konto);
    a->pris = öre(prisIÖre);
    a->enhet = std::string(enhet);
    bok.artiklar.push_back(std::move(a));
    return *bok.artiklar.back();
}

struct Variant {
    const char* valuta;
    const char* kurs;  // none for SEK
    const char* språk;
    const char* mall;  // a built-in code, or "" for the user template
};

constexpr std::array<Variant, 6> varianter = {{{"SEK", nullptr, "sv", "Df"},
                                               {"EUR", "11.4523", "fi", "FiGiro1"},
                                               {"SEK", nullptr, "sv", ""},
                                               {"NOK", "0.9871", "no", "NoGiro2"},
                                               {"EUR", "11.3107", "en", "M"},
                                               {"SEK", nullptr, "de", "Karvomat4"}}};

// A comment of a few lines, a little different for every item.
std::string långKommentar(int64_t post) {
    static constexpr std::array<const char*, 3> arbeten = {
        "demontering av gammal panel, ny isolering och nya reglar",
        "slipning och tre strykningar med linoljefärg på fasaden",
        "byte av fönsterbleck och tätning runt alla fönster"};
    return "Rad " + std::to_string(post + 1) + ": " + arbeten[size_t(post) % arbeten.size()] +
           ", enligt offert och överenskommelse på plats.";
}

}  // namespace

void läggTillSkickadeFakturor(Bokföring& bok, int64_t antal, const Senastefakturaval& senaste) {
    std::vector<Affärskontakt*> kunder;
    for (auto& k : bok.kontakter)
        if (k->kund()) kunder.push_back(k.get());
    if (kunder.empty() || antal <= 0) return;

    Artikel& tjänst = nyArtikel(bok, "100", "Konsulttimme", Artikeltyp::tjänster, ROT_och_RUT_kategori::bygg, 3001,
                                95000, "tim");
    Artikel& vara = nyArtikel(bok, "200", "Handbok", Artikeltyp::varor, ROT_och_RUT_kategori::ej_rot_och_rut, 3002,
                              24900, "st");
    bok.förvaldArtikel = &tjänst;
    bok.kontoFörROT = bok.hittaKonto(1513);

    const Fakturamall* egen = bok.fakturamallar.empty() ? nullptr : bok.fakturamallar.front().get();
    std::vector<const Fakturaliknande*> skickade;
    std::vector<const NumreratObjekt*> numrerade;
    for (int64_t i = 0; i < antal; ++i) {
        const Variant& v = varianter[size_t(i) % varianter.size()];
        const bool sista = i == antal - 1;
        EjSkickadFaktura d(bok, skickade, numrerade);
        d.NumreratObjekt::nummer = std::to_string(1001 + i);
        d.ordningstal = 1001 + i;
        d.mottagare = kunder[size_t(i) % kunder.size()];
        if (sista && senaste.land)
            for (Affärskontakt* k : kunder)
                if (k->adress.land == *senaste.land) {
                    d.mottagare = k;
                    break;
                }
        d.sättFakturadatum(Datum(20250115) + i * 23);
        d.sättValuta(v.valuta);
        d.sättSpråk(sista && senaste.språk ? *senaste.språk : v.språk);
        d.sättVårReferens(std::string("Anna Andersson"));
        d.sättÖresutjämna(i % 2 == 0);
        const char* mall = sista ? senaste.mall.c_str() : v.mall;
        if (*mall) {
            auto inbyggd = frånKod<InbyggdFakturamall>(std::string_view(mall));
            if (!inbyggd) throw std::invalid_argument(std::string("no built-in invoice template is called ") + mall);
            d.sättInbyggdFakturamall(*inbyggd);
            d.sättEgenFakturamall(nullptr);
        } else {
            d.sättInbyggdFakturamall(InbyggdFakturamall::Standard);
            d.sättEgenFakturamall(const_cast<Fakturamall*>(egen));
        }
        if (i % 4 == 1) d.sättRabatt(öre(10));
        if (i % 3 == 0) d.sättMeddelande("Tack för ert förtroende!");
        // A service, a book and a travel cost, in turn.
        const int64_t antalPoster = sista && senaste.antalPoster ? *senaste.antalPoster : 3;
        for (int64_t n = 0; n < antalPoster; ++n) {
            auto& p = d.läggTillPost();
            switch (n % 3) {
                case 0:
                    p.sättArtikel(&tjänst);
                    p.sättAntal(Decimal::fromInt(1 + (i + n) % 7));
                    break;
                case 1:
                    p.sättArtikel(&vara);
                    p.sättAntal(Decimal::fromInt(1 + (i + n - 1) % 3));
                    if (i % 5 == 2) p.sättRabattbeskrivning("10%");
                    break;
                default:
                    p.benämning = "Resekostnad";
                    p.sättPris(öre(12550 + 100 * i + n - 2));
                    p.sättAntal(ett);
                    break;
            }
            if (sista && senaste.långaKommentarer) p.sättKommentar(långKommentar(n));
        }
        if (std::string(v.valuta) == "SEK" && i % 6 == 2)
            d.sättSkatteavdrag(Skatteavdrag::rot("19700101-1234", std::nullopt, öre(100),
                                                 Rotuppgifter::hus("Exempel 1:23"), Skatteavdrag::standardFörROT()));

        std::optional<Decimal> kurs;
        if (v.kurs) kurs = *Decimal::parseWhole(v.kurs);
        auto f = std::make_unique<Faktura>(d, kurs);
        // A fixed identity instead of a random one: same ledger, same bytes.
        std::string löpnummer = std::to_string(1001 + i);
        f->uuid = "5E7D1A00-0000-4000-8000-" + std::string(löpnummer.size() < 12 ? 12 - löpnummer.size() : 0, '0') +
                  löpnummer;
        // The payment states, in turn.
        switch (i % 8) {
            case 1: f->betalningsdatum = f->förfallodatum_ + 3; f->hittillsBetaltBelopp = f->lokaltBeloppAttBetala; break;
            case 2: f->påminnelserSkickade = {f->förfallodatum_ + 10}; break;
            case 3: f->påminnelserSkickade = {f->förfallodatum_ + 10, f->förfallodatum_ + 30}; break;
            case 4: f->hittillsBetaltBelopp = öre(10000); f->kontoFörSenastBetaltBelopp = bok.hittaKonto(1930); break;
            case 5: f->återköpsdatum = f->fakturadatum_ + 5; break;
            case 6: f->kundförlustsdatum = f->förfallodatum_ + 90; break;
            case 7: f->peppolStatus = PEPPOLStatus::mottagen(); break;
            default: break;
        }
        skickade.push_back(f.get());
        numrerade.push_back(f.get());
        bok.skickadeFakturor.push_back(std::move(f));
    }
}
