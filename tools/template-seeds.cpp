// template-seeds: user-template records for the fuzzer fuzz_egenmall, one
// file each, written to DIR.
//
//   template-seeds DIR
//
// Between them the records take every road of the template reader (the
// three record versions, language versions with and without a background,
// known, unknown and missing field codes, style archives that decode and
// that do not, colours present and absent), of the layout (line mode
// over pages, table mode, page numbers, codes, frames it must leave out)
// and of the background reader (small ones of the hostile shapes it is
// bounded against).
#include "Exempel/HandskrivenPdf.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Plattform/Ritning/BezierPath.h"
#include "Plattform/Filer.h"
#include "Plattform/Ritning/PdfWriter.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

using Id = Fakturafält::Id;

// A page with a band along its top, drawn through our own writer.
Bytes bakgrund(double bredd, double höjd) {
    PdfWriter skrivare({.title = "Background", .author = "", .creator = "template-seeds", .creationDate = 0});
    Canvas& duk = skrivare.beginPage({bredd, höjd});
    duk.fill(BezierPath::rect({0, 0, bredd, 60}), Color::rgb(0.9, 0.93, 0.97));
    skrivare.endPage();
    return skrivare.finish();
}

// One page of these resources and this content, more objects from 5 on.
Bytes sidaMed(const std::string& resurser, const std::string& innehåll, std::vector<std::string> fler = {},
              const std::string& lådor = "/MediaBox [0 0 595 842]") {
    std::vector<std::string> objekt = {"<< /Type /Catalog /Pages 2 0 R >>", "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                       "<< /Type /Page /Parent 2 0 R " + lådor + " /Resources << " + resurser +
                                           " >> /Contents 4 0 R >>",
                                       pdfStröm("", innehåll)};
    objekt.insert(objekt.end(), fler.begin(), fler.end());
    return pdfAvObjekt(objekt);
}

// Backgrounds of the shapes that exhaust a careless reader, small: a
// chain of references past the depth bound, a mesh painted many times on
// a page whose crop box is malformed.
Bytes kedja(int länkar) {
    std::vector<std::string> länk;
    for (int i = 1; i < länkar; ++i) länk.push_back("[" + std::to_string(5 + i) + " 0 R]");
    länk.push_back("[0]");
    return sidaMed("/Chain 5 0 R", "0 0 1 rg 10 10 50 30 re f", länk);
}

Bytes nätMålatOfta() {
    std::string data;
    for (int i = 0; i < 6; ++i) {
        char hörn[40];
        std::snprintf(hörn, sizeof hörn, "%02X%04X%04X%02X%02X%02X", i < 3 ? 0 : 1, (i * 9000) % 65536,
                      65535 - (i * 7000) % 65536, 40 * i, 255 - 40 * i, 128);
        data += hörn;
    }
    std::string målningar;
    for (int i = 0; i < 200; ++i) målningar += "/Sh sh\n";
    return sidaMed("/Shading << /Sh 5 0 R >>", målningar,
                   {pdfStröm("/ShadingType 4 /ColorSpace /DeviceRGB /BitsPerCoordinate 16 /BitsPerComponent 8 "
                          "/BitsPerFlag 8 /Decode [0 595 0 842 0 1 0 1 0 1] /Filter /ASCIIHexDecode",
                          data + ">")},
                   "/MediaBox [0 0 595 842] /CropBox [0 0 595]");
}

Stil stil(double storlek = 10, TextAlignment justering = TextAlignment::left) {
    return Stil(Font{"Helvetica", storlek}, justering);
}

Fakturaspråk version(std::string språk, std::optional<Bytes> pdf) {
    Fakturaspråk v;
    v.språk = std::move(språk);
    v.pdfData = std::move(pdf);
    v.fraser.sätt("_invoice", "Faktura");
    v.fraser.sätt("_packing_slip", "Följesedel");
    return v;
}

Bytes record(const Fakturamall& mall) {
    Utström ström;
    mall.spara(ström);
    return ström.take();
}

// Every field kind but the table's two, one row of them each 12 high down
// the page, and the line fields as columns over a short area.
Fakturamall radläge() {
    Fakturamall m;
    m.namn = "Rader";
    double y = 800;
    for (Id id : allaFältId()) {
        if (id == Id::LineHeaders || id == Id::LineContents) continue;
        const bool rad = id >= Id::LineNumber && id <= Id::LineUnit;
        if (rad) {
            const double x = 20 + 44 * double(size_t(id) - size_t(Id::LineNumber));
            m.fält.emplace_back(Rect{x, 100, 42, 80}, id, stil(8));
        } else {
            m.fält.emplace_back(Rect{20, y, 250, 12}, id, stil(9, TextAlignment::right));
            y -= 12;
        }
    }
    m.fält.emplace_back(Rect{300, 600, 120, 120}, Id::QRCode, stil());
    m.fält.emplace_back(Rect{300, 540, 280, 50}, Id::BarCode, stil());
    m.språk.push_back(version("sv", bakgrund(595, 842)));
    return m;
}

Fakturamall tabelläge(double innehållshöjd, double radavstånd) {
    Fakturamall m;
    m.namn = "Tabell";
    m.radavstånd = radavstånd;
    m.gammaldagsStränghantering = true;
    m.fält.emplace_back(Rect{40, 600, 500, 20}, Id::LineHeaders, stil(9));
    m.fält.emplace_back(Rect{50, 560 - innehållshöjd, 480, innehållshöjd}, Id::LineContents, stil(10));
    m.fält.emplace_back(Rect{400, 780, 150, 16}, Id::Number, stil());
    m.fält.emplace_back(Rect{500, 20, 40, 14}, Id::PageNumber, stil());
    m.fält.emplace_back(Rect{40, 40, 200, 60}, Id::RecipientAddress, stil());
    m.språk.push_back(version("sv", bakgrund(595, 842)));
    return m;
}

// Versions in several languages, one without a background and one whose
// background is no PDF, beside a landscape one.
Fakturamall språk() {
    Fakturamall m;
    m.namn = "Språk";
    m.språk.push_back(version("de", std::nullopt));
    m.språk.push_back(version("sv", bakgrund(842, 595)));
    m.språk.push_back(version("en", Bytes{'%', 'P', 'D', 'F', '-', '1', '.', '4', '\n'}));
    for (auto& v : m.språk) v.fält.emplace_back(Rect{40, 500, 200, 20}, Id::Number, stil(12));
    m.fält.emplace_back(Rect{40, 100, 400, 200}, Id::LineArticleName, stil());
    return m;
}

// Versions whose backgrounds are hostile: one refused, one put in.
Fakturamall fientligaBakgrunder() {
    Fakturamall m;
    m.namn = "Fientliga";
    m.språk.push_back(version("sv", kedja(120)));
    m.språk.push_back(version("en", nätMålatOfta()));
    for (auto& v : m.språk) v.fält.emplace_back(Rect{40, 500, 200, 20}, Id::Number, stil(12));
    m.fält.emplace_back(Rect{40, 100, 400, 200}, Id::LineArticleName, stil());
    return m;
}

// Frames a layout must leave out or cannot fill.
Fakturamall ramar() {
    const double oändligt = std::numeric_limits<double>::infinity();
    Fakturamall m;
    m.namn = "Ramar";
    for (Rect r : {Rect{10, 10, -5, 20}, Rect{10, 10, 50, std::numeric_limits<double>::quiet_NaN()},
                   Rect{10, 10, oändligt, 20}, Rect{10, 1e308, 50, 1e308}, Rect{10, 10, 0, 0}})
        m.fält.emplace_back(r, Id::Number, stil());
    m.fält.emplace_back(Rect{40, 400, 200, 4}, Id::LineArticleName, stil(30));
    m.fält.emplace_back(Rect{250, 400, 100, 300}, Id::LineQuantity, stil(1e6));
    m.språk.push_back(version("sv", bakgrund(595, 842)));
    return m;
}

// A record written field by field, to hold what the model never writes:
// codes it does not know or none, undecodable style archives, and the two
// older record versions.
struct Handskrivet {
    Utström ström;

    void fält(const std::optional<std::string>& kod, const Bytes& typsnitt, const std::optional<Bytes>& färg,
              int64_t justering, const Rect& ram) {
        ström.writeString(kod);
        ström.writeData(typsnitt);
        ström.writeData(färg);
        ström.writeInt64(justering);
        for (double v : {ram.x, ram.y, ram.width, ram.height}) ström.writeFloat64(v);
        ström.writeInt64(0);
    }
};

Bytes handskrivet(int rekordversion) {
    const Bytes typsnitt = stil().typsnittsarkiv();
    const Bytes färg = *Stil(Font{"Helvetica", 10}, TextAlignment::left, Color::rgb(0.8, 0, 0)).färgarkiv();
    const Bytes skräp = {0x04, 0x0b, 's', 't', 'r', 'e', 'a', 'm', 't', 'y', 'p', 'e', 'd', 0x81, 0xe8, 0x03};
    Handskrivet h;
    h.ström.writeInt64(1);  // one language
    Utström språket;
    version("sv", bakgrund(595, 842)).spara(språket);
    h.ström.append(språket.bytes());
    h.ström.writeInt64(6);  // fields
    h.fält("_no", typsnitt, färg, 2, {300, 700, 200, 20});
    h.fält("_something_new", typsnitt, std::nullopt, 0, {40, 700, 200, 20});
    h.fält(std::nullopt, typsnitt, std::nullopt, 0, {40, 650, 200, 20});
    h.fält("_invoice_date", skräp, skräp, 1, {300, 650, 200, 20});
    h.fält("_line_article_name", typsnitt, färg, 99, {40, 200, 300, 300});
    h.fält("_line_pcs", Bytes{}, std::nullopt, 3, {350, 200, 100, 300});
    h.ström.writeString(std::string("Handskriven"));
    if (rekordversion == 2) {
        h.ström.writeInt64(2);
        h.ström.writeFloat64(4);
        h.ström.writeByte(false);
        h.ström.writeInt64(0);
    } else if (rekordversion == 1) {
        h.ström.writeInt64(1);
        h.ström.writeByte(false);
        h.ström.writeInt64(0);
    } else {
        h.ström.writeInt64(0);  // the closing word stands where the marker is
    }
    return h.ström.take();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: template-seeds DIR\n");
        return 2;
    }
    const std::filesystem::path katalog = argv[1];
    try {
        Fakturamall utanSpråk;
        utanSpråk.namn = "Tom";
        utanSpråk.fält.emplace_back(Rect{40, 500, 200, 20}, Id::Number, stil());
        const std::pair<const char*, Bytes> poster[] = {
            {"line-mode", record(radläge())},
            {"table-mode", record(tabelläge(300, 3))},
            {"table-mode-short", record(tabelläge(10, 0))},
            {"languages", record(språk())},
            {"hostile-backgrounds", record(fientligaBakgrunder())},
            {"frames", record(ramar())},
            {"no-language", record(utanSpråk)},
            {"handwritten-v2", handskrivet(2)},
            {"handwritten-v1", handskrivet(1)},
            {"handwritten-v0", handskrivet(0)},
        };
        for (const auto& [namn, bytes] : poster) writeFileSafely(katalog / (std::string(namn) + ".rec"), bytes);
    } catch (const std::exception& fel) {
        std::fprintf(stderr, "template-seeds: %s\n", fel.what());
        return 1;
    }
    return 0;
}
