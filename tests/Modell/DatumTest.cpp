#include "Modell/Datum.h"
#include "Modell/LagratDatum.h"
#include "Programkorning.h"

#include <gtest/gtest.h>

TEST(Datum, ParsesBothFormsAndRejectsOtherLengths) {
    EXPECT_EQ(Datum::från("2024-03-15")->d, 20240315);
    EXPECT_EQ(Datum::från("20240315")->d, 20240315);
    EXPECT_EQ(Datum::från("2024--0315")->d, 20240315);
    EXPECT_EQ(Datum::från("1-2-3-4-5-6-7-8")->d, 12345678);
    EXPECT_EQ(Datum::från("+2024031")->d, 2024031);
    EXPECT_FALSE(Datum::från("2024-3-15"));
    EXPECT_FALSE(Datum::från("24-03-15"));
    EXPECT_FALSE(Datum::från(""));
    EXPECT_FALSE(Datum::från("--------"));
    EXPECT_FALSE(Datum::från("\xef\xbc\x92\xef\xbc\x90\xef\xbc\x92\xef\xbc\x94\xef\xbc\x90\xef\xbc\x91\xef\xbc\x90\xef\xbc\x91"));
}

TEST(Datum, ArithmeticCrossesMonthsYearsAndLeapDays) {
    EXPECT_EQ((Datum(20240229) + 1).d, 20240301);
    EXPECT_EQ((Datum(20231231) + 1).d, 20240101);
    EXPECT_EQ((Datum(20240101) + -1).d, 20231231);
    EXPECT_EQ(Datum(20240229).sjuÅrTidigare().d, 20170228);
    EXPECT_EQ((Datum(20241301) + 0).d, 20250101);  // month 13 normalises
    EXPECT_LT(Datum(20231231), Datum(20240101));
    EXPECT_TRUE(Datum(20240229).ärGiltigt());
    EXPECT_FALSE(Datum(20230229).ärGiltigt());
}

#include <sstream>
#include <string>

namespace {
// Every day from 1900 to 2100 with its neighbours, a month and a year on,
// and seven years back, as Python's datetime computes them.
const char* kPythonDagar = R"PY(
import datetime
d = datetime.date(1900, 1, 1)
end = datetime.date(2100, 12, 31)
one = datetime.timedelta(days=1)
def n(x): return x.year * 10000 + x.month * 100 + x.day
def seven(x):
    try: return x.replace(year=x.year - 7)
    except ValueError: return x.replace(year=x.year - 7, day=28)
out = []
while d <= end:
    out.append("%d %d %d %d %d %d" % (n(d), n(d + one), n(d - one), n(d + datetime.timedelta(days=30)),
                                      n(d - datetime.timedelta(days=365)), n(seven(d))))
    d += one
print("\n".join(out))
)PY";
}  // namespace

TEST(Datum, ArithmeticAgreesWithPythonForEveryDayFrom1900To2100) {
    testhjalp::Körning python = testhjalp::körProgram("python3", {"-c", kPythonDagar});
    ASSERT_EQ(python.status, 0) << python.fel;
    const std::string& text = python.ut;

    std::istringstream rader(text);
    int64_t dag, nästa, föregående, månadSenare, årTidigare, sjuÅr;
    int antal = 0, fel = 0;
    while (rader >> dag >> nästa >> föregående >> månadSenare >> årTidigare >> sjuÅr) {
        Datum d(dag);
        bool rätt = d.ärGiltigt() && (d + 1).d == nästa && (d + -1).d == föregående && (d + 30).d == månadSenare &&
                    (d + -365).d == årTidigare && d.sjuÅrTidigare().d == sjuÅr;
        if (!rätt && ++fel <= 5) ADD_FAILURE() << "disagrees on " << dag;
        ++antal;
    }
    EXPECT_EQ(antal, 73414);
    EXPECT_EQ(fel, 0);
}

TEST(Datum, AStoredDateIsItsIntegerAndNoneIsZero) {
    Utström ut;
    writeDatum(ut, std::nullopt);
    writeDatum(ut, Datum(20240315));
    const Bytes förväntat = {0, 0, 0, 0, 0, 0, 0, 0, 0xBB, 0xD7, 0x34, 0x01, 0, 0, 0, 0};
    EXPECT_EQ(ut.bytes(), förväntat);
    Inström in(ut.bytes());
    EXPECT_EQ(optionalDatum(in), std::nullopt);
    EXPECT_EQ(optionalDatum(in), Datum(20240315));
}
