// Finding a text among the words a page shows: whole, in pieces over
// lines, cut by a clip, cut short with an ellipsis, or not at all; in
// capitals or with the punctuation a template puts around it.
#include "Faltfynd.h"

#include <gtest/gtest.h>

namespace {

using namespace fältfynd;
using pdfkontroll::RitadSida;
using pdfkontroll::RitatOrd;

// A page of these words in drawing order; "wor|ld" is a word whose letters
// after the bar do not show.
RitadSida sida(const std::vector<std::string>& ord) {
    RitadSida s;
    s.nummer = 1;
    for (const std::string& o : ord) {
        RitatOrd r;
        r.sida = 1;
        const size_t streck = o.find('|');
        r.text = streck == std::string::npos ? o : o.substr(0, streck) + o.substr(streck + 1);
        r.syns = o.substr(0, streck);
        r.glyfer = r.text.size();
        r.dolda = r.text.size() - r.syns.size();
        s.ord.push_back(r);
    }
    return s;
}

std::vector<std::string> brister(const Förekomst& f) {
    std::vector<std::string> ut;
    for (const Ordfynd& o : f.ord) ut.push_back(o.ord + ":" + (o.brist ? namn(*o.brist) : "whole"));
    return ut;
}

TEST(Faltfynd, ATextIsFoundWholeInAnyCaseAfterACaption) {
    const RitadSida s = sida({"ER", "REFERENS:", "ANNA-KARIN", "VILHELMINA", "JOHANSSON-STÅLHAMMAR", "Org.nr"});
    const auto f = Sida(s).förekomster("Anna-Karin Vilhelmina Johansson-Stålhammar");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_TRUE(f[0].hel());
    EXPECT_EQ(f[0].ord[2].ritade, std::vector<size_t>{4});
}

TEST(Faltfynd, AWordBrokenOverLinesIsWhole) {
    // At its own hyphen, hyphenated, and a long one broken anywhere.
    const RitadSida s = sida({"Johansson-", "Stålhammar", "Leverantörs-", "reskontra,", "info@forvalt", "ning.se"});
    const Sida läst(s);
    EXPECT_TRUE(läst.förekomster("Johansson-Stålhammar").at(0).hel());
    EXPECT_TRUE(läst.förekomster("Leverantörsreskontra,").at(0).hel());
    EXPECT_TRUE(läst.förekomster("info@forvaltning.se").at(0).hel());
}

TEST(Faltfynd, WhatAClipCutsIsClippedOrHidden) {
    const RitadSida s = sida({"Müller-Lüdenscheidt", "Sanitärinst|allationen", "|GmbH", "|&"});
    const auto f = Sida(s).förekomster("Müller-Lüdenscheidt Sanitärinstallationen GmbH & Co. KG");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(brister(f[0]), (std::vector<std::string>{"Müller-Lüdenscheidt:whole", "Sanitärinstallationen:clipped",
                                                       "GmbH:hidden", "&:hidden", "Co.:missing", "KG:missing"}));
    EXPECT_EQ(f[0].ord[1].visas, "Sanitärinst");
    EXPECT_EQ(f[0].funna(), 4u);
}

TEST(Faltfynd, AnEllipsisCutsAWordShortOrStandsForWhatFollows) {
    const RitadSida s = sida({"Kungsholmens", "Stran…", "IO", "2026-0042,", "Kungsholms", "…"});
    const Sida läst(s);
    EXPECT_EQ(brister(läst.förekomster("Kungsholmens Strand Västra").at(0)),
              (std::vector<std::string>{"Kungsholmens:whole", "Strand:ellipsis", "Västra:missing"}));
    EXPECT_EQ(brister(läst.förekomster("IO 2026-0042, Kungsholms Strand etapp").at(0)),
              (std::vector<std::string>{"IO:whole", "2026-0042,:whole", "Kungsholms:whole", "Strand:ellipsis",
                                        "etapp:missing"}));
    // An ellipsis alone begins no place.
    EXPECT_TRUE(läst.förekomster("Exempelbanken").empty());
}

TEST(Faltfynd, AnEllipsisCutsOnlyTheLettersItFollowsInTheTextsCase) {
    // An amount's currency, and the next line carrying the items over.
    const RitadSida s = sida({"34", "199,44", "kr", "…", "fortsätter", "på", "sida", "2", "kr…", "KROA…", "Kro…"});
    const auto f = Sida(s).förekomster("Kroatien");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].ord[0].ritade, std::vector<size_t>{9});
    EXPECT_EQ(f[1].ord[0].ritade, std::vector<size_t>{10});
}

TEST(Faltfynd, ACaptionThatBeginsLikeTheValueIsNotTakenForIt) {
    const RitadSida s = sida({"Bestellung", "Bestellung", "4500012345,", "Projekt"});
    const auto f = Sida(s).förekomster("Bestellung 4500012345, Projekt");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_TRUE(f[0].hel());
    EXPECT_EQ(f[0].ord[0].ritade, std::vector<size_t>{1});
    // The caption alone is a place of one word.
    EXPECT_EQ(f[1].funna(), 1u);
}

TEST(Faltfynd, OtherTextBetweenTwoWordsEndsAPlace) {
    // "i" and "AB" never follow; separators between joined lines may.
    const RitadSida s = sida({"Byggkonsult", "i", "Säte:", "Stockholm", "Box", "·", "12345"});
    const Sida läst(s);
    const auto namn = läst.förekomster("Byggkonsult i Stockholm AB");
    ASSERT_EQ(namn.size(), 1u);
    EXPECT_EQ(brister(namn[0]),
              (std::vector<std::string>{"Byggkonsult:whole", "i:whole", "Stockholm:missing", "AB:missing"}));
    EXPECT_TRUE(läst.förekomster("Box 12345").at(0).hel());
}

TEST(Faltfynd, EveryPlaceOfATextIsFound) {
    const RitadSida s = sida({"Brf", "Strandparken", "Ekonomi", "LEVERANSADRESS", "Brf", "Strandpar|ken"});
    const auto f = Sida(s).förekomster("Brf Strandparken");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_TRUE(f[0].hel());
    EXPECT_EQ(brister(f[1]), (std::vector<std::string>{"Brf:whole", "Strandparken:clipped"}));
}

TEST(Faltfynd, AGlyphWithoutACharacterStandsForALigature) {
    const RitadSida s = sida({"Vielen", "Dank", "für", "Ihren", "Au\uFFFDrag!"});
    EXPECT_TRUE(Sida(s).förekomster("Vielen Dank für Ihren Auftrag!").at(0).hel());
    const RitadSida ett = sida({"Au\uFFFDrag!"});
    EXPECT_TRUE(Sida(ett).förekomster("Austrag").at(0).hel());
    EXPECT_TRUE(Sida(ett).förekomster("Aurag").empty());
}

TEST(Faltfynd, KeysLeaveOutCaseHyphenFormsAndSurroundingPunctuation) {
    EXPECT_EQ(nyckel("(publ)"), "PUBL");
    EXPECT_EQ(nyckel("för."), "FÖR");
    EXPECT_EQ(nyckel("Stra\u00ADße"), "STRA-SSE");
    EXPECT_EQ(nyckel("&"), "&");
    EXPECT_EQ(ordI("c/o Förvaltnings AB\nKungsholms\u2028Strand"),
              (std::vector<std::string>{"c/o", "Förvaltnings", "AB", "Kungsholms", "Strand"}));
}

}  // namespace
