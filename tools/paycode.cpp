// Developer tool: makes the payment codes from values on the command line,
// so they can be checked with an outside scanner or decoder.
//
//   paycode qr FIELD=VALUE... OUT.png     payment QR code; prints the payload
//   paycode qr-text TEXT OUT.png          QR code of arbitrary text
//   paycode fi-ref NUMBER                 Finnish creditor reference
//   paycode fi-barcode NUMBER AMOUNT DUEDATE IBAN OUT.png
//                                         Finnish bank barcode; prints the digits
//
// QR fields: idt, ddt (yyyyMMdd), cur, iref, cid, cc, nme, due, vat,
// pg, bg, bban, iban, bic, rcc (recipient country), adr,
// rate=RATE:NET and level=RATE:INDEX (both repeatable).
#include "Modell/Fakturor/FinsktReferensnummer.h"
#include "Modell/Fakturor/QRkod.h"
#include "Plattform/Ritning/QRGenerator.h"
#include "Vyer/Faktura/Betalkodsbilder.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
[[noreturn]] void fel(const std::string& text) {
    std::fprintf(stderr, "paycode: %s\n", text.c_str());
    std::exit(1);
}

// A plain decimal: optional "-", digits, optional "." and digits.
Decimal tal(const std::string& text) {
    size_t i = 0;
    bool negativt = false;
    if (i < text.size() && text[i] == '-') negativt = true, ++i;
    unsigned __int128 m = 0;
    int exponent = 0, siffror = 0;
    bool bråk = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == '.' && !bråk) {
            bråk = true;
            continue;
        }
        if (c < '0' || c > '9' || ++siffror > 38) fel("not a decimal number: " + text);
        m = m * 10 + unsigned(c - '0');
        if (bråk) --exponent;
    }
    if (siffror == 0) fel("not a decimal number: " + text);
    return Decimal::make(m, exponent, negativt);
}

Datum datum(const std::string& text) {
    std::optional<Datum> d = Datum::från(text);
    if (!d) fel("not a date (yyyyMMdd or yyyy-MM-dd): " + text);
    return *d;
}

std::pair<std::string, std::string> delaVid(const std::string& text, char tecken) {
    size_t p = text.find(tecken);
    if (p == std::string::npos) fel("expected '" + std::string(1, tecken) + "' in: " + text);
    return {text.substr(0, p), text.substr(p + 1)};
}

void skriv(const Bild& bild, const std::string& fil) {
    if (!bild.skrivPNG(fil)) fel("cannot write " + fil);
}

int qr(const std::vector<std::string>& arg) {
    if (arg.empty()) fel("usage: paycode qr FIELD=VALUE... OUT.png");
    QRkodsuppgifter u;
    u.land = "se";
    for (size_t i = 0; i + 1 < arg.size(); ++i) {
        auto [fält, värde] = delaVid(arg[i], '=');
        if (fält == "idt") u.fakturadatum = datum(värde);
        else if (fält == "ddt") u.förfallodatum = datum(värde);
        else if (fält == "cur") u.valuta = värde;
        else if (fält == "iref") u.nummer = värde;
        else if (fält == "cid") u.organisationsnummer = värde;
        else if (fält == "cc") u.land = värde;
        else if (fält == "nme") u.namn = värde;
        else if (fält == "due") u.attBetala = tal(värde);
        else if (fält == "vat") u.momsbelopp = tal(värde);
        else if (fält == "pg") u.plusgiro = värde;
        else if (fält == "bg") u.bankgiro = värde;
        else if (fält == "bban") u.bankkonto = värde;
        else if (fält == "iban") u.iban = värde;
        else if (fält == "bic") u.bic = värde;
        else if (fält == "rcc") u.mottagarland = värde;
        else if (fält == "adr") u.avsändaradress = värde;
        else if (fält == "rate") {
            auto [sats, netto] = delaVid(värde, ':');
            u.beloppPerMomssats.push_back({tal(sats), tal(netto)});
        } else if (fält == "level") {
            auto [sats, index] = delaVid(värde, ':');
            u.momsnivåer.push_back({tal(sats), std::stoll(index)});
        } else {
            fel("unknown QR field: " + fält);
        }
    }
    std::optional<std::string> innehåll = qrkodsinnehåll(u);
    if (innehåll) std::printf("%s\n", innehåll->c_str());
    else std::fprintf(stderr, "paycode: no payload; writing the warning icon\n");
    skriv(qrkodFörFaktura(u), arg.back());
    return innehåll ? 0 : 1;
}

int qrText(const std::vector<std::string>& arg) {
    if (arg.size() != 2) fel("usage: paycode qr-text TEXT OUT.png");
    std::optional<Bild> bild = qrkodsbild(arg[0], 5);
    if (!bild) fel("the text does not fit in a QR code");
    skriv(*bild, arg[1]);
    return 0;
}

int fiRef(const std::vector<std::string>& arg) {
    if (arg.size() != 1) fel("usage: paycode fi-ref NUMBER");
    std::printf("%lld\n", (long long)finsktReferensnummerBaseratPåNummer(arg[0]));
    return 0;
}

int fiBarcode(const std::vector<std::string>& arg) {
    if (arg.size() != 5) fel("usage: paycode fi-barcode NUMBER AMOUNT DUEDATE IBAN OUT.png");
    const Decimal belopp = tal(arg[1]);
    const Datum förfaller = datum(arg[2]);
    try {
        std::printf("%s\n", streckkodssträngMedIBAN(arg[3], belopp, arg[0], förfaller).c_str());
        skriv(streckkodsbildMedIban(arg[3], belopp, arg[0], förfaller), arg[4]);
    } catch (const FelPåFinsktReferensnummer& e) {
        fel(e.description());
    }
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) fel("usage: paycode qr|qr-text|fi-ref|fi-barcode ...");
    const std::string kommando = argv[1];
    const std::vector<std::string> arg(argv + 2, argv + argc);
    try {
        if (kommando == "qr") return qr(arg);
        if (kommando == "qr-text") return qrText(arg);
        if (kommando == "fi-ref") return fiRef(arg);
        if (kommando == "fi-barcode") return fiBarcode(arg);
    } catch (const std::exception& e) {
        fel(e.what());
    }
    fel("unknown command: " + kommando);
}
