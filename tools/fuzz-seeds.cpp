// fuzz-seeds: writes the crafted seed inputs of the fuzz targets that do
// not start from whole documents.
//
//   fuzz-seeds fakturamall OUTDIR       template records and bare archives
//   fuzz-seeds lzfse-decode OUTDIR      streams of every block kind, each
//                                       after its decoded size (2 bytes LE)
//   fuzz-seeds lzfse-roundtrip OUTDIR   small inputs of several kinds
//
// The same build always writes the same files.
#include "Exempel/Exempelarkiv.h"
#include "Exempel/Exempelbokforing.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Plattform/Filer.h"
#include "Plattform/Lzfse/Lzfse.h"
#include "Plattform/Lzfse/LzfseFormat.h"
#include "Plattform/Lzfse/LzfseHeader.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

struct Fil {
    std::string namn;
    Bytes bytes;
};

Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }

// ---- Templates ----

// A style read from its record, so that it keeps the archive bytes given.
Stil stil(const Bytes& typsnitt, const std::optional<Bytes>& färg, int64_t justering) {
    Utström ut;
    ut.writeData(typsnitt);
    ut.writeData(färg);
    ut.writeInt64(justering);
    Bytes b = ut.take();
    Inström in(b);
    return Stil(in, Referenser{});
}

// A field whose stored kind code is not one we know.
Fakturafält okäntFält(const Stil& s) {
    Utström ut;
    ut.writeString(std::string("_future_field"));
    s.spara(ut);
    for (double v : {10.0, 20.0, 200.0, 14.0}) ut.writeFloat64(v);
    ut.writeInt64(0);
    Bytes b = ut.take();
    Inström in(b);
    return Fakturafält(in, Referenser{});
}

Bytes mallpost(const Fakturamall& mall) {
    Utström ut;
    mall.spara(ut);
    return ut.take();
}

// The record in an older version: the closing words after the name as
// version 1 (drawing flag only) or version 0 (none).
Bytes äldreMallpost(const Fakturamall& mall, int version) {
    Bytes b = mallpost(mall);
    b.resize(b.size() - (8 + 8 + 1 + 8));  // version, line spacing, flag, closing word
    Utström ut;
    ut.writeInt64(version);
    if (version == 1) {
        ut.writeByte(mall.gammaldagsStränghantering);
        ut.writeInt64(0);
    }
    Bytes slut = ut.take();
    b.insert(b.end(), slut.begin(), slut.end());
    return b;
}

std::vector<Fil> mallfrön() {
    std::vector<Fil> ut;
    auto typsnitt = typsnittsarkiv();
    auto färger = färgarkiv();
    for (const auto& a : typsnitt) ut.push_back({"archive-" + a.namn, a.bytes});
    for (const auto& a : färger) ut.push_back({"archive-" + a.namn, a.bytes});

    // One template per font form, each with a colour form in turn, a field
    // without colour and one in a language version.
    for (size_t i = 0; i < std::max(typsnitt.size(), färger.size()); ++i) {
        const Bytes& t = typsnitt[i % typsnitt.size()].bytes;
        const Bytes& f = färger[i % färger.size()].bytes;
        Fakturamall mall;
        mall.namn = "Mall " + std::to_string(i + 1);
        mall.radavstånd = 12 + double(i);
        mall.fält.emplace_back(Rect{40, 700, 240, 60}, Fakturafält::Id::RecipientAddress, stil(t, f, int64_t(i % 5)));
        mall.fält.emplace_back(Rect{40, 200, 520, 400}, Fakturafält::Id::LineContents, stil(t, std::nullopt, 0));
        Fakturaspråk språk;
        språk.språk = i % 2 ? "en" : "sv";
        språk.fraser.sätt("_invoice", i % 2 ? "Invoice" : "Faktura");
        språk.fält.emplace_back(Rect{40, 760, 300, 24}, Fakturafält::Id::Title, stil(t, f, 2));
        mall.språk.push_back(std::move(språk));
        ut.push_back({"template-" + typsnitt[i % typsnitt.size()].namn + "-" + färger[i % färger.size()].namn,
                      mallpost(mall)});
    }

    // Several languages with a background, an unknown field kind, archives
    // nobody can read and an alignment outside the known ones; then the same
    // record in both older versions.
    Fakturamall mall;
    mall.namn = "Flerspråkig";
    mall.gammaldagsStränghantering = true;
    Stil oläslig = stil(text("not an archive"), text("\x04\x0bstreamtyped\x81"), 9);
    mall.fält.push_back(okäntFält(oläslig));
    mall.fält.emplace_back(Rect{0, 0, 595, 842}, Fakturafält::Id::Logo, oläslig);
    for (const char* kod : {"sv", "en", "de"}) {
        Fakturaspråk språk;
        språk.språk = kod;
        if (std::string(kod) == "sv") språk.pdfData = text("%PDF-1.4\n%%EOF\n");
        språk.fraser.sätt("_invoice", kod);
        språk.fraser.sätt("_1st_reminder", std::string(kod) + " 1");
        språk.fält.emplace_back(Rect{40, 760, 300, 24}, Fakturafält::Id::FreeText,
                                stil(typsnitt.front().bytes, färger.back().bytes, 3));
        mall.språk.push_back(std::move(språk));
    }
    ut.push_back({"template-languages", mallpost(mall)});
    ut.push_back({"template-languages-version1", äldreMallpost(mall, 1)});
    ut.push_back({"template-languages-version0", äldreMallpost(mall, 0)});

    Fakturamall tom;
    tom.namn = "Tom";
    ut.push_back({"template-empty", mallpost(tom)});
    return ut;
}

// ---- LZFSE ----

// Bytes to compress: the body of an example document (text and numbers
// mixed as in real files), noise, and runs.
Bytes dokumentkropp() {
    Exempelval val;
    val.antalVerifikationer = 40;
    val.antalKontakter = 8;
    val.antalSkickadeFakturor = 4;
    val.allaPostformer = true;
    Utström ut;
    byggExempelbokföring(val)->spara(ut);
    return ut.take();
}

Bytes brus(size_t n, uint64_t frö) {
    Bytes b(n);
    for (auto& v : b) {
        frö = frö * 6364136223846793005ULL + 1442695040888963407ULL;
        v = uint8_t(frö >> 56);
    }
    return b;
}

Bytes början(const Bytes& b, size_t n) { return Bytes(b.begin(), b.begin() + std::min(n, b.size())); }

// The stream with each LZFSE block's header in version 1 instead.
Bytes medVersion1(const Bytes& ström) {
    Bytes ut;
    size_t at = 0;
    while (ström.size() - at >= 4) {
        std::span<const uint8_t> block(ström.data() + at, ström.size() - at);
        uint32_t magi = lzfse::load32(block.data());
        size_t längd = 4;
        if (magi == lzfse::magicV2) {
            lzfse::LzfseBlockHeader h;
            size_t huvud = lzfse::readV2Header(block, h);
            if (huvud == 0) return ström;
            lzfse::writeV1Header(h, ut);
            size_t nyttolast = size_t(h.nLiteralPayloadBytes) + h.nLmdPayloadBytes;
            ut.insert(ut.end(), block.begin() + long(huvud), block.begin() + long(huvud + nyttolast));
            at += huvud + nyttolast;
            continue;
        }
        if (magi == lzfse::magicRaw) längd = 8 + lzfse::load32(block.data() + 4);
        if (magi == lzfse::magicLzvn) längd = 12 + lzfse::load32(block.data() + 8);
        ut.insert(ut.end(), block.begin(), block.begin() + long(std::min(längd, block.size())));
        at += längd;
    }
    return ut;
}

// Inputs for the round trip, small enough to fuzz quickly; every input
// also goes through the LZFSE block encoder, whichever block wins.
std::vector<Fil> lzfseIndata(const Bytes& kropp) {
    return {{"empty", {}},
            {"one-byte", text("A")},
            {"text-300", början(kropp, 300)},
            {"noise-3000", brus(3000, 1)},
            {"text-4000", början(kropp, 4000)},
            {"run-4000", Bytes(4000, 0)}};
}

std::vector<Fil> avkodningsfrön() {
    std::vector<Fil> ut;
    auto lägg = [&](const std::string& namn, size_t storlek, const Bytes& ström) {
        Bytes b = {uint8_t(storlek), uint8_t(storlek >> 8)};
        b.insert(b.end(), ström.begin(), ström.end());
        ut.push_back({namn, std::move(b)});
    };
    Bytes blandad;  // blocks of every kind in one stream
    size_t blandadStorlek = 0;
    Bytes kropp = dokumentkropp();
    std::vector<Fil> alla = lzfseIndata(kropp);
    // Past the LZVN limit: LZFSE blocks only, or raw ones for noise.
    alla.push_back({"text-20000", början(kropp, 20000)});
    alla.push_back({"noise-20000", brus(20000, 2)});
    alla.push_back({"text-60000", början(kropp, 60000)});
    for (const auto& [namn, indata] : alla) {
        Bytes ström = lzfse::encode(indata);
        lägg(namn, indata.size(), ström);
        Bytes v1 = medVersion1(ström);
        if (v1 != ström) lägg(namn + "-v1", indata.size(), v1);
        if (blandadStorlek + indata.size() <= 0xFFFF && ström.size() >= 4) {
            blandad.insert(blandad.end(), ström.begin(), ström.end() - 4);  // without the end marker
            blandadStorlek += indata.size();
        }
    }
    lzfse::appendLe32(blandad, lzfse::magicEnd);
    lägg("mixed-blocks", blandadStorlek, blandad);
    return ut;
}

int användning() {
    std::fprintf(stderr, "usage: fuzz-seeds fakturamall|lzfse-decode|lzfse-roundtrip OUTDIR\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return användning();
    std::string slag = argv[1];
    std::string katalog = argv[2];
    try {
        std::vector<Fil> filer;
        if (slag == "fakturamall")
            filer = mallfrön();
        else if (slag == "lzfse-decode")
            filer = avkodningsfrön();
        else if (slag == "lzfse-roundtrip")
            filer = lzfseIndata(dokumentkropp());
        else
            return användning();
        for (const auto& fil : filer) writeFileSafely(katalog + "/" + fil.namn, fil.bytes);
        std::printf("wrote %zu seeds to %s\n", filer.size(), katalog.c_str());
    } catch (const std::exception& fel) {
        std::fprintf(stderr, "fuzz-seeds: %s\n", fel.what());
        return 1;
    }
    return 0;
}
