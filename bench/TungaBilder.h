#pragma once
// Documents whose latest invoice carries a heavy background or logo: what
// an import or a hostile file can plant in a few kilobytes or megabytes.
// The latest invoice uses the example ledger's own user template (its
// table mode) with the background given, or the built-in standard
// template with the logo given.
#include "Exempel/Exempelbokforing.h"
#include "Fillagring.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Plattform/Ritning/HandmadePdf.h"
#include "Plattform/Ritning/PdfWriter.h"

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <optional>
#include <string>
#include <vector>

namespace bänk::tunga {

// `rader` rows of `rad`, deflated.
inline std::string packade(const std::string& rad, uint64_t rader) {
    z_stream z{};
    deflateInit(&z, 6);
    std::string ut;
    std::vector<unsigned char> buffert(1 << 16);
    for (uint64_t i = 0; i <= rader; ++i) {
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(rad.data()));
        z.avail_in = i < rader ? uInt(rad.size()) : 0;
        const int flagga = i < rader ? Z_NO_FLUSH : Z_FINISH;
        do {
            z.next_out = buffert.data();
            z.avail_out = uInt(buffert.size());
            deflate(&z, flagga);
            ut.append(reinterpret_cast<char*>(buffert.data()), buffert.size() - z.avail_out);
        } while (z.avail_out == 0);
    }
    deflateEnd(&z);
    return ut;
}

// One A4 page (object 3) with this content (object 4, deflated) and these
// resources, and more objects from 5 on; a crop box when one is given.
inline Bytes pdfsida(const std::string& innehåll, const std::string& resurser, const std::vector<std::string>& fler,
                     const std::string& beskärning = "") {
    return testhjalp::handmadePdf({{.mediaBox = "0 0 595 842",
                                    .cropBox = beskärning,
                                    .content = innehåll,
                                    .resources = resurser,
                                    .contentEntries = "/Filter /FlateDecode"}},
                                  fler);
}

// A colour gradient, every row the same: the file is small, the pixels
// are not.
inline std::string gradient(int bredd) {
    std::string rad(3 * size_t(bredd), '\0');
    for (size_t i = 0; i < rad.size(); ++i) rad[i] = char(i * 7 / 3);
    return rad;
}

// A background whose page is one RGB image of sida x sida pixels.
inline Bytes bakgrundMedBild(int sida) {
    const std::string bild = "/Type /XObject /Subtype /Image /Width " + std::to_string(sida) + " /Height " +
                             std::to_string(sida) + " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode";
    return pdfsida(packade("q 595 0 0 842 0 0 cm /Im Do Q", 1), "/XObject << /Im 5 0 R >>",
                   {pdfStröm(bild, packade(gradient(sida), uint64_t(sida)))});
}

// A background of `antal` times the same line, stroked.
inline Bytes bakgrundMedLinjer(uint64_t antal) {
    return pdfsida(packade("10 10 m 585 832 l S\n", antal), "", {});
}

// A page that paints one mesh of `trianglar` triangles `gånger` times; with
// a crop box when one is given (a malformed one is read as the media box).
inline Bytes pdfMedNät(int trianglar, int gånger, const std::string& beskärning = "") {
    std::string innehåll;
    for (int i = 0; i < gånger; ++i) innehåll += "/Sh sh\n";
    return pdfsida(packade(innehåll, 1), "/Shading << /Sh 5 0 R >>",
                   {pdfStröm(testhjalp::meshShadingEntries() + " /Filter /FlateDecode",
                                              packade(testhjalp::meshShadingData(trianglar), 1))},
                   beskärning);
}

// A background of `sidor` pages, each its own small drawing.
inline Bytes bakgrundMedSidor(int sidor) {
    return testhjalp::handmadePdf(std::vector<testhjalp::HandmadePage>(size_t(sidor), {.mediaBox = "0 0 595 842"}));
}

// A background of our own drawing: `antal` lines, each its own.
inline Bytes bakgrundMedStreck(int antal) {
    PdfWriter skrivare({"", "", "", 0});
    Canvas& duk = skrivare.beginPage({595, 842});
    for (int i = 0; i < antal; ++i) {
        BezierPath linje;
        linje.moveTo({double(i % 595), double(i * 7 % 842)});
        linje.lineTo({double(i * 13 % 595), double(i * 11 % 842)});
        duk.stroke(linje, Color::grey(0.85));
    }
    skrivare.endPage();
    return skrivare.finish();
}

// A PNG of sida x sida pixels, every row the same gradient.
inline Bytes png(int sida) {
    Bytes ut;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    const std::string rad = gradient(sida);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(
        png, &ut,
        [](png_structp p, png_bytep data, size_t längd) {
            auto* b = static_cast<Bytes*>(png_get_io_ptr(p));
            b->insert(b->end(), data, data + längd);
        },
        [](png_structp) {});
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, png_uint_32(sida), png_uint_32(sida), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < sida; ++y) png_write_row(png, reinterpret_cast<png_const_bytep>(rad.data()));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return ut;
}

// The document: a small ledger whose latest invoice has `poster` items,
// in its user template with this background, or in the standard template
// under this logo; in its user template when `logotypfält` asks for the
// logo in that many fields of it, small frames along the page's foot.
inline Bytes dokument(std::optional<Bytes> bakgrund, std::optional<Bytes> logotyp, int64_t poster,
                      int logotypfält = 0) {
    Exempelval val;
    val.antalSkickadeFakturor = 3;
    val.senasteFaktura.antalPoster = poster;
    val.senasteFaktura.språk = "sv";
    auto bok = byggExempelbokföring(val);
    Faktura* senaste = nullptr;
    for (auto& f : bok->skickadeFakturor)
        if (f.get() == senasteSkickadeFaktura(bok->skickadeFakturor)) senaste = f.get();
    if (bakgrund) {
        Fakturamall& mall = *bok->fakturamallar.front();
        mall.språk.front().pdfData = std::move(*bakgrund);
        // Headings above the contents field: the items in the item table.
        for (size_t i = 0; i < mall.fält.size(); ++i)
            if (mall.fält[i].id == Fakturafält::Id::LineContents) {
                const Fakturafält innehåll = mall.fält[i];
                mall.fält.emplace_back(Rect{innehåll.ram.x, innehåll.ram.maxY(), innehåll.ram.width, 20},
                                       Fakturafält::Id::LineHeaders, innehåll.stil);
            }
        senaste->egenFakturamall_ = &mall;
        senaste->_namnPåEgenFakturamall = mall.namn;
    }
    if (logotypfält > 0) {
        Fakturamall& mall = *bok->fakturamallar.front();
        const Stil stil(Font{"Helvetica", 10}, TextAlignment::left);
        for (int i = 0; i < logotypfält; ++i)
            mall.fält.emplace_back(Rect{40 + 64.0 * (i % 8), 20 + 34.0 * (i / 8 % 5), 60, 30},
                                   Fakturafält::Id::Logo, stil);
        senaste->egenFakturamall_ = &mall;
        senaste->_namnPåEgenFakturamall = mall.namn;
    }
    if (logotyp) bok->logotyp = std::move(*logotyp);
    return bok->dataMedMellansteg(versionSomSkrivs);
}

}  // namespace bänk::tunga
