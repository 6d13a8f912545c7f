#include "Modell/Fakturor/EjSkickadFaktura.h"

#include "Modell/Affarskontakt.h"
#include "Modell/Artikel.h"
#include "Modell/Belopp.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Fakturor/Fakturarubriker.h"
#include "Modell/Fakturor/Momssammanfattning.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/LagratDatum.h"

#include <algorithm>

EjSkickadFaktura::EjSkickadFaktura() = default;
EjSkickadFaktura::~EjSkickadFaktura() = default;

EjSkickadFakturapost& EjSkickadFaktura::läggTillPost() {
    poster.push_back(std::make_unique<EjSkickadFakturapost>(this));
    return *poster.back();
}

void EjSkickadFaktura::ställInFakturakoppling() {
    for (auto& post : poster) post->faktura = this;
}

void EjSkickadFaktura::sättEgenFakturamall(Fakturamall* mall) {
    egenFakturamall_ = mall;
    _namnPåEgenFakturamall = mall ? std::optional<std::string>(mall->namn) : std::nullopt;
}

bool EjSkickadFaktura::tillåterKolumn(Fakturakolumn kolumn) const {
    return std::find(tillåtnaKolumner.begin(), tillåtnaKolumner.end(), kolumn) != tillåtnaKolumner.end();
}

void EjSkickadFaktura::tillåtKolumn(Fakturakolumn kolumn) {
    if (!tillåterKolumn(kolumn)) tillåtnaKolumner.push_back(kolumn);
}

// ---- Amounts ----

std::optional<Decimal> EjSkickadFaktura::rabattfaktor() const {
    if (!rabatt_) return std::nullopt;
    return ett.subtracting(*rabatt_, ejAvrundande);
}

Decimal EjSkickadFaktura::nettobelopp() const {
    Decimal summa = noll;
    for (const auto& post : poster) summa = summa.adding(post->beloppExklMoms());
    return summa;
}

Decimal EjSkickadFaktura::beloppExklMoms() const {
    Decimal netto = nettobelopp();
    if (auto f = rabattfaktor()) return netto.multiplying(*f, helaÖren);
    return netto;
}

Decimal EjSkickadFaktura::rabattbelopp() const {
    auto f = rabattfaktor();
    if (!f) return noll;
    Decimal netto = nettobelopp();
    return netto.subtracting(netto.multiplying(*f, helaÖren));
}

Decimal EjSkickadFaktura::momsbelopp() const {
    if (omvändSkattskyldighet_) return noll;
    Decimal summa = noll;
    for (const auto& post : poster) summa = summa.adding(post->momsbelopp());
    if (auto f = rabattfaktor()) return summa.multiplying(*f, helaÖren);
    return summa;
}

namespace {

bool kategoriGerAvdrag(const Skatteavdrag& avdrag, ROT_och_RUT_kategori kategori) {
    int64_t k = kod(kategori);
    if (avdrag.somRot()) return k >= kod(ROT_och_RUT_kategori::bygg) && k <= kod(ROT_och_RUT_kategori::vvs);
    if (avdrag.somRut())
        return k >= kod(ROT_och_RUT_kategori::personlig_omsorg) && k <= kod(ROT_och_RUT_kategori::reparation_vitvaror);
    return false;
}

}  // namespace

std::optional<Decimal> EjSkickadFaktura::avdragsbelopp() const {
    std::optional<Decimal> sats;
    if (const auto* rot = skatteavdrag_.somRot())
        sats = rot->avdragssats;
    else if (const auto* rut = skatteavdrag_.somRut())
        sats = rut->avdragssats;
    else
        return std::nullopt;
    if (!sats) return noll;

    const Artikel* förvald = förvaldArtikel();
    Decimal netto = noll, moms = noll;
    for (const auto& post : poster) {
        const Artikel* artikel = post->artikel() ? post->artikel() : förvald;
        if (!artikel || artikel->typ != Artikeltyp::tjänster) continue;
        if (!kategoriGerAvdrag(skatteavdrag_, artikel->rot_och_rut)) continue;
        netto = netto.adding(post->beloppExklMoms());
        moms = moms.adding(post->momsbelopp());
    }
    if (auto f = rabattfaktor()) {
        netto = netto.multiplying(*f, helaÖren);
        moms = moms.multiplying(*f, helaÖren);
    }
    return netto.adding(moms).multiplying(*sats, helaÖren).rounding(helaKronor);
}

Decimal EjSkickadFaktura::summaFöreÖresutjämning() const {
    return momsbelopp().adding(beloppExklMoms()).subtracting(avdragsbelopp().value_or(noll));
}

Decimal EjSkickadFaktura::öresutjämningsbelopp() const {
    if (!öresutjämna_) return noll;
    Decimal t = summaFöreÖresutjämning();
    return t.rounding(helaKronor).subtracting(t);
}

Decimal EjSkickadFaktura::attBetala() const {
    return momsbelopp()
        .adding(beloppExklMoms())
        .adding(öresutjämningsbelopp())
        .subtracting(avdragsbelopp().value_or(noll));
}

// ---- Columns ----

std::vector<Fakturakolumn> EjSkickadFaktura::kolumner() const {
    using K = Fakturakolumn;
    std::vector<K> visade{K::radnummer, K::artikelnamn, K::momssats, K::belopp};
    auto visa = [&](K k) {
        if (std::find(visade.begin(), visade.end(), k) == visade.end()) visade.push_back(k);
    };
    for (const auto& post : poster) {
        if (post->artikel()) visa(K::artikelnummer);
        if (post->kommentar()) visa(K::kommentar);
        if (post->relativRabatt || post->absolutRabatt) visa(K::rabatt);
        if (post->enhet()) visa(K::enhet);
        if (!post->antal().isZero()) visa(K::antal);
        if (!post->pris().isZero()) {
            visa(K::pris);
            if (!omvändSkattskyldighet_) visa(K::prisInklMoms);
        }
        if (!omvändSkattskyldighet_) {
            visa(K::momsbelopp);
            visa(K::beloppInklMoms);
        }
    }
    std::vector<K> resultat;
    for (K k : allaFakturakolumner())
        if (std::find(visade.begin(), visade.end(), k) != visade.end() && tillåterKolumn(k)) resultat.push_back(k);
    return resultat;
}

// ---- Recipient and texts ----

std::optional<std::string> EjSkickadFaktura::erReferens() const {
    return mottagare ? mottagare->namn : std::nullopt;
}

std::optional<std::string> EjSkickadFaktura::företag() const {
    if (!mottagare) return std::nullopt;
    return mottagare->företag ? mottagare->företag : mottagare->namn;
}

std::optional<std::string> EjSkickadFaktura::momsregistreringsnummer() const {
    return mottagare ? mottagare->momsregistreringsnummer : std::nullopt;
}

std::optional<std::string> EjSkickadFaktura::kundnummer() const {
    return mottagare ? std::optional<std::string>(mottagare->nummer) : std::nullopt;
}

std::optional<Adress> EjSkickadFaktura::mottagaradress() const {
    return mottagare ? std::optional<Adress>(mottagare->adress) : std::nullopt;
}

std::optional<Adress> EjSkickadFaktura::leveransadress() const {
    if (!mottagare || !visaLeveransadress) return std::nullopt;
    return mottagare->leveransadress;
}

namespace {
const std::string radavgränsare = "\u2028";
}

std::optional<std::string> EjSkickadFaktura::fakturaadressGivetAvsändarland(const std::string& avsändarland) const {
    if (!mottagare || !mottagare->företag) return std::nullopt;
    return *mottagare->företag + radavgränsare + mottagare->adress.formatteradFörAvsändarland(avsändarland, true);
}

std::optional<std::string> EjSkickadFaktura::adressAttLevereraTillGivetAvsändarland(
    const std::string& avsändarland) const {
    if (!mottagare || !mottagare->företag || !visaLeveransadress || !mottagare->leveransadress) return std::nullopt;
    return *mottagare->företag + radavgränsare +
           mottagare->leveransadress->formatteradFörAvsändarland(avsändarland, true);
}

Datum EjSkickadFaktura::förfallodatum() const { return fakturadatum_ + betalningsfrist_; }

std::optional<Datum> EjSkickadFaktura::leveransdatum() const {
    return visaLeveransdatum ? _leveransdatum : std::nullopt;
}

std::vector<const Fakturapostliknande*> EjSkickadFaktura::fakturaposter() const {
    std::vector<const Fakturapostliknande*> ut;
    ut.reserve(poster.size());
    for (const auto& post : poster) ut.push_back(post.get());
    return ut;
}

std::string EjSkickadFaktura::momssammanfattning() const { return momssammanfattningFörFaktura(*this, false); }

std::optional<std::string> EjSkickadFaktura::rubriktextIFakturamall(const Fakturamall* mall, bool följesedel) const {
    return rubriktextFörMall(mall, språk_, Fakturastatus::skickad, följesedel, attBetala() < noll);
}

// ---- Record ----

EjSkickadFaktura::EjSkickadFaktura(Inström& ström, const Referenser& ref) {
    if (auto nummer = ström.optionalString()) mottagare = ref.kontaktMedNummer(*nummer);
    rabatt_ = ström.optionalDecimalNumber();
    meddelande_ = ström.optionalString();
    valuta_ = ström.string();
    omvändSkattskyldighet_ = ström.boolByte();
    öresutjämna_ = ström.boolByte();
    kostnadsställen = Kostnadsställe::läsInReferenserTillKostnadsställen(ref, ström);
    språk_ = ström.string();
    vårReferens_ = ström.optionalString();
    läsInLista(ström, poster, ref);
    ställInFakturakoppling();
    visaLeveransadress = ström.boolByte();
    visaLeveransdatum = ström.boolByte();
    leveranssätt_ = ström.optionalString();
    _leveransdatum = optionalDatum(ström);
    fakturadatum_ = Datum(ström.int64());
    betalningsfrist_ = ström.int64();
    inköpsordernummer_ = ström.optionalString();
    skatteavdrag_ = Skatteavdrag::ladda(ström);
    inbyggdFakturamall_ = InbyggdFakturamall::Standard;
    if (auto kodtext = ström.optionalString())
        inbyggdFakturamall_ = frånKod<InbyggdFakturamall>(*kodtext).value_or(InbyggdFakturamall::Standard);
    _namnPåEgenFakturamall = ström.optionalString();
    int64_t antalKolumner = ström.int64();
    if (antalKolumner < 0) throw FormatError("an unsent invoice has a negative column count");
    if (static_cast<uint64_t>(antalKolumner) > ström.remaining() / 8)
        throw FormatError("an unsent invoice's column count runs past the end of the data");
    for (int64_t i = 0; i < antalKolumner; ++i) {
        int64_t värde = ström.int64();
        auto kolumn = frånKod<Fakturakolumn>(värde);
        if (!kolumn) throw FormatError("an unsent invoice names the unknown column " + std::to_string(värde));
        tillåtKolumn(*kolumn);
    }
    ström.int64();  // closing word
    static_cast<NumreratObjekt&>(*this) = NumreratObjekt(ström, ref);
}

void EjSkickadFaktura::spara(Utström& ström) const {
    ström.writeString(mottagare ? std::optional<std::string>(mottagare->nummer) : std::nullopt);
    ström.writeDecimalNumber(rabatt_);
    ström.writeString(meddelande_);
    ström.writeString(valuta_);
    ström.writeByte(omvändSkattskyldighet_);
    ström.writeByte(öresutjämna_);
    Kostnadsställe::sparaReferenserTillKostnadsställen(kostnadsställen, ström);
    ström.writeString(språk_);
    ström.writeString(vårReferens_);
    skrivListaMedSparbaraObjekt(ström, poster);
    ström.writeByte(visaLeveransadress);
    ström.writeByte(visaLeveransdatum);
    ström.writeString(leveranssätt_);
    writeDatum(ström, _leveransdatum);
    ström.writeInt64(fakturadatum_.d);
    ström.writeInt64(betalningsfrist_);
    ström.writeString(inköpsordernummer_);
    skatteavdrag_.spara(ström);
    ström.writeString(inbyggdFakturamall_ ? std::optional<std::string>(std::string(kod(*inbyggdFakturamall_)))
                                          : std::nullopt);
    // A name that matched no template of the document is kept, so saving
    // does not drop what the user chose.
    ström.writeString(egenFakturamall_ ? std::optional<std::string>(egenFakturamall_->namn) : _namnPåEgenFakturamall);
    ström.writeInt64(static_cast<int64_t>(tillåtnaKolumner.size()));
    for (Fakturakolumn k : tillåtnaKolumner) ström.writeInt64(kod(k));
    ström.writeInt64(0);
    NumreratObjekt::spara(ström);
}
