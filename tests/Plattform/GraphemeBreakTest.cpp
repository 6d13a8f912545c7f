// The character helpers against the Unicode Consortium's own grapheme
// cluster test cases (Debian's unicode-data package).
#include "Plattform/Strangar.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* kTestfil = "/usr/share/unicode/auxiliary/GraphemeBreakTest.txt";

void läggTillUtf8(std::string& ut, char32_t c) {
    if (c < 0x80) {
        ut += char(c);
    } else if (c < 0x800) {
        ut += char(0xC0 | (c >> 6));
        ut += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        ut += char(0xE0 | (c >> 12));
        ut += char(0x80 | ((c >> 6) & 0x3F));
        ut += char(0x80 | (c & 0x3F));
    } else {
        ut += char(0xF0 | (c >> 18));
        ut += char(0x80 | ((c >> 12) & 0x3F));
        ut += char(0x80 | ((c >> 6) & 0x3F));
        ut += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

TEST(Tecken, CountingAndTakingFollowTheUnicodeGraphemeTestCases) {
    std::ifstream fil(kTestfil);
    ASSERT_TRUE(fil) << "missing " << kTestfil << " (Debian package unicode-data, installed by scripts/install-deps)";
    int fall = 0;
    std::string rad;
    while (std::getline(fil, rad)) {
        rad = rad.substr(0, rad.find('#'));
        if (rad.empty()) continue;
        // "÷ 0020 × 0308 ÷": ÷ marks a break, × none.
        std::istringstream delar(rad);
        std::vector<std::string> kluster;
        std::string ord, text;
        bool surrogat = false;
        while (delar >> ord) {
            if (ord == "\xC3\xB7") {  // ÷
                kluster.emplace_back();
            } else if (ord != "\xC3\x97") {  // ×
                char32_t c = char32_t(std::stoul(ord, nullptr, 16));
                if (c >= 0xD800 && c <= 0xDFFF) surrogat = true;
                läggTillUtf8(kluster.back(), c);
                läggTillUtf8(text, c);
            }
        }
        if (surrogat) continue;  // not expressible in UTF-8 text
        if (!kluster.empty() && kluster.back().empty()) kluster.pop_back();
        ++fall;
        ASSERT_EQ(antalTecken(text), int64_t(kluster.size())) << rad;
        std::string början;
        for (size_t k = 0; k <= kluster.size(); ++k) {
            EXPECT_EQ(första(text, int64_t(k)), början) << rad << " k=" << k;
            EXPECT_EQ(allaEfter(text, int64_t(k)), text.substr(början.size())) << rad << " k=" << k;
            if (k < kluster.size()) början += kluster[k];
        }
    }
    EXPECT_GT(fall, 500);
}
