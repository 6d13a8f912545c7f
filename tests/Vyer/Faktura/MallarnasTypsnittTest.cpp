// The fonts each built-in template's PDF embeds, as pdffonts lists them,
// against the lists recorded in tests/data/mallarnas-typsnitt.txt: how the
// program finds and loads its fonts must not change which faces a PDF
// draws with.
#include "Mallprov.h"
#include "Modell/Fakturor/InbyggdFakturamall.h"
#include "Testdata.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace {

// Each template's code with its rows, from the recorded file.
const std::map<std::string, std::vector<std::string>>& inspelade() {
    static const std::map<std::string, std::vector<std::string>> listor = [] {
        std::map<std::string, std::vector<std::string>> ut;
        std::ifstream fil(testdata::fil("mallarnas-typsnitt.txt"));
        std::string kod;
        for (std::string rad; std::getline(fil, rad);) {
            if (rad.empty() || rad[0] == '#') continue;
            if (rad[0] != ' ') {
                kod = rad;
                ut[kod];
            } else {
                ut[kod].push_back(rad.substr(rad.find_first_not_of(' ')));
            }
        }
        return ut;
    }();
    return listor;
}

std::vector<std::string> koder() {
    std::vector<std::string> ut;
    for (InbyggdFakturamall mall : allaInbyggdaFakturamallar()) ut.emplace_back(kod(mall));
    return ut;
}

class MallarnasTypsnitt : public mallprov::Mallprov, public ::testing::WithParamInterface<std::string> {};

}  // namespace

TEST_P(MallarnasTypsnitt, AreTheRecordedOnes) {
    const std::string& mall = GetParam();
    ASSERT_TRUE(inspelade().count(mall)) << mall << " has no recorded list";
    mallprov::Mallkörning k = körMall(mall);
    std::vector<std::string> rader = pdfkontroll::typsnittsrader(k.pdf);
    std::sort(rader.begin(), rader.end());
    EXPECT_EQ(rader, inspelade().at(mall));
}

INSTANTIATE_TEST_SUITE_P(Inbyggda, MallarnasTypsnitt, ::testing::ValuesIn(koder()),
                         [](const auto& info) { return info.param; });
