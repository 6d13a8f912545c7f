#include "Modell/Vaxelkurser.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A service that keeps each request and answers when the test says so.
class Provtjänst : public ExchangeRateService {
public:
    struct Väntande {
        ExchangeRateRequest förfrågan;
        std::function<void(const ExchangeRateReply&)> svara;
    };
    std::vector<Väntande> förfrågningar;

    void send(const ExchangeRateRequest& r, std::function<void(const ExchangeRateReply&)> svara) override {
        förfrågningar.push_back({r, std::move(svara)});
    }
    void svara(size_t i, ExchangeRateReply svar) { förfrågningar.at(i).svara(svar); }
};

struct Svar {
    std::vector<Växelkurssvar> fått;
    std::function<void(const Växelkurssvar&)> klart() {
        return [this](const Växelkurssvar& s) { fått.push_back(s); };
    }
};

ExchangeRateReply kurs(std::string text) { return {false, std::move(text)}; }

}  // namespace

TEST(Växelkurser, RepliesAreReadAsTheServiceWritesThem) {
    struct Fall {
        ExchangeRateReply svar;
        std::optional<std::string> kurs;  // the rate as plain text, or none
        std::optional<Växelkursfel> fel;
    };
    std::vector<Fall> fall = {
        {kurs("10,5"), "10.5", std::nullopt},
        {kurs("11.4321"), "11.4321", std::nullopt},
        {kurs(" 0.0962 "), "0.0962", std::nullopt},
        {kurs("0"), std::nullopt, Växelkursfel::nollkurs},
        {kurs("0,00"), std::nullopt, Växelkursfel::nollkurs},
        {{true, "10.5"}, std::nullopt, Växelkursfel::tidsgränsen},
        {{false, std::nullopt}, std::nullopt, Växelkursfel::ingenKurs},
        {kurs("tio"), std::nullopt, Växelkursfel::ogiltigKurs},
        {kurs("10,5,1"), std::nullopt, Växelkursfel::ogiltigKurs},
        {kurs("1\u00a0000"), std::nullopt, Växelkursfel::ogiltigKurs},
        {kurs("-3"), std::nullopt, Växelkursfel::ogiltigKurs},
        {kurs(""), std::nullopt, Växelkursfel::ogiltigKurs},
    };
    for (size_t i = 0; i < fall.size(); ++i) {
        auto tjänst = std::make_shared<Provtjänst>();
        Växelkurshämtare hämtare(tjänst);
        Svar svar;
        hämtare.hämtaVäxelkursFörValuta("EUR", svar.klart());
        ASSERT_EQ(tjänst->förfrågningar.size(), 1u);
        EXPECT_EQ(tjänst->förfrågningar[0].förfrågan.currency, "SEK");
        EXPECT_EQ(tjänst->förfrågningar[0].förfrågan.otherCurrency, "EUR");
        EXPECT_TRUE(svar.fått.empty()) << "answered before the service did";
        tjänst->svara(0, fall[i].svar);
        ASSERT_EQ(svar.fått.size(), 1u) << i;
        if (fall[i].kurs) {
            ASSERT_TRUE(std::holds_alternative<Decimal>(svar.fått[0])) << i;
            EXPECT_EQ(std::get<Decimal>(svar.fått[0]).text(), *fall[i].kurs) << i;
            EXPECT_TRUE(hämtare.sparadKurs("EUR")) << i;
        } else {
            ASSERT_TRUE(std::holds_alternative<Växelkursfel>(svar.fått[0])) << i;
            EXPECT_EQ(std::get<Växelkursfel>(svar.fått[0]), *fall[i].fel) << i;
            EXPECT_FALSE(hämtare.sparadKurs("EUR")) << i;
        }
    }
}

TEST(Växelkurser, AKnownRateAnswersAtOnceAndAFailureAsksAgain) {
    auto tjänst = std::make_shared<Provtjänst>();
    Växelkurshämtare hämtare(tjänst);
    Svar svar;

    hämtare.hämtaVäxelkursFörValuta("NOK", svar.klart());
    tjänst->svara(0, {true, std::nullopt});
    ASSERT_EQ(svar.fått.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<Växelkursfel>(svar.fått[0]));

    hämtare.hämtaVäxelkursFörValuta("NOK", svar.klart());
    ASSERT_EQ(tjänst->förfrågningar.size(), 2u) << "a failure must not be kept";
    tjänst->svara(1, kurs("0,9612"));
    ASSERT_EQ(svar.fått.size(), 2u);

    hämtare.hämtaVäxelkursFörValuta("NOK", svar.klart());
    EXPECT_EQ(tjänst->förfrågningar.size(), 2u) << "a known rate must not be asked for again";
    ASSERT_EQ(svar.fått.size(), 3u) << "a known rate is given before the call returns";
    EXPECT_EQ(std::get<Decimal>(svar.fått[2]).text(), "0.9612");

    // Two requests in flight for one currency: each is answered, the last
    // answer is kept.
    hämtare.hämtaVäxelkursFörValuta("USD", svar.klart());
    hämtare.hämtaVäxelkursFörValuta("USD", svar.klart());
    tjänst->svara(3, kurs("10"));
    tjänst->svara(2, kurs("11"));
    EXPECT_EQ(svar.fått.size(), 5u);
    EXPECT_EQ(hämtare.sparadKurs("USD")->text(), "11");

    // SEK itself is asked for like any other code; a code that is not
    // ASCII cannot be sent.
    hämtare.hämtaVäxelkursFörValuta("SEK", svar.klart());
    EXPECT_EQ(tjänst->förfrågningar.back().förfrågan.otherCurrency, "SEK");
    size_t skickade = tjänst->förfrågningar.size();
    hämtare.hämtaVäxelkursFörValuta("K\u00d8R", svar.klart());
    EXPECT_EQ(tjänst->förfrågningar.size(), skickade);
    EXPECT_EQ(std::get<Växelkursfel>(svar.fått.back()), Växelkursfel::ogiltigValuta);
}

TEST(Växelkurser, TheStandInServiceReportsNoRate) {
    Svar svar;
    hämtaVäxelkursFörValuta("EUR", svar.klart());
    ASSERT_EQ(svar.fått.size(), 1u);
    ASSERT_TRUE(std::holds_alternative<Växelkursfel>(svar.fått[0]));
    EXPECT_EQ(std::get<Växelkursfel>(svar.fått[0]), Växelkursfel::ingenKurs);
    EXPECT_FALSE(växelkurshämtare().sparadKurs("EUR"));
}
