// The JSON reader against a hand-made corpus of accepted and refused
// texts, the conversions the import applies to values, and the bounded
// text form used in messages.
#include "Kommandorad/JsonLasare.h"
#include "Kommandorad/JsonTextform.h"
#include "Upprepat.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

std::vector<uint8_t> b(std::string_view s) { return {s.begin(), s.end()}; }

std::vector<uint8_t> utf16(std::u16string_view s, bool storÄnde, bool bom) {
    std::vector<uint8_t> ut;
    auto enhet = [&](char16_t c) {
        if (storÄnde) { ut.push_back(c >> 8); ut.push_back(c & 0xFF); }
        else { ut.push_back(c & 0xFF); ut.push_back(c >> 8); }
    };
    if (bom) enhet(0xFEFF);
    for (char16_t c : s) enhet(c);
    return ut;
}

std::vector<uint8_t> utf32(std::u32string_view s, bool storÄnde, bool bom) {
    std::vector<uint8_t> ut;
    auto enhet = [&](char32_t c) {
        for (int i = 0; i < 4; ++i) ut.push_back(storÄnde ? (c >> (24 - 8 * i)) & 0xFF : (c >> (8 * i)) & 0xFF);
    };
    if (bom) enhet(0xFEFF);
    for (char32_t c : s) enhet(c);
    return ut;
}

std::string nästlat(size_t djup) { return std::string(djup, '[') + std::string(djup, ']'); }

struct Fall {
    const char* namn;
    std::vector<uint8_t> data;
    bool godtas;
};

TEST(JsonLasare, CorpusOfAcceptedAndRefusedTexts) {
    const std::vector<Fall> fall = {
        {"empty object", b("{}"), true},
        {"empty array", b("[]"), true},
        {"white space around", b(" \t\r\n{}\n"), true},
        {"bare number", b("5"), false},
        {"bare string", b("\"x\""), false},
        {"bare literal", b("true"), false},
        {"nothing", b(""), false},
        {"only blanks", b("  "), false},
        {"trailing comma in array", b("[1,]"), false},
        {"trailing comma in object", b("{\"a\":1,}"), false},
        {"leading zero", b("[01]"), false},
        {"fraction without digits", b("[1.]"), false},
        {"fraction without integer", b("[.5]"), false},
        {"NaN", b("[NaN]"), false},
        {"Infinity", b("[Infinity]"), false},
        {"number out of double range", b("[1e400]"), true},
        {"a thousand digits", b("[" + std::string(1000, '9') + ".5e-" + std::string(1000, '9') + "]"), true},
        {"leading zero before a thousand digits", b("[0" + std::string(1000, '1') + "]"), false},
        {"leading zero after a minus", b("[-0123]"), false},
        {"digits after an escaped quote are in the string", b(R"(["\"0123"])"), true},
        {"digits after an escaped backslash are not", b(R"(["\\",0123])"), false},
        {"a leading zero after a long number", b("[" + std::string(1000, '9') + ",01]"), false},
        {"tiny number", b("[1e-400]"), true},
        {"comment", b("// c\n{}"), false},
        {"content after the value", b("{} x"), false},
        {"two values", b("{}{}"), false},
        {"form feed is no white space", b("\f{}"), false},
        {"raw tab in a string", b("[\"a\tb\"]"), false},
        {"single quotes", b("['a']"), false},
        {"unquoted key", b("{a:1}"), false},
        {"lone high surrogate", b("[\"\\ud800\"]"), false},
        {"lone low surrogate", b("[\"\\udc00\"]"), false},
        {"surrogate pair", b("[\"\\ud83d\\ude00\"]"), true},
        {"escaped NUL", b("[\"\\u0000\"]"), true},
        {"invalid UTF-8", b("[\"\xff\"]"), false},
        {"overlong UTF-8", b("[\"\xc0\xaf\"]"), false},
        {"UTF-8 text", b("[\"r\xc3\xa4kning\"]"), true},
        {"UTF-8 byte-order mark", b("\xEF\xBB\xBF{}"), true},
        {"two byte-order marks", b("\xEF\xBB\xBF\xEF\xBB\xBF{}"), false},
        {"half a byte-order mark", b("\xEF\xBB{}"), false},
        {"UTF-16LE with mark", utf16(u"{\"a\":\"\u00e5\"}", false, true), true},
        {"UTF-16BE with mark", utf16(u"[1]", true, true), true},
        {"UTF-16LE without mark", utf16(u"{}", false, false), true},
        {"UTF-16BE without mark", utf16(u"[\"\U0001F600\"]", true, false), true},
        {"UTF-16 odd length", [] { auto v = utf16(u"[1]", false, true); v.push_back('x'); return v; }(), false},
        {"UTF-16 lone surrogate", utf16(u"[\"\xd800\"]", false, true), false},
        {"UTF-32LE with mark", utf32(U"{}", false, true), true},
        {"UTF-32BE without mark", utf32(U"[\"\U0001F600\"]", true, false), true},
        {"UTF-32 beyond Unicode", [] { auto v = utf32(U"[\"", true, false); v.insert(v.end(), {0, 0x11, 0, 0}); auto e = utf32(U"\"]", true, false); v.insert(v.end(), e.begin(), e.end()); return v; }(), false},
        {"512 levels", b(nästlat(512)), true},
        {"513 levels", b(nästlat(513)), false},
        {"a million levels", b(nästlat(1'000'000)), false},
    };
    for (const auto& f : fall) {
        EXPECT_EQ(läsJson(f.data).has_value(), f.godtas) << f.namn;
    }
}

TEST(JsonLasare, ALongNumberIsKeptAsWritten) {
    const std::string tal = "-" + std::string(1000, '9') + "." + std::string(1000, '1') + "E+" + std::string(500, '3');
    auto v = läsJson(b("{\"n\":" + tal + "}"));
    ASSERT_TRUE(v);
    EXPECT_EQ(v->rot().medlem("n")->talText(), tal);
    EXPECT_EQ(v->rot().medlem("n")->heltal(), std::nullopt);
}

TEST(JsonLasare, TextIsDecodedFromEveryEncoding) {
    auto v = läsJson(utf16(u"{\"k\":\"\u00e5\U0001F600\"}", false, true));
    ASSERT_TRUE(v);
    ASSERT_TRUE(v->rot().medlem("k") && v->rot().medlem("k")->text());
    EXPECT_EQ(*v->rot().medlem("k")->text(), "\xc3\xa5\xf0\x9f\x98\x80");
    auto w = läsJson(b("[\"a\\u0000b\"]"));
    ASSERT_TRUE(w);
    EXPECT_EQ(*(*w->rot().element().begin()).text(), std::string("a\0b", 3));
}

// A guard on the node layout: the nodes and key lists take at most four
// bytes beside each byte of the text, for the shapes that make the most
// values of the fewest bytes. The figure is the store's own count of what
// it holds; the import's real peak is measured by the benchmark
// ImportPeakMemory.
TEST(JsonLasare, NodesTakeAtMostFourBytesPerByteOfText) {
    const size_t n = 20000;
    std::string olikaNycklar = "{";
    for (size_t i = 0; i < n; ++i) olikaNycklar += (i ? ",\"" : "\"") + std::to_string(i) + "\":0";
    olikaNycklar += "}";
    const std::vector<std::pair<const char*, std::string>> former = {
        {"numbers", upprepat("[", "0", "]", n)},
        {"empty objects", upprepat(R"({"entries":[)", "{}", "]}", n)},
        {"empty arrays", upprepat("[", "[]", "]", n)},
        {"empty strings", upprepat("[", R"("")", "]", n)},
        {"one key again and again", upprepat("{", R"("":0)", "}", n)},
        {"distinct keys", olikaNycklar},
        {"deep nesting", upprepat("[", nästlat(511), "]", 40)},
        {"escapes", upprepat(R"([")", R"(\u00e5\n)", R"("])", n)},
    };
    for (const auto& [namn, text] : former) {
        auto dok = läsJson(b(text));
        ASSERT_TRUE(dok) << namn;
        EXPECT_LE(dok->byteHållna(), 5 * text.size() + 16) << namn;
    }
}

TEST(JsonLasare, LastOfEqualKeysWins) {
    auto v = läsJson(b("{\"a\":1,\"b\":2,\"a\":3}"));
    ASSERT_TRUE(v);
    ASSERT_EQ(v->rot().medlemmar().size(), 2u);
    EXPECT_EQ(v->rot().medlem("a")->heltal(), 3);
    EXPECT_EQ(v->rot().medlem("b")->heltal(), 2);
}

TEST(JsonLasare, IntegersAreExact) {
    const int64_t max = std::numeric_limits<int64_t>::max(), min = std::numeric_limits<int64_t>::min();
    const std::vector<std::pair<const char*, std::optional<int64_t>>> fall = {
        {"1930", 1930},
        {"1930.0", 1930},
        {"1930.5", std::nullopt},
        {"1.93e3", 1930},
        {"1.93E+3", 1930},
        {"193000e-2", 1930},
        {"193001e-2", std::nullopt},
        {"-0", 0},
        {"-0.0", 0},
        {"0e999999999999999999999", 0},
        {"9223372036854775807", max},
        {"9223372036854775807.0", max},
        {"9.223372036854775807e18", max},
        {"9223372036854775808", std::nullopt},
        {"9.223372036854775808e18", std::nullopt},
        {"-9223372036854775808", min},
        {"-9223372036854775809", std::nullopt},
        {"1e19", std::nullopt},
        {"1e18", 1'000'000'000'000'000'000},
        {"100000000000000000000e-2", 1'000'000'000'000'000'000},
        {"1e-400", std::nullopt},
        {"0.1", std::nullopt},
    };
    for (const auto& [text, väntat] : fall) {
        // Through the parser, so the number keeps the text it was read with.
        auto v = läsJson(b(std::string("[") + text + "]"));
        ASSERT_TRUE(v) << text;
        EXPECT_EQ((*v->rot().element().begin()).heltal(), väntat) << text;
    }
    // Beyond what the parser lets through, the conversion still decides.
    EXPECT_EQ(heltalFrånJsonTal("1e999999999999999999"), std::nullopt);
    EXPECT_EQ(heltalFrånJsonTal("-1e999999999999999999"), std::nullopt);
}

TEST(JsonLasare, ConversionsRefuseOtherTypes) {
    auto dok = läsJson(b(R"({"s":"1930","t":true,"f":false,"one":1,"zero":0.0,"two":2,"n":null,"a":[{}],"m":[{},1]})"));
    ASSERT_TRUE(dok);
    const JsonVärde rot = dok->rot();
    const JsonVärde* v = &rot;
    EXPECT_EQ(v->medlem("s")->heltal(), std::nullopt);
    EXPECT_EQ(v->medlem("t")->heltal(), std::nullopt);
    EXPECT_EQ(v->medlem("t")->boolesk(), true);
    EXPECT_EQ(v->medlem("f")->boolesk(), false);
    EXPECT_EQ(v->medlem("one")->boolesk(), true);
    EXPECT_EQ(v->medlem("zero")->boolesk(), false);
    EXPECT_EQ(v->medlem("two")->boolesk(), std::nullopt);
    EXPECT_EQ(v->medlem("s")->boolesk(), std::nullopt);
    EXPECT_EQ(v->medlem("n")->text(), std::nullopt);
    EXPECT_EQ(v->medlem("one")->text(), std::nullopt);
    EXPECT_TRUE(v->medlem("a")->listaAvObjekt());
    EXPECT_FALSE(v->medlem("m")->listaAvObjekt());
    EXPECT_FALSE(v->medlem("saknas"));
}

TEST(JsonTextform, IsCompactAndBounded) {
    auto v = läsJson(b(R"({"b":[1.50,true,null],"a":"x\n\"y\""})"));
    ASSERT_TRUE(v);
    EXPECT_EQ(jsonTextform(v->rot()), R"({"a":"x\n\"y\"","b":[1.50,true,null]})");

    // Texts decoded where they stood leave what follows them whole; a
    // number keeps its text but for an integer's minus zero.
    auto w = läsJson(b(R"({"a":"x\"y","b":["\u00e5\ud83d\ude00\/\\","\u0041",-0,-0.0,1E2,-0e0],"a":"z"})"));
    ASSERT_TRUE(w);
    EXPECT_EQ(jsonTextform(w->rot()), "{\"a\":\"z\",\"b\":[\"\u00e5\U0001F600/\\\\\",\"A\",0,-0.0,1E2,-0e0]}");

    auto djup = läsJson(b(nästlat(512)));
    ASSERT_TRUE(djup);
    EXPECT_EQ(jsonTextform(djup->rot(), {.djup = 3, .längd = 1000}), "[[[[\u2026]]]]");

    auto lång = läsJson(b("[\"" + std::string(5000, 'x') + "\"]"));
    ASSERT_TRUE(lång);
    std::string t = jsonTextform(lång->rot(), {.djup = 6, .längd = 100});
    EXPECT_EQ(t, "[\"" + std::string(98, 'x') + "\u2026");

    // A cut never splits a character.
    auto å = läsJson(b("[\"" + std::string(10, 'x') + "\xc3\xa5\xc3\xa5\"]"));
    std::string s = jsonTextform(å->rot(), {.djup = 6, .längd = 13});
    EXPECT_EQ(s, "[\"" + std::string(10, 'x') + "\u2026");
}

}  // namespace
