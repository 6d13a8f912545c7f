#include "Modell/Fakturor/FinsktReferensnummer.h"


#include <cstdio>
#include <limits>

namespace {
bool ärAsciiSiffra(char c) { return c >= '0' && c <= '9'; }
bool ärAsciiBokstavEllerSiffra(char c) {
    return ärAsciiSiffra(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The 16 characters after "FI": check digits and account number.
std::string kontofältUrIBAN(std::string_view iban) {
    if (iban.starts_with("FI") || iban.starts_with("fi")) iban.remove_prefix(2);
    std::string fält(iban);
    if (fält.size() != 16) {
        std::string rensat;
        for (char c : fält)
            if (c != ' ' && c != '-') rensat.push_back(c);
        fält = rensat;
    }
    // Anything but letters and digits would make a barcode no bank can read.
    if (fält.size() != 16) throw FelPåFinsktReferensnummer(FelPåFinsktReferensnummer::Fall::inkorrektIBAN);
    for (char c : fält)
        if (!ärAsciiBokstavEllerSiffra(c))
            throw FelPåFinsktReferensnummer(FelPåFinsktReferensnummer::Fall::inkorrektIBAN);
    return fält;
}

// The amount in whole cents, fractions of a cent dropped, computed from the
// decimal's own digits so no binary rounding can creep in. Amounts of a
// million euros or more do not fit the barcode.
int64_t centFörBelopp(const Decimal& belopp) {
    constexpr unsigned __int128 gräns = 100'000'000;  // one million euros in cents
    const unsigned __int128 m = belopp.mantissa();
    const int k = belopp.exponent() + 2;  // cents = m × 10^k
    unsigned __int128 cent;
    if (k >= 0) {
        unsigned __int128 faktor = 1;
        for (int i = 0; i < k && faktor < gräns; ++i) faktor *= 10;
        if (faktor >= gräns || m >= (gräns + faktor - 1) / faktor)
            throw FelPåFinsktReferensnummer(FelPåFinsktReferensnummer::Fall::förStortBelopp);
        cent = m * faktor;
    } else {
        cent = m;
        for (int i = 0; i < -k && cent != 0; ++i) cent /= 10;
    }
    if (cent >= gräns) throw FelPåFinsktReferensnummer(FelPåFinsktReferensnummer::Fall::förStortBelopp);
    return int64_t(cent);
}

// Two-digit year as a date formatter's "yy" gives it (year of the era).
int tvåsiffrigtÅr(const Datum& d) {
    int64_t år = d.år();
    if (år <= 0) år = 1 - år;
    return int(år % 100);
}
}  // namespace

std::string FelPåFinsktReferensnummer::description() const { return what(); }

const char* FelPåFinsktReferensnummer::what() const noexcept {
    switch (fall_) {
        case Fall::inkorrektIBAN: return "The IBAN appears to be of incorrect length for SEPA barcodes.";
        case Fall::negativtBelopp: return "The barcode cannot be generated for negative invoice amounts.";
        case Fall::streckkodsgeneratorn: return "A barcode image couldn't be generated";
        case Fall::förStortBelopp:
            return "The barcode cannot be generated for invoice amounts of one million euros or more.";
    }
    return "";
}

int64_t finsktReferensnummerBaseratPåNummer(std::string_view nummer) {
    if (nummer.empty()) return 0;
    // Appending the check digit multiplies by ten; numbers that would not
    // fit count as not being a number at all rather than overflowing.
    constexpr int64_t störst = (std::numeric_limits<int64_t>::max() - 9) / 10;
    int64_t n = 0;
    for (char c : nummer) {
        if (!ärAsciiSiffra(c)) return 0;
        if (n > (störst - (c - '0')) / 10) return 0;
        n = n * 10 + (c - '0');
    }
    static constexpr int vikter[] = {7, 3, 1};
    int summa = 0, i = 0;
    int64_t rest = n;
    do {
        summa += int(rest % 10) * vikter[i++ % 3];
        rest /= 10;
    } while (rest != 0);
    return n * 10 + (10 - summa % 10) % 10;
}

std::string streckkodssträngMedIBAN(std::string_view iban, const Decimal& attBetala, std::string_view nummer,
                                    Datum förfallodatum) {
    const std::string konto = kontofältUrIBAN(iban);
    if (attBetala.isNaN() || attBetala.isZero() || attBetala.isNegative())
        throw FelPåFinsktReferensnummer(FelPåFinsktReferensnummer::Fall::negativtBelopp);
    const int64_t cent = centFörBelopp(attBetala);
    const int64_t referens = finsktReferensnummerBaseratPåNummer(nummer);

    char fält[64];
    std::snprintf(fält, sizeof fält, "%06lld%02lld000%020lld%02d%02d%02d", (long long)(cent / 100),
                  (long long)(cent % 100), (long long)referens, tvåsiffrigtÅr(förfallodatum), förfallodatum.månad(),
                  förfallodatum.dag());
    return "4" + konto + fält;
}
