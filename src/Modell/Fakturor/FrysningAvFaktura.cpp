// Sending an invoice: the unsent invoice and its items are copied into a
// sent invoice whose amounts never change again.
#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/Belopp.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/EjSkickadFaktura.h"
#include "Modell/Fakturor/EjSkickadFakturapost.h"
#include "Modell/Fakturor/Faktura.h"

namespace {
// The booking currency: a sent invoice in any other currency carries an
// exchange rate.
constexpr const char* bokföringsvaluta = "SEK";
constexpr const char* ingenTyp = "Ingen typ till fakturapost. Detta måste kontrolleras innan skickande.";
}  // namespace

Fakturapost::Fakturapost(const EjSkickadFakturapost& p) {
    const Artikel* artikel = p.artikel();
    const Artikel* förvald = p.faktura ? p.faktura->förvaldArtikel() : nullptr;
    if (artikel) artikelnummer_ = artikel->nummer;
    artikelnamn_ = artikel ? std::optional<std::string>(artikel->namn) : p.benämning;
    const Artikel* typartikel = artikel ? artikel : förvald;
    if (!typartikel) throw Frysningsfel(ingenTyp);
    typ = typartikel->typ;
    rotOchRut = typartikel->rot_och_rut;
    pris_ = p.pris();
    antal_ = p.antal();
    momssats_ = p.momssats();
    kommentar_ = p.kommentar();
    enhet_ = p.enhet();
    if (artikel && artikel->försäljningskonto)
        försäljningskonto = artikel->försäljningskonto;
    else if (förvald)
        försäljningskonto = förvald->försäljningskonto;
    rabattbeskrivning_ = p.rabattbeskrivning();
    beloppExklMomsInnanRabatt = pris_.multiplying(antal_, helaÖren);
    belopp_ = p.belopp();
    momsbelopp_ = p.momsbelopp();
    rabattbeloppExklMoms = p.rabattbeloppExklMoms();
    beloppExklMoms_ = pris_.multiplying(antal_, helaÖren).adding(rabattbeloppExklMoms, ejAvrundande);
    relativRabatt = p.relativRabatt;
    absolutRabatt = p.absolutRabatt;
}

Faktura::Faktura(const EjSkickadFaktura& d, std::optional<Decimal> växelkursen) : Faktura(d, växelkursen, nullptr) {}

Faktura::Faktura(EjSkickadFaktura&& d, std::optional<Decimal> växelkursen) : Faktura(d, växelkursen, &d) {}

Faktura::Faktura(const EjSkickadFaktura& d, std::optional<Decimal> växelkursen, EjSkickadFaktura* släpp) {
    const Bokföring* bokföring = d.bokföring;

    fakturadatum_ = d.fakturadatum();
    betalningsfrist_ = d.betalningsfrist();
    förfallodatum_ = fakturadatum_ + betalningsfrist_;

    valuta_ = d.valuta();
    inköpsordernummer_ = d.inköpsordernummer();
    rabatt_ = d.rabatt();
    omvändSkattskyldighetFörMoms_ = d.omvändSkattskyldighetFörMoms();
    meddelande_ = d.meddelande();
    leveranssätt_ = d.leveranssätt();
    vårReferens_ = d.vårReferens();
    öresutjämna_ = d.öresutjämna();
    kostnadsställen = d.kostnadsställen;
    språk_ = d.språk();
    skatteavdrag_ = d.skatteavdrag();
    egenFakturamall_ = d.egenFakturamall();
    inbyggdFakturamall_ = d.inbyggdFakturamall();

    if (d.visaLeveransdatum) leveransdatum_ = d._leveransdatum;
    if (d.mottagare) erReferens_ = d.mottagare->namn;
    kolumner_ = d.kolumner();
    if (bokföring)
        if (const std::string* villkor = bokföring->kreditvillkorFör(språk_)) kreditvillkor_ = *villkor;

    if (!släpp) {
        for (const auto& post : d.poster) poster.push_back(std::make_unique<Fakturapost>(*post));
    } else {
        // The items are copied after the totals, which read them; an item
        // without a type is still refused before anything is computed.
        for (const auto& post : d.poster)
            if (!post->artikel() && !d.förvaldArtikel()) throw Frysningsfel(ingenTyp);
    }

    annanValuta = valuta_ != bokföringsvaluta;
    if (annanValuta) {
        if (!växelkursen)
            throw Frysningsfel("Valutakurs saknas trots att fakturan är i " + valuta_ + " och vi bokför i " +
                               bokföringsvaluta);
        växelkurs = *växelkursen;
    } else {
        växelkurs = ett;
    }
    if (bokföring) metod = bokföring->metod;

    _nettobelopp = d.nettobelopp();
    _beloppExklMoms = rabatt_ ? _nettobelopp.multiplying(ett.subtracting(*rabatt_, ejAvrundande), helaÖren)
                              : _nettobelopp;
    _momsbelopp = d.momsbelopp();
    _attBetala = d.attBetala();
    lokaltBeloppAttBetala = _attBetala.multiplying(växelkurs, helaÖren);
    _öresutjämningsbelopp = d.öresutjämningsbelopp();
    _avdragsbelopp = d.avdragsbelopp();

    if (släpp) {
        poster.reserve(släpp->poster.size());
        for (auto& post : släpp->poster) {
            poster.push_back(std::make_unique<Fakturapost>(*post));
            post.reset();
        }
        släpp->poster.clear();
        släpp->poster.shrink_to_fit();
    }

    hittillsBetaltBelopp = noll;
    ingårInteIKundfordringar = false;

    // The deduction is claimed in kronor; it has no meaning in another
    // currency.
    if (!skatteavdrag_.ärInget() && annanValuta)
        throw Frysningsfel("Skatteavdrag med ROT / RUT, men valutan är inte bokföringsvalutan.");

    const Affärskontakt* kontakt = d.mottagare;
    if (!kontakt) throw Frysningsfel("Ingen mottagare!");
    if (d.visaLeveransadress) leveransadress_ = kontakt->leveransadress;
    _företag = kontakt->företag ? *kontakt->företag : kontakt->namn.value_or("");
    mottagare = d.mottagare;
    _mottagaradress = kontakt->adress;
    momsregistreringsnummer_ = kontakt->momsregistreringsnummer;
    organisationsnummer = kontakt->organisationsnummer;

    uuid = Bokföringsbas::nyUUID();
    NumreratObjekt::nummer = d.nummer();
    ordningstal = NumreratObjekt::ordningstalFrånNummer(NumreratObjekt::nummer);
}
