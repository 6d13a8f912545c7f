#include "Modell/Datum.h"

#include "Plattform/Klocka.h"

#include <charconv>
#include <cstdio>

namespace {
// Days since 1970-01-01 of a proleptic Gregorian date (valid month 1-12).
int64_t dagarFrånCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFrånDagar(int64_t z, int64_t& y, int& m, int& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    y = yoe + era * 400;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = int(doy - (153 * mp + 2) / 5 + 1);
    m = int(mp < 10 ? mp + 3 : mp - 9);
    y += m <= 2;
}

int64_t golvdiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Day number of the date as a calendar would read its components.
int64_t dagnummer(const Datum& x) {
    int64_t år = x.d / 10000, månad = (x.d / 100) % 100, dag = x.d % 100;
    int64_t m0 = månad - 1;
    år += golvdiv(m0, 12);
    m0 -= golvdiv(m0, 12) * 12;
    return dagarFrånCivil(år, m0 + 1, 1) + dag - 1;
}

Datum frånDagnummer(int64_t n) {
    int64_t y;
    int m, d;
    civilFrånDagar(n, y, m, d);
    return Datum(y * 10000 + m * 100 + d);
}
}  // namespace

std::optional<Datum> Datum::från(std::string_view text) {
    std::string rest;
    for (char c : text)
        if (c != '-') rest.push_back(c);
    if (rest.size() != 8) return std::nullopt;
    std::string_view s = rest;
    if (s[0] == '+') s.remove_prefix(1);
    int64_t v = 0;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return Datum(v);
}

Datum Datum::idag() {
    auto i = klocka::idag();
    return Datum(i.år * 10000 + i.månad * 100 + i.dag);
}

Datum operator+(Datum datum, int64_t dagar) { return frånDagnummer(dagnummer(datum) + dagar); }

Datum Datum::sjuÅrTidigare() const {
    int64_t n = dagnummer(*this);
    int64_t y;
    int m, d;
    civilFrånDagar(n, y, m, d);
    y -= 7;
    // February 29 of a leap year falls back to February 28.
    int64_t sista = dagarFrånCivil(m == 12 ? y + 1 : y, m == 12 ? 1 : m + 1, 1) - dagarFrånCivil(y, m, 1);
    if (d > sista) d = int(sista);
    return frånDagnummer(dagarFrånCivil(y, m, d));
}

int64_t Datum::år() const {
    int64_t y;
    int m, dd;
    civilFrånDagar(dagnummer(*this), y, m, dd);
    return y;
}
int Datum::månad() const {
    int64_t y;
    int m, dd;
    civilFrånDagar(dagnummer(*this), y, m, dd);
    return m;
}
int Datum::dag() const {
    int64_t y;
    int m, dd;
    civilFrånDagar(dagnummer(*this), y, m, dd);
    return dd;
}

bool Datum::ärGiltigt() const { return d > 0 && frånDagnummer(dagnummer(*this)).d == d; }

std::string Datum::text() const {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04lld-%02d-%02d", (long long)år(), månad(), dag());
    return buf;
}
