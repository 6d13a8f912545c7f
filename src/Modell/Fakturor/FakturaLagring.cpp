// The record of a sent invoice in the document body, and how older
// records are brought up to date on reading.
#include "Modell/Affarskontakt.h"
#include "Modell/Belopp.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Modell/Konto.h"
#include "Modell/Kostnadsstalle.h"
#include "Modell/LagradKod.h"
#include "Modell/LagratDatum.h"
#include "Modell/SkadatDokument.h"

namespace {
// Exact arithmetic that gives NaN rather than throwing: a damaged amount
// must not turn reading into a crash.
constexpr DecimalBehavior exakt{RoundingMode::plain, std::nullopt, false, false, false};

// The record's own version: 3 for the current layout; older ones lack the
// fields after `språk`.
constexpr int64_t aktuellFörstaMarkör = 3;
constexpr int64_t aktuellAndraMarkör = 1;

// Counts of the record's own lists: negative is damage, not "empty".
int64_t antalIRecord(Inström& ström, size_t minstaStorlek, const char* vad) {
    int64_t antal = ström.int64();
    if (antal < 0) throw SkadatDokument(std::string("Negativt antal ") + vad + " i skickad faktura");
    if (static_cast<uint64_t>(antal) > ström.remaining() / minstaStorlek)
        throw FormatError(std::string("count of ") + vad + " is larger than the data left");
    return antal;
}

Decimal krävDecimal(Inström& ström, const char* vad) {
    auto d = ström.optionalDecimalNumber();
    if (!d) throw FormatError(std::string("sent invoice without ") + vad);
    return *d;
}

PEPPOLStatus peppolFrånKod(int64_t kod) {
    // An upload in progress when the document was saved did not finish.
    switch (kod) {
        case 2:
        case 3:
        case 4:
        case 6:
            return *frånKod<PEPPOLStatus>(kod);
        default:
            return PEPPOLStatus::ej();
    }
}
}  // namespace

Faktura::Faktura(Inström& ström, const Referenser& ref) {
    std::string mottagarnummer = ström.string();
    mottagare = ref.kontaktMedNummer(mottagarnummer);
    if (!mottagare) throw SkadatDokument("Inga kontakter, men fakturan är skickad!");

    int64_t antalPoster = ström.listCount();
    for (int64_t i = 0; i < antalPoster; ++i) poster.push_back(std::make_unique<Fakturapost>(ström, ref));
    rabatt_ = ström.optionalDecimalNumber();
    meddelande_ = ström.optionalString();
    kreditvillkor_ = ström.optionalString();
    _företag = ström.string();
    _mottagaradress = Adress(ström, ref);
    if (ström.u8() == 1) leveransadress_ = Adress(ström, ref);
    leveransdatum_ = optionalDatum(ström);
    leveranssätt_ = ström.optionalString();
    inköpsordernummer_ = ström.optionalString();
    valuta_ = ström.string();
    öresutjämna_ = ström.boolByte();
    vårReferens_ = ström.optionalString();
    erReferens_ = ström.optionalString();
    omvändSkattskyldighetFörMoms_ = ström.boolByte();
    ström.u8();  // reserved
    ingårInteIKundfordringar = ström.boolByte();
    annanValuta = ström.boolByte();
    växelkurs = krävDecimal(ström, "exchange rate");
    metod = läsKod<Bokföringsmetod>(ström, "Okänd bokföringsmetod", " i skickad faktura");
    skatteavdrag_ = Skatteavdrag::ladda(ström);
    momsregistreringsnummer_ = ström.optionalString();
    fakturadatum_ = Datum(ström.int64());
    betalningsfrist_ = ström.int64();
    förfallodatum_ = Datum(ström.int64());
    const Decimal M = krävDecimal(ström, "VAT amount");
    _nettobelopp = krävDecimal(ström, "net amount");
    const Decimal B = krävDecimal(ström, "amount excluding VAT");
    const Decimal R = krävDecimal(ström, "rounding amount");
    const Decimal A = krävDecimal(ström, "amount to pay");
    const Decimal L = krävDecimal(ström, "local amount to pay");
    _avdragsbelopp = ström.optionalDecimalNumber();
    hittillsBetaltBelopp = krävDecimal(ström, "amount paid");
    int64_t betaltKonto = ström.int64();
    if (ref.harKonton()) kontoFörSenastBetaltBelopp = ref.konto(betaltKonto);

    // Date, entry number and a decimal with its flag byte: 37 bytes each.
    int64_t antalÄndringar = antalIRecord(ström, 37, "receivable changes");
    for (int64_t i = 0; i < antalÄndringar; ++i) {
        Kundfordringsändring ä;
        ä.datum = Datum(ström.int64());
        ä.verifikationsnummer = ström.int64();
        if (ström.u8() != 1) throw FormatError("receivable change without an amount");
        auto del = ström.take(20);
        Decimal::Stored b;
        std::copy(del.begin(), del.end(), b.begin());
        ä.belopp = Decimal::fromStored(b);
        kundfordringsändringar.push_back(ä);
    }
    betalningsdatum = optionalDatum(ström);
    int64_t antalPåminnelser = antalIRecord(ström, 8, "reminders");
    for (int64_t i = 0; i < antalPåminnelser; ++i) påminnelserSkickade.push_back(Datum(ström.int64()));
    återköpsdatum = optionalDatum(ström);
    kundförlustsdatum = optionalDatum(ström);
    kostnadsställen = Kostnadsställe::läsInReferenserTillKostnadsställen(ref, ström);
    int64_t antalKolumner = antalIRecord(ström, 8, "columns");
    for (int64_t i = 0; i < antalKolumner; ++i)
        kolumner_.push_back(läsKod<Fakturakolumn>(ström, "Okänd fakturakolumn", " i skickad faktura"));
    auto mallkod = ström.optionalString();
    inbyggdFakturamall_ = InbyggdFakturamall::Standard;
    if (mallkod)
        if (auto mall = frånKod<InbyggdFakturamall>(std::string_view(*mallkod))) inbyggdFakturamall_ = *mall;
    _namnPåEgenFakturamall = ström.optionalString();
    språk_ = ström.string();

    // Records older than the current layout end after the language.
    int64_t förstaMarkör = ström.int64();
    bool senareFält = förstaMarkör > 0 && ström.int64() > 0;
    if (senareFält) {
        organisationsnummer = ström.optionalString();
        uuid = ström.string();
        peppolStatus = peppolFrånKod(ström.int64());
        ström.int64();  // end of the invoice's own part
    } else {
        organisationsnummer = mottagare->organisationsnummer;
        uuid = Bokföringsbas::nyUUID();
    }

    const Decimal D = _avdragsbelopp.value_or(noll);
    bool konverteradPost = false;
    for (const auto& post : poster) konverteradPost = konverteradPost || post->fixadMomssats;
    if (konverteradPost) {
        // Items whose VAT rate was stored in percent: the VAT total is
        // taken from the converted items.
        Decimal m = noll;
        if (!omvändSkattskyldighetFörMoms_)
            for (const auto& post : poster) m = m.adding(post->momsbelopp_, exakt);
        if (!rabatt_) {
            _momsbelopp = m;
            _beloppExklMoms = _nettobelopp;
        } else {
            Decimal f = ett.subtracting(*rabatt_, exakt);
            _momsbelopp = m.multiplying(f, helaÖren);
            _beloppExklMoms = _nettobelopp.multiplying(f, helaÖren);
        }
        Decimal t = M.adding(B, exakt);
        _öresutjämningsbelopp = öresutjämna_ ? t.rounding(helaKronorUppåt).subtracting(t, exakt) : noll;
        _attBetala = M.adding(B, exakt).adding(R, exakt).subtracting(D, exakt);
        lokaltBeloppAttBetala = A.multiplying(växelkurs, helaÖren);
    } else if (öresutjämna_ && förstaMarkör <= 2 && fakturadatum_.d <= 20161111) {
        // Until then the VAT total was stored unrounded and the total was
        // rounded half up.
        _momsbelopp = M.rounding(helaÖren);
        _beloppExklMoms = B;
        Decimal t = M.adding(B, exakt);
        _öresutjämningsbelopp = t.rounding(helaKronorUppåt).subtracting(t, exakt);
        _attBetala = t.adding(_öresutjämningsbelopp, exakt).subtracting(D, exakt);
        lokaltBeloppAttBetala = A.multiplying(växelkurs, helaÖren);
    } else {
        _momsbelopp = M;
        _beloppExklMoms = B;
        _öresutjämningsbelopp = R;
        _attBetala = A;
        lokaltBeloppAttBetala = L;
    }

    static_cast<NumreratObjekt&>(*this) = NumreratObjekt(ström, ref);
}

void Faktura::spara(Utström& ström) const {
    ström.writeString(mottagare ? mottagare->nummer : std::string());
    skrivListaMedSparbaraObjekt(ström, poster);
    ström.writeDecimalNumber(rabatt_);
    ström.writeString(meddelande_);
    ström.writeString(kreditvillkor_);
    ström.writeString(_företag);
    _mottagaradress.spara(ström);
    ström.writeByte(leveransadress_.has_value());
    if (leveransadress_) leveransadress_->spara(ström);
    writeDatum(ström, leveransdatum_);
    ström.writeString(leveranssätt_);
    ström.writeString(inköpsordernummer_);
    ström.writeString(valuta_);
    ström.writeByte(öresutjämna_);
    ström.writeString(vårReferens_);
    ström.writeString(erReferens_);
    ström.writeByte(omvändSkattskyldighetFörMoms_);
    ström.writeByte(false);  // reserved
    ström.writeByte(ingårInteIKundfordringar);
    ström.writeByte(annanValuta);
    ström.writeDecimalNumber(växelkurs);
    ström.writeInt64(kod(metod));
    skatteavdrag_.spara(ström);
    ström.writeString(momsregistreringsnummer_);
    ström.writeInt64(fakturadatum_.d);
    ström.writeInt64(betalningsfrist_);
    ström.writeInt64(förfallodatum_.d);
    ström.writeDecimalNumber(_momsbelopp);
    ström.writeDecimalNumber(_nettobelopp);
    ström.writeDecimalNumber(_beloppExklMoms);
    ström.writeDecimalNumber(_öresutjämningsbelopp);
    ström.writeDecimalNumber(_attBetala);
    ström.writeDecimalNumber(lokaltBeloppAttBetala);
    ström.writeDecimalNumber(_avdragsbelopp);
    ström.writeDecimalNumber(hittillsBetaltBelopp);
    ström.writeInt64(kontoFörSenastBetaltBelopp ? kontoFörSenastBetaltBelopp->nummer : -1);
    ström.writeInt64(static_cast<int64_t>(kundfordringsändringar.size()));
    for (const auto& ä : kundfordringsändringar) {
        ström.writeInt64(ä.datum.d);
        ström.writeInt64(ä.verifikationsnummer);
        ström.writeDecimalNumber(ä.belopp);
    }
    writeDatum(ström, betalningsdatum);
    ström.writeInt64(static_cast<int64_t>(påminnelserSkickade.size()));
    for (Datum d : påminnelserSkickade) ström.writeInt64(d.d);
    writeDatum(ström, återköpsdatum);
    writeDatum(ström, kundförlustsdatum);
    Kostnadsställe::sparaReferenserTillKostnadsställen(kostnadsställen, ström);
    ström.writeInt64(static_cast<int64_t>(kolumner_.size()));
    for (Fakturakolumn k : kolumner_) ström.writeInt64(kod(k));
    if (inbyggdFakturamall_)
        ström.writeString(std::string(kod(*inbyggdFakturamall_)));
    else
        ström.writeString(std::nullopt);
    // The linked template's name: a name that found no template is dropped.
    if (egenFakturamall_)
        ström.writeString(egenFakturamall_->namn);
    else
        ström.writeString(std::nullopt);
    ström.writeString(språk_);
    ström.writeInt64(aktuellFörstaMarkör);
    ström.writeInt64(aktuellAndraMarkör);
    ström.writeString(organisationsnummer);
    ström.writeString(uuid);
    ström.writeInt64(kod(peppolStatus));
    ström.writeInt64(0);
    NumreratObjekt::spara(ström);
}
