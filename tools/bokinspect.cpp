// bokinspect: looks inside a .bok document for developers.
//
//   bokinspect header DOC     version, body length and the preview fields
//   bokinspect body DOC OUT   the decompressed body, written to OUT
//   bokinspect lzfse-decode IN OUT
//   bokinspect lzfse-encode IN OUT
//                             our LZFSE codec on any file
//   bokinspect qr DOC NUMBER OUT.png
//                             the payment QR code of sent invoice NUMBER
//   bokinspect fi-barcode DOC NUMBER IBAN OUT.png
//                             the Finnish bank barcode of sent invoice NUMBER
//                             for the payee IBAN; prints its text and the
//                             creditor reference
//   bokinspect delivery-note DOC NUMBER OUT.pdf
//                             sent invoice NUMBER laid out as a delivery note
//
// A new subcommand is one function and one line in `kommandon`.
#include "Fillagring.h"
#include "Modell/Bokforing.h"
#include "Modell/Fakturor/Faktura.h"
#include "Modell/Fakturor/FinsktReferensnummer.h"
#include "Plattform/Filer.h"
#include "Plattform/Lzfse/Lzfse.h"
#include "Vyer/Faktura/Betalkodsbilder.h"
#include "Vyer/Faktura/Fakturavy.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <memory>
#include <stdexcept>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Argument = std::vector<std::string>;

struct Kommando {
    std::string_view namn;
    std::string_view argument;
    size_t antalArgument;
    std::function<int(const Argument&)> kör;
};

std::string visaText(const std::string& text) {
    std::string ut = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') ut += '\\';
        if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            ut += buf;
        } else {
            ut += static_cast<char>(c);
        }
    }
    return ut + "\"";
}

std::string visaLogotyp(const std::optional<Bytes>& logotyp) {
    if (!logotyp) return "none";
    std::string ut = std::to_string(logotyp->size()) + " bytes";
    // The first bytes tell the format apart (%PDF, \x89PNG, JPEG, TIFF).
    if (!logotyp->empty()) {
        ut += ", starting";
        for (size_t i = 0; i < std::min<size_t>(8, logotyp->size()); ++i) {
            char buf[4];
            std::snprintf(buf, sizeof buf, " %02x", (*logotyp)[i]);
            ut += buf;
        }
    }
    return ut;
}

int huvud(const Argument& a) {
    Bytes fil = readWholeFile(a[0]);
    Bokfilshuvud h = läsBokfilshuvud(fil);
    std::cout << "version: " << h.version << "\n"
              << "body length: " << h.kroppslängd << "\n"
              << "compressed body: " << h.komprimeradKropp.size() << " bytes\n"
              << "preview length: " << h.förhandsvisning.size() << "\n";
    try {
        Förhandsvisning f = läsFörhandsvisning(h.förhandsvisning);
        std::cout << "logo: " << visaLogotyp(f.logotyp) << "\n"
                  << "name: " << visaText(f.namn) << "\n"
                  << "organisation number: " << visaText(f.organisationsnummer) << "\n"
                  << "latest entry date: "
                  << (f.senasteVerifikationsdatum != 0 ? std::to_string(f.senasteVerifikationsdatum) : "none") << "\n"
                  << "greatest invoice ordinal: " << f.störstaFakturaordningstal << "\n";
    } catch (const FormatError& e) {
        std::cout << "preview: damaged (" << e.what() << ")\n";
    }
    return 0;
}

int kropp(const Argument& a) {
    Bokfil bokfil = läsBokfil(readWholeFile(a[0]));
    writeFileSafely(a[1], bokfil.kropp);
    std::cout << "wrote " << bokfil.kropp.size() << " bytes to " << a[1] << "\n";
    return 0;
}

// Decoded streams are capped well above any document body.
constexpr size_t störstaAvkodning = size_t(4) << 30;

int lzfseAvkoda(const Argument& a) {
    auto ut = lzfse::decodeUpTo(readWholeFile(a[0]), störstaAvkodning);
    if (!ut) throw std::runtime_error(a[0] + " is not an intact LZFSE stream");
    writeFileSafely(a[1], *ut);
    std::cout << "wrote " << ut->size() << " bytes to " << a[1] << "\n";
    return 0;
}

int lzfseKoda(const Argument& a) {
    Bytes ut = lzfse::encode(readWholeFile(a[0]));
    writeFileSafely(a[1], ut);
    std::cout << "wrote " << ut.size() << " bytes to " << a[1] << "\n";
    return 0;
}

std::unique_ptr<Bokföring> dokument(const std::string& fil) { return Bokföring::från(readWholeFile(fil)); }

// The sent invoice whose number text is `nummer`, the first of several.
const Faktura& skickadFaktura(const Bokföring& bok, const std::string& nummer) {
    for (const auto& f : bok.skickadeFakturor)
        if (f->nummer() == nummer) return *f;
    throw std::runtime_error("no sent invoice has the number " + visaText(nummer));
}

void skrivBild(const Bild& bild, const std::string& fil) {
    if (!bild.skrivPNG(fil)) throw std::runtime_error("could not write " + fil);
    std::cout << "wrote " << bild.bredd << " x " << bild.höjd << " pixels to " << fil << "\n";
}

int qr(const Argument& a) {
    auto bok = dokument(a[0]);
    skrivBild(qrkodMedBokföring(skickadFaktura(*bok, a[1]), *bok), a[2]);
    return 0;
}

int finskStreckkod(const Argument& a) {
    auto bok = dokument(a[0]);
    const Faktura& f = skickadFaktura(*bok, a[1]);
    try {
        std::string text = f.finskStreckkodssträngMedIBAN(a[2]);
        Bild bild = finskStreckkodsbildMedIban(f, a[2]);
        std::cout << "barcode: " << text << "\n"
                  << "reference: " << f.finsktReferensnummer() << "\n";
        skrivBild(bild, a[3]);
    } catch (const FelPåFinsktReferensnummer& fel) {
        std::cerr << "bokinspect: " << fel.description() << "\n";
        return 1;
    }
    return 0;
}

int följesedel(const Argument& a) {
    auto bok = dokument(a[0]);
    Fakturavy vy(skickadFaktura(*bok, a[1]), *bok, true);
    std::vector<uint8_t> pdf = vy.pdf();
    writeFileSafely(a[2], Bytes(pdf.begin(), pdf.end()));
    std::cout << "wrote " << vy.antalSidor() << " pages to " << a[2] << "\n";
    return 0;
}

const std::vector<Kommando> kommandon = {
    {"header", "DOC", 1, huvud},
    {"body", "DOC OUT", 2, kropp},
    {"lzfse-decode", "IN OUT", 2, lzfseAvkoda},
    {"lzfse-encode", "IN OUT", 2, lzfseKoda},
    {"qr", "DOC NUMBER OUT.png", 3, qr},
    {"fi-barcode", "DOC NUMBER IBAN OUT.png", 4, finskStreckkod},
    {"delivery-note", "DOC NUMBER OUT.pdf", 3, följesedel},
};

int användning() {
    std::cerr << "usage:\n";
    for (const auto& k : kommandon) std::cerr << "  bokinspect " << k.namn << " " << k.argument << "\n";
    return 2;
}

std::string_view fallnamn(Filformatsfel fel) {
    switch (fel) {
    case Filformatsfel::kundeIntePackaUpp: return "kundeIntePackaUpp";
    case Filformatsfel::inteEnBokföringsfilFrånVersion7: return "inteEnBokföringsfilFrånVersion7";
    case Filformatsfel::förGammalVersion: return "förGammalVersion";
    }
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return användning();
    std::string_view namn = argv[1];
    Argument argument(argv + 2, argv + argc);
    for (const auto& k : kommandon) {
        if (k.namn != namn) continue;
        if (argument.size() != k.antalArgument) return användning();
        try {
            return k.kör(argument);
        } catch (const FilformatsfelUndantag& e) {
            std::cerr << "bokinspect: " << fallnamn(e.fall) << ": " << e.what() << "\n";
        } catch (const std::exception& e) {
            std::cerr << "bokinspect: " << e.what() << "\n";
        }
        return 1;
    }
    return användning();
}
