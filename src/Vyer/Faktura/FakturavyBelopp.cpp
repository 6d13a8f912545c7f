// Amount rows: net amount, invoice discount, VAT, tax deduction, rounding
// and the total, each a caption and an amount.
#include "Vyer/Faktura/Fakturavy.h"

#include "Modell/Belopp.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Skatteavdrag.h"
#include "Plattform/Strangar.h"

namespace {

// A stored amount of an old record can be NaN; its row then prints the
// empty text instead of stopping the layout.
constexpr DecimalBehavior utanUndantag{RoundingMode::plain, std::nullopt, false, false, false};

Decimal medOmväntTecken(const Decimal& belopp) { return belopp.multiplying(minusEtt, utanUndantag); }

bool harÖresutjämning(const Fakturaliknande& f) { return f.öresutjämna() && f.öresutjämningsbelopp() != noll; }

bool harNettorad(const Fakturaliknande& f) {
    return !f.omvändSkattskyldighetFörMoms() || harÖresutjämning(f) || f.rabatt().has_value();
}

// Printed in Swedish whatever the invoice's language: the deductions are
// Swedish tax rules with Swedish names.
std::string rubrikFörSkatteavdrag(const Skatteavdrag& avdrag) {
    if (avdrag.somRot()) return "ROT-avdrag:";
    if (avdrag.somRut()) return "RUT-avdrag:";
    return "-:";
}

}  // namespace

int Fakturavy::antalBeloppsrader(bool räknaMedTotalen) const {
    int rader = 0;
    if (harNettorad(f)) ++rader;
    if (f.rabatt()) ++rader;
    if (!f.omvändSkattskyldighetFörMoms()) ++rader;
    if (!f.skatteavdrag().ärInget()) ++rader;
    if (harÖresutjämning(f)) ++rader;
    if (räknaMedTotalen) ++rader;
    return rader;
}

Fakturavy::Beloppsfält Fakturavy::beloppfältMedRubrikattribut(const TextAttributes& rubrikattribut,
                                                              const TextAttributes& dataattribut,
                                                              const Rect& initialRubrikram, const Rect& initialDataram,
                                                              Beloppsradsval val) const {
    struct Rad {
        std::string rubrik;
        Decimal belopp;
    };
    std::vector<Rad> rader;
    if (harNettorad(f)) rader.push_back({rubrikFörNettobelopp(), f.nettobelopp()});
    if (f.rabatt()) rader.push_back({rubrikFörRabatt(), medOmväntTecken(f.rabattbelopp())});
    if (!f.omvändSkattskyldighetFörMoms()) rader.push_back({rubrikFörMoms(), f.momsbelopp()});
    if (auto avdrag = f.avdragsbelopp())
        rader.push_back({rubrikFörSkatteavdrag(f.skatteavdrag()), medOmväntTecken(*avdrag)});
    if (harÖresutjämning(f)) rader.push_back({rubrikFörÖresutjämning(), f.öresutjämningsbelopp()});
    if (val.taMedTotalen) rader.push_back({rubrikFörTotaltBelopp(), f.attBetala()});

    Beloppsfält fält;
    Rect rubrikram = initialRubrikram, dataram = initialDataram;
    for (const Rad& rad : rader) {
        fält.data.emplace_back(AttributedString(belopp(rad.belopp), dataattribut), dataram);
        std::string rubrik = val.storaBokstäverPåRubriker ? versaler(rad.rubrik) : rad.rubrik;
        fält.data.emplace_back(AttributedString(rubrik, rubrikattribut), rubrikram);
        rubrikram.y += val.radhöjd;
        dataram.y += val.radhöjd;
    }
    fält.utpunkt = dataram.y;
    return fält;
}
