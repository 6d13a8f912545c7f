#pragma once
// A view without a template of its own, ready for one item-table call with
// the fixed-width measurer: data in a 10-point font (5 points a character,
// 12 points a line), the headings pinned to one size whatever their
// captions say.
#include "Vyer/Faktura/Fakturavy.h"

#include "Displaylista.h"
#include "FastMatare.h"
#include "Provfaktura.h"
#include "Plattform/Lokal.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Rumsplan.h"
#include "Vyer/Faktura/Styckeformat.h"

#include <gtest/gtest.h>

#include <memory>

class Artikeltabell : public ::testing::Test {
protected:
    void SetUp() override {
        lokal::sättAktuell("en_US");
        faktura.inbyggdFakturamall_.reset();
    }
    void TearDown() override { lokal::sättAktuell(std::nullopt); }

    static TextAttributes attribut(const char* font, bool högerställd) {
        TextAttributes a;
        a.font = Font{font, 10};
        if (högerställd) a.paragraphStyle = rightAligned();
        return a;
    }

    static prov::Post post(std::string artikelnamn) {
        prov::Post p;
        p.artikelnamn_ = std::move(artikelnamn);
        return p;
    }

    // The view, made on first use (the invoice is read when the table is laid out).
    Fakturavy& vy(bool följesedel = false) {
        if (!vy_) vy_ = std::make_unique<Fakturavy>(faktura, *bok, följesedel, mätare);
        return *vy_;
    }

    // Every column heading, plain and in capitals, measures `storlek`.
    void fästRubriker(Size storlek) {
        Fakturavy& v = vy();
        for (const std::string& r :
             {v.rubrikFörNummer(), v.rubrikFörArticleNumber(), v.rubrikFörBeskrivning(), v.rubrikFörRabattkolumn(),
              v.rubrikFörKommentar(), v.rubrikFörAntal(), v.rubrikFörStyckpris(), v.rubrikFörMoms(),
              v.rubrikFörRadensBelopp(), v.rubrikFörRadensBeloppInklMoms()}) {
            mätare.fasta[r] = storlek;
            mätare.fasta[versaler(r)] = storlek;
        }
    }

    void lägg(Rect datautrymme, double höjdPåÖvrigaSidor, std::optional<Color> band = std::nullopt,
              Fakturavy::EgnaRubriker egna = nullptr, bool storaBokstäver = false,
              std::optional<double> meddelandetsFot = std::nullopt) {
        rumsplan::Plan plan(vy());
        plan.artikeltabell({rubrikattribut, dataattribut, högerställdaRubrikattribut, högerställdaDataattribut,
                            {.rubrikutrymme = rubrikutrymme,
                             .datautrymme = datautrymme,
                             .höjdPåÖvrigaSidor = höjdPåÖvrigaSidor,
                             .storaBokstäverPåRubriker = storaBokstäver,
                             .alternerandeRadfärg = band,
                             .egnaRubriker = std::move(egna),
                             .meddelandetsFot = meddelandetsFot}});
        std::move(plan).placera();
    }

    // A fresh invoice, measurer and view, for table-driven cases.
    void börjaOm() {
        vy_.reset();
        mätare.fasta.clear();
        faktura = prov::Faktura();
        faktura.inbyggdFakturamall_.reset();
    }

    const std::vector<CachatObjekt>& sida(size_t n) { return vy().innehållFörVarjeSida.at(n - 1); }

    // The frame of the string object with exactly this text on page n.
    Rect ram(size_t n, const std::string& text) {
        const CachatObjekt* o = displaylista::medText(sida(n), text);
        if (!o) {
            ADD_FAILURE() << "no '" << text << "' on page " << n << ":\n" << displaylista::beskriv(sida(n));
            return {};
        }
        return displaylista::ram(*o);
    }

    prov::Faktura faktura;
    std::unique_ptr<Bokföring> bok = prov::bokföring();
    FastMätare mätare;
    TextAttributes rubrikattribut = attribut("Rubrik", false), dataattribut = attribut("Data", false),
                   högerställdaRubrikattribut = attribut("Rubrik", true),
                   högerställdaDataattribut = attribut("Data", true);
    Rect rubrikutrymme{30, 280, 535, 15};

private:
    std::unique_ptr<Fakturavy> vy_;
};
