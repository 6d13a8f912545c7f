#include "Modell/Fakturor/QRkod.h"

#include <unicode/brkiter.h>
#include <unicode/unistr.h>

#include <cstdio>
#include <memory>

namespace {

// User-perceived characters, which is what the minimum length of a giro
// number is measured in (hyphens and spaces count).
size_t antalTecken(const std::string& text) {
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(text);
    UErrorCode fel = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> it(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), fel));
    if (U_FAILURE(fel)) return size_t(u.countChar32());
    it->setText(u);
    size_t n = 0;
    for (int32_t p = it->next(); p != icu::BreakIterator::DONE; p = it->next()) ++n;
    return n;
}

bool sattMedMinstSexTecken(const std::optional<std::string>& nummer) {
    return nummer && antalTecken(*nummer) >= 6;
}

std::string jsonSträng(const std::string& s) {
    std::string ut = "\"";
    for (unsigned char c : s) {
        switch (c) {
            case '"': ut += "\\\""; break;
            case '\\': ut += "\\\\"; break;
            case '\n': ut += "\\n"; break;
            case '\r': ut += "\\r"; break;
            case '\t': ut += "\\t"; break;
            case '\b': ut += "\\b"; break;
            case '\f': ut += "\\f"; break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    ut += buf;
                } else {
                    ut += char(c);
                }
        }
    }
    return ut + "\"";
}

class JSONObjekt {
public:
    void sträng(const char* nyckel, const std::string& värde) { medlem(nyckel, jsonSträng(värde)); }
    void heltal(const char* nyckel, int64_t värde) { medlem(nyckel, std::to_string(värde)); }
    // The decimal's plain text is already a valid JSON number with the
    // exact value (no exponent, no grouping); only not-a-number is not.
    void tal(const char* nyckel, const Decimal& värde) {
        if (värde.isNaN()) ogiltig_ = true;
        medlem(nyckel, värde.text());
    }
    std::optional<std::string> text() const {
        if (ogiltig_) return std::nullopt;
        return "{" + innehåll_ + "}";
    }

private:
    void medlem(const char* nyckel, const std::string& jsonVärde) {
        if (!innehåll_.empty()) innehåll_ += ',';
        innehåll_ += jsonSträng(nyckel) + ':' + jsonVärde;
    }
    std::string innehåll_;
    bool ogiltig_ = false;
};
}  // namespace

std::optional<std::string> qrkodsinnehåll(const QRkodsuppgifter& u) {
    JSONObjekt o;
    o.heltal("uqr", 2);
    o.heltal("tp", 1);
    o.sträng("idt", std::to_string(u.fakturadatum.d));
    o.sträng("ddt", std::to_string(u.förfallodatum.d));
    o.sträng("cur", u.valuta);
    o.sträng("iref", u.nummer);
    o.sträng("cid", u.organisationsnummer);
    o.sträng("cc", u.land);
    o.sträng("nme", u.namn);
    o.tal("due", u.attBetala);
    o.tal("vat", u.momsbelopp);

    if (sattMedMinstSexTecken(u.plusgiro)) {
        o.sträng("pt", "PG");
        o.sträng("acc", *u.plusgiro);
    } else if (sattMedMinstSexTecken(u.bankgiro)) {
        o.sträng("pt", "BG");
        o.sträng("acc", *u.bankgiro);
    } else if (u.mottagarland && *u.mottagarland == u.land) {
        o.sträng("pt", "BBAN");
        if (u.bankkonto) o.sträng("acc", *u.bankkonto);
        if (u.bic) o.sträng("bc", *u.bic);
    } else {
        o.sträng("pt", "IBAN");
        if (u.iban) o.sträng("acc", *u.iban);
        if (u.bic) o.sträng("bc", *u.bic);
        o.sträng("adr", u.avsändaradress);
    }

    // A later level with the same index replaces an earlier one's amount;
    // an index outside 0-2 has no member and is left out.
    static const char* const momsnycklar[] = {"vh", "vm", "vl"};
    std::optional<Decimal> momsbelopp[3];
    for (const QRMomsnivå& nivå : u.momsnivåer) {
        if (nivå.index < 0 || nivå.index > 2) continue;
        for (const auto& [sats, belopp] : u.beloppPerMomssats)
            if (sats == nivå.nivå) momsbelopp[nivå.index] = belopp;
    }
    for (int i = 0; i < 3; ++i)
        if (momsbelopp[i]) o.tal(momsnycklar[i], *momsbelopp[i]);

    return o.text();
}
