#include "Mallprov.h"

#include "Fillagring.h"
#include "Modell/Beloppsformatterare.h"
#include "Plattform/Filer.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Lokalisering.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace pdfkontroll;
using namespace testhjalp;

namespace mallprov {

std::string Mallkörning::nummer() const { return faktura->nummer(); }

std::string Mallkörning::fortsätter() const {
    const std::string rad = sträng("\u2026 continued on page %d", "", faktura->språk());
    const size_t början = rad.find(' ') + 1;
    return rad.substr(början, rad.find(' ', början) - början);
}

std::string Mallkörning::attBetala() const {
    return Beloppsformatterare::förFaktura(faktura->valuta()).string(faktura->attBetala()).value_or("");
}

std::string Mallkörning::nettobelopp() const {
    return Beloppsformatterare::förFaktura(faktura->valuta()).string(faktura->nettobelopp()).value_or("");
}

std::string Mallkörning::förfallodatum() const { return Fakturavy::datumtext(faktura->förfallodatum()); }

std::string Mallprov::skrivExempel(const std::string& kod, std::vector<std::string> val) {
    const fs::path dokument = katalog / ("dok" + std::to_string(nästa++) + ".bok");
    val.insert(val.begin(), {"--latest-template", kod});
    val.push_back(dokument.string());
    Körning k = körProgram((fs::path(KONTOBOK_BINARY).parent_path() / "make-example").string(), val);
    EXPECT_EQ(k.status, 0) << k.fel;
    return dokument.string();
}

static Mallkörning läs(const std::string& dokument) {
    Mallkörning k;
    k.bok = Bokföring::från(readWholeFile(dokument));
    k.faktura = senasteSkickadeFaktura(k.bok->skickadeFakturor);
    return k;
}

Mallkörning Mallprov::körMall(const std::string& kod, std::vector<std::string> val) {
    const std::string dokument = skrivExempel(kod, val);
    Mallkörning k = läs(dokument);
    const fs::path ut = katalog / ("ut" + std::to_string(nästa++));
    fs::create_directory(ut);
    Körning körning = körKontobok({dokument, "--latestInvoice"}, {.miljö = {{"TMPDIR", ut.string()}}});
    EXPECT_EQ(körning.status, 0) << körning.fel;
    k.pdf = ut / (k.faktura->nummer() + ".pdf");
    if (fs::exists(k.pdf)) k.ord = ord(k.pdf);
    return k;
}

Mallkörning Mallprov::följesedel(const std::string& kod, std::vector<std::string> val) {
    Mallkörning k = läs(skrivExempel(kod, val));
    Fakturavy vy(*k.faktura, *k.bok, true);
    std::vector<uint8_t> pdf = vy.pdf();
    k.pdf = katalog / ("följesedel" + std::to_string(nästa++) + ".pdf");
    std::ofstream(k.pdf, std::ios::binary).write(reinterpret_cast<const char*>(pdf.data()), pdf.size());
    k.ord = ord(k.pdf);
    return k;
}

void Mallprov::kontrolleraDokument(const Mallkörning& k, int sidor, Size sida,
                                   const std::set<std::string>& mallensTypsnitt) {
    ASSERT_TRUE(fs::exists(k.pdf)) << k.pdf;
    auto info = information(k.pdf);
    EXPECT_EQ(info["Pages"], std::to_string(sidor));
    EXPECT_EQ(info["Page size"].substr(0, info["Page size"].find(" pts")),
              std::to_string(static_cast<int>(sida.width)) + " x " + std::to_string(static_cast<int>(sida.height)));
    std::string qpdf;
    EXPECT_TRUE(qpdfGodkänner(k.pdf, qpdf)) << qpdf;
    std::set<std::string> ytor;
    for (const auto& namn : mallensTypsnitt) ytor.insert(fonts::substituteFaceName(namn).value_or(namn));
    for (const Typsnitt& t : typsnitt(k.pdf)) {
        EXPECT_TRUE(ytor.count(t.namn)) << t.namn << " is not a face of the template";
        EXPECT_TRUE(t.inbäddat) << t.namn;
    }
}

void Mallprov::kontrolleraRuta(const Mallkörning& k, int sida, const std::string& text, const Rect& ram) {
    auto rutor = rutorFörText(k.ord, sida, text);
    ASSERT_FALSE(rutor.empty()) << "'" << text << "' on page " << sida;
    std::string var;
    for (const Rect& ruta : rutor) {
        if (inom(ruta, ram, 2)) return;
        var += " (" + std::to_string(ruta.x) + ", " + std::to_string(ruta.y) + ", " + std::to_string(ruta.width) +
               ", " + std::to_string(ruta.height) + ")";
    }
    ADD_FAILURE() << "'" << text << "' at" << var;
}

void Mallprov::kontrolleraSaknas(const Mallkörning& k, int sida, const std::string& text) {
    EXPECT_FALSE(rutaFörText(k.ord, sida, text)) << "'" << text << "' on page " << sida;
}

void Mallprov::kontrolleraBeloppenBaraPåSistaSidan(const Mallkörning& k, int sidor) {
    for (int sida = 1; sida < sidor; ++sida) kontrolleraSaknas(k, sida, k.nettobelopp());
    EXPECT_TRUE(rutaFörText(k.ord, sidor, k.nettobelopp())) << "'" << k.nettobelopp() << "' on page " << sidor;
}

void Mallprov::kontrolleraEnSida(const Mallkörning& k, Size sida, const std::set<std::string>& mallensTypsnitt,
                                 const Ramar& ramar) {
    kontrolleraDokument(k, 1, sida, mallensTypsnitt);
    kontrolleraRuta(k, 1, k.nummer(), ramar.nummer);
    kontrolleraRuta(k, 1, k.attBetala(), ramar.attBetala);
    kontrolleraRuta(k, 1, k.förfallodatum(), ramar.förfallodatum);
    kontrolleraRuta(k, 1, "Konsulttimme", ramar.poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, ramar.avsändare);
    kontrolleraBeloppenBaraPåSistaSidan(k, 1);
}

void Mallprov::kontrolleraFöljesedeln(const Mallkörning& k, Size sida, const std::set<std::string>& mallensTypsnitt,
                                      const Rect& nummer, const Rect& poster, const Rect& avsändare) {
    kontrolleraDokument(k, 1, sida, mallensTypsnitt);
    kontrolleraRuta(k, 1, k.nummer(), nummer);
    kontrolleraRuta(k, 1, "Konsulttimme", poster);
    kontrolleraRuta(k, 1, k.bok->organisationsnummer, avsändare);
    kontrolleraSaknas(k, 1, k.attBetala());
    kontrolleraSaknas(k, 1, k.nettobelopp());
}

void Mallprov::kontrolleraTreSidor(const Mallkörning& k, Size sida, const std::set<std::string>& mallensTypsnitt,
                                   const Rect& nummer, const Rect& attBetala, const Rect& förstaRaden) {
    kontrolleraDokument(k, 3, sida, mallensTypsnitt);
    for (int s = 1; s <= 3; ++s) {
        kontrolleraRuta(k, s, k.nummer(), nummer);
        kontrolleraRuta(k, s, k.attBetala(), attBetala);
    }
    kontrolleraRuta(k, 1, "Rad 1:", förstaRaden);
    kontrolleraBeloppenBaraPåSistaSidan(k, 3);
}

}  // namespace mallprov
