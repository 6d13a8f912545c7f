// make-example: writes a realistic example .bok document.
//
//   make-example [--entries N] [--contacts N] [--invoices N] [--unsent N] [--every-shape]
//                [--no-template] [--bare] [--all-contact-details] [--logo FILE]
//                [--latest-template CODE] [--latest-language CODE] [--latest-country CODE]
//                [--latest-items N] [--long-comments] [--long-names] [--latest-columns 8|10]
//                [--all-facts] [--discount-and-rounding] [--reverse-charge]
//                [--long-profile sv|de|fi | --ordinary-profile sv|de|fi] OUTPUT
//   make-example --generated SEED [--short] OUTPUT
//   make-example --corpus N OUTPUT
//
// --unsent adds unsent invoices; --every-shape adds records of every kind
// in each of their shapes (see Exempel/Exempelvarianter.h). The ledger
// lists fax and mobile with --all-contact-details and takes its logo from
// FILE (PNG, JPEG, TIFF or PDF) with --logo. The --latest options and
// those after them shape the latest sent invoice, the one --latestInvoice
// lays out: its built-in template (the standard template Df unless told),
// its language, the country of its customer (any of the 14), its number
// of items, long comments and long descriptions on every item, eight or
// ten columns, every fact an invoice can carry, a discount and öre
// rounding, reverse charge. --long-profile sends it to a customer whose
// names, addresses and facts are of realistic length (a Swedish housing
// cooperative, a German limited partnership, a Finnish housing company),
// from a ledger with a long name and address, with every fact filled at
// length (see Exempel/Exempelprofiler.h); --ordinary-profile gives the
// same facts at ordinary length. --generated writes instead the document
// of the invoice generator's seed (see Exempel/Fakturagenerator.h), with
// its long values, or with --short its ordinary ones. The same options
// always give the same bytes, in any locale: the document is Swedish, and
// the texts it stores in the user's locale (an item's discount, "10 %")
// are written as in Sweden whatever the environment names. --corpus
// writes invoice N of the ordinary corpus (Fakturagenerator.h), which
// scripts/compare-layouts lays out with two builds.
#include "Exempel/Exempelbokforing.h"
#include "Exempel/Fakturagenerator.h"
#include "Fillagring.h"
#include "Modell/Fakturor/InbyggdFakturamall.h"
#include "Plattform/Filer.h"
#include "Plattform/Lokal.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <set>
#include <string>

namespace {
// The invoice languages: Norwegian under either code.
const std::set<std::string> fakturaspråk = {"da", "de", "en", "es", "fi", "fr", "it", "nl", "no", "nb", "sv"};

int användning() {
    std::fprintf(stderr,
                 "usage: make-example [--entries N] [--contacts N] [--invoices N] [--unsent N] [--every-shape]\n"
                 "                    [--no-template] [--bare] [--all-contact-details] [--logo FILE]\n"
                 "                    [--latest-template CODE] [--latest-language CODE] [--latest-country CODE]\n"
                 "                    [--latest-items N] [--long-comments] [--long-names] [--latest-columns 8|10]\n"
                 "                    [--all-facts] [--discount-and-rounding] [--reverse-charge]\n"
                 "                    [--long-profile sv|de|fi | --ordinary-profile sv|de|fi] OUTPUT\n"
                 "       make-example --generated SEED [--short] OUTPUT\n"
                 "       make-example --corpus N OUTPUT\n");
    return 2;
}

bool tal(const char* text, int64_t& ut) {
    char* slut = nullptr;
    long long v = std::strtoll(text, &slut, 10);
    if (!*text || *slut || v < 0) return false;
    ut = v;
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    lokal::sättAktuell("sv_SE");
    Exempelval val;
    // The tool's example carries sent invoices unless told otherwise.
    val.antalSkickadeFakturor = 12;
    std::string utfil;
    std::string logotypfil;
    std::optional<int64_t> frö;
    std::optional<int64_t> korpus;
    bool korta = false;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--entries" && i + 1 < argc) {
            if (!tal(argv[++i], val.antalVerifikationer)) return användning();
        } else if (a == "--contacts" && i + 1 < argc) {
            if (!tal(argv[++i], val.antalKontakter)) return användning();
        } else if (a == "--invoices" && i + 1 < argc) {
            if (!tal(argv[++i], val.antalSkickadeFakturor)) return användning();
        } else if (a == "--unsent" && i + 1 < argc) {
            if (!tal(argv[++i], val.antalEjSkickadeFakturor)) return användning();
        } else if (a == "--every-shape") {
            val.allaPostformer = true;
        } else if (a == "--latest-template" && i + 1 < argc) {
            val.senasteFaktura.mall = argv[++i];
            if (!frånKod<InbyggdFakturamall>(val.senasteFaktura.mall)) return användning();
        } else if (a == "--latest-language" && i + 1 < argc) {
            val.senasteFaktura.språk = argv[++i];
            if (!fakturaspråk.contains(*val.senasteFaktura.språk)) return användning();
        } else if (a == "--latest-country" && i + 1 < argc) {
            val.senasteFaktura.land = argv[++i];
        } else if (a == "--latest-items" && i + 1 < argc) {
            int64_t n;
            if (!tal(argv[++i], n)) return användning();
            val.senasteFaktura.antalPoster = n;
        } else if (a == "--long-comments") {
            val.senasteFaktura.långaKommentarer = true;
        } else if (a == "--long-names") {
            val.senasteFaktura.långaBenämningar = true;
        } else if (a == "--latest-columns" && i + 1 < argc) {
            int64_t n;
            if (!tal(argv[++i], n) || (n != 8 && n != 10)) return användning();
            val.senasteFaktura.kolumner = int(n);
        } else if (a == "--all-facts") {
            val.senasteFaktura.allaUppgifter = true;
        } else if (a == "--discount-and-rounding") {
            val.senasteFaktura.rabattOchAvrundning = true;
        } else if (a == "--reverse-charge") {
            val.senasteFaktura.omvändSkattskyldighet = true;
        } else if ((a == "--long-profile" || a == "--ordinary-profile") && i + 1 < argc) {
            val.senasteFaktura.profil = Profilval{argv[++i], a == "--long-profile"};
            if (!std::ranges::count(exempelprofiler(), val.senasteFaktura.profil->kod)) return användning();
        } else if (a == "--generated" && i + 1 < argc) {
            int64_t n;
            if (!tal(argv[++i], n)) return användning();
            frö = n;
        } else if (a == "--corpus" && i + 1 < argc) {
            int64_t n;
            if (!tal(argv[++i], n) || n < 0) return användning();
            korpus = n;
        } else if (a == "--short") {
            korta = true;
        } else if (a == "--all-contact-details") {
            val.allaKontaktuppgifter = true;
        } else if (a == "--logo" && i + 1 < argc) {
            logotypfil = argv[++i];
        } else if (a == "--no-template") {
            val.medFakturamall = false;
        } else if (a == "--bare") {
            val.medÖvrigt = false;
        } else if (!a.empty() && a[0] != '-' && utfil.empty()) {
            utfil = a;
        } else {
            return användning();
        }
    }
    if (utfil.empty() || (korta && !frö) || (korpus && frö)) return användning();
    try {
        if (!logotypfil.empty()) val.logotyp = readWholeFile(logotypfil);
        auto bok = korpus ? korpusBokföring(uint64_t(*korpus))
                   : frö  ? genereradBokföring(uint64_t(*frö), !korta)
                          : byggExempelbokföring(val);
        Bytes fil = bok->dataMedMellansteg(versionSomSkrivs);
        writeFileSafely(utfil, fil);
        std::printf("wrote %s: %lld entries, %zu accounts, %zu contacts, %zu sent and %zu unsent invoices, %zu bytes\n",
                    utfil.c_str(), static_cast<long long>(frö || korpus ? 0 : val.antalVerifikationer), bok->konton.size(),
                    bok->kontakter.size(), bok->skickadeFakturor.size(), bok->ejSkickadeFakturor.size(), fil.size());
    } catch (const std::exception& fel) {
        std::fprintf(stderr, "make-example: %s\n", fel.what());
        return 1;
    }
    return 0;
}
