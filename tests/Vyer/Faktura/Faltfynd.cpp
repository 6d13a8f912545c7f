#include "Faltfynd.h"

#include "Kodpunkter.h"
#include "Plattform/Strangar.h"
#include "Plattform/UnicodeText.h"

#include <algorithm>
#include <cctype>

namespace fältfynd {

namespace {

using pdfkontroll::RitadSida;
using pdfkontroll::RitatOrd;
using testhjalp::kodpunkter;
using testhjalp::utf8;

const std::string ellips = "\u2026";

// How far apart, in the page's words, two words of one text may be drawn:
// only separators a template puts between lines it joins ("|", "·", "–")
// may stand between them.
constexpr size_t störstaGlapp = 2;
// A word drawn in more pieces than this is not looked for as one.
constexpr size_t flestaBitar = 4;
// Places of one text looked for on a page.
constexpr size_t flestaFörekomster = 8;

bool skiljetecken(char32_t c) {
    return c == ',' || c == '.' || c == ';' || c == ':' || c == '(' || c == ')' || c == '[' || c == ']' ||
           c == '"' || c == '\'' || c == '!' || c == '?' || c == 0x2018 || c == 0x2019 || c == 0x201C ||
           c == 0x201D || c == 0x201E || c == 0xAB || c == 0xBB;
}

// A word of punctuation and symbols only.
bool skiljeord(std::string_view ord) {
    for (char32_t c : kodpunkter(ord)) {
        const bool tecken = (c < 0x80 && !std::isalnum(int(c))) || (c >= 0x2000 && c <= 0x206F) || c == 0xB7 ||
                            c == 0xA6 || c == 0x25CF || c == 0x25AA;
        if (!tecken) return false;
    }
    return true;
}

// A word's hyphens as '-', without the punctuation around it.
std::string utanOmgivning(std::u32string s) {
    for (char32_t& c : s)
        if (c == 0xAD || c == 0x2010 || c == 0x2011) c = '-';
    size_t a = 0, b = s.size();
    while (a < b && skiljetecken(s[a])) ++a;
    while (b > a && skiljetecken(s[b - 1])) --b;
    // A word of punctuation alone ("&", "–") is compared as it is.
    return a == b ? utf8(s) : utf8(std::u32string_view(s).substr(a, b - a));
}

// Whether the drawn key `ritad` spells `mål` (or, `början`, begins it):
// U+FFFD, a glyph the PDF names no character for, stands for one to three
// characters (a ligature).
bool stavar(std::u32string_view ritad, std::u32string_view mål, bool början) {
    if (ritad.empty()) return början || mål.empty();
    if (ritad[0] == 0xFFFD) {
        for (size_t n = 1; n <= 3 && n <= mål.size(); ++n)
            if (stavar(ritad.substr(1), mål.substr(n), början)) return true;
        return false;
    }
    return !mål.empty() && ritad[0] == mål[0] && stavar(ritad.substr(1), mål.substr(1), början);
}

bool stavar(const std::string& ritad, const std::string& mål, bool början = false) {
    if (ritad.find("\uFFFD") == std::string::npos)
        return början ? mål.starts_with(ritad) : ritad == mål;
    return stavar(kodpunkter(ritad), kodpunkter(mål), början);
}

// A word as written, without the punctuation around it and with its
// hyphens as '-': a key that keeps the case.
std::string skrivsätt(std::string_view ord) { return utanOmgivning(kodpunkter(normalizedNFC(ord))); }

// Whether what shows of a word before its ellipsis, `visat`, begins the
// text's word `ordet` as the text writes it or in capitals: "kr…" of an
// amount begins no "Kroatien".
bool börjarSomSkrivet(const std::string& visat, const std::string& ordet) {
    const std::string v = skrivsätt(visat);
    return versaler(v) == v || stavar(v, skrivsätt(ordet), true);
}

// Where the page's words `i` to `i + n` drawn one after the other spell
// `ordet`, of key `mål`: how, and what shows of it.
std::optional<Ordfynd> bitar(const RitadSida& sida, size_t i, size_t n, const std::string& ordet,
                             const std::string& mål) {
    std::string hop, utanAvstavning;
    bool iEllips = false;
    for (size_t k = i; k < i + n; ++k) {
        std::string text = sida.ord[k].text;
        if (const size_t e = text.find(ellips); e != std::string::npos) {
            if (k + 1 != i + n) return std::nullopt;
            // An ellipsis cuts the letters it is drawn right after: one
            // set apart, or on the next line ("… continued on page 2"),
            // stands for what follows.
            if (e == 0 && k > i) return std::nullopt;
            text = text.substr(0, e);
            iEllips = true;
        }
        hop += text;
        utanAvstavning += k + 1 < i + n && text.ends_with('-') ? text.substr(0, text.size() - 1) : text;
    }
    const std::string a = nyckel(hop), b = nyckel(utanAvstavning);
    Ordfynd f;
    if (iEllips) {
        // An ellipsis set on its own after a space stands for what follows.
        if (!(a.empty() && n == 1) && !((stavar(a, mål, true) && börjarSomSkrivet(hop, ordet)) ||
                                        (stavar(b, mål, true) && börjarSomSkrivet(utanAvstavning, ordet))))
            return std::nullopt;
        f.brist = Brist::ellips;
    } else if (!stavar(a, mål) && !stavar(b, mål)) {
        return std::nullopt;
    }
    size_t glyfer = 0, dolda = 0;
    for (size_t k = i; k < i + n; ++k) {
        glyfer += sida.ord[k].glyfer;
        dolda += sida.ord[k].dolda;
        f.visas += sida.ord[k].syns;
        f.ritade.push_back(k);
    }
    if (!f.brist && dolda > 0) f.brist = dolda == glyfer ? Brist::dold : Brist::klippt;
    return f;
}

struct Ankare {
    size_t j = 0;  // the text's word
    size_t i = 0;  // the page's first word
    size_t n = 0;  // the page's words it takes
    Ordfynd fynd;
    bool baraEllips = false;  // an ellipsis on its own: it only goes on a place begun before it
};

}  // namespace

const char* namn(Brist brist) {
    switch (brist) {
        case Brist::klippt: return "clipped";
        case Brist::dold: return "hidden";
        case Brist::ellips: return "ellipsis";
        case Brist::saknas: return "missing";
    }
    return "";
}

bool Förekomst::hel() const {
    return std::all_of(ord.begin(), ord.end(), [](const Ordfynd& o) { return !o.brist; });
}

size_t Förekomst::funna() const {
    return size_t(std::count_if(ord.begin(), ord.end(), [](const Ordfynd& o) { return o.brist != Brist::saknas; }));
}

std::string nyckel(std::string_view ord) { return utanOmgivning(kodpunkter(versaler(normalizedNFC(ord)))); }

std::vector<std::string> ordI(std::string_view text) {
    std::vector<std::string> ut;
    std::string ord;
    for (char32_t c : kodpunkter(text)) {
        if (c == ' ' || c == '\n' || c == '\t' || c == 0xA0 || c == 0x202F || c == 0x2028 || c == 0x2029) {
            if (!ord.empty()) ut.push_back(std::move(ord));
            ord.clear();
        } else {
            ord += utf8(std::u32string(1, c));
        }
    }
    if (!ord.empty()) ut.push_back(std::move(ord));
    return ut;
}

Sida::Sida(const RitadSida& sida) : ritad(sida) {
    for (const RitatOrd& o : sida.ord) nycklar.push_back(nyckel(o.text));
}

std::vector<Förekomst> Sida::förekomster(std::string_view text) const {
    const RitadSida& sida = ritad;
    const std::vector<std::string> ord = ordI(text);
    std::vector<std::string> mål;
    for (const std::string& o : ord) mål.push_back(nyckel(o));

    // Every way a word of the text is drawn somewhere on the page; the
    // keys of single words first, pieces only where the first one begins
    // the word.
    std::vector<Ankare> ankare;
    for (size_t i = 0; i < sida.ord.size(); ++i) {
        const std::string& k = nycklar[i];
        const std::string_view början = k.ends_with('-') ? std::string_view(k).substr(0, k.size() - 1) : k;
        const bool ellipsen = sida.ord[i].text.find(ellips) != std::string::npos;
        const bool okänt = k.find("\uFFFD") != std::string::npos;
        for (size_t j = 0; j < ord.size(); ++j) {
            const bool börjar = !början.empty() && mål[j].size() > början.size() && mål[j].starts_with(början);
            if (k != mål[j] && !ellipsen && !börjar && !okänt) continue;
            for (size_t n = 1; n <= flestaBitar && i + n <= sida.ord.size(); ++n)
                if (auto f = bitar(sida, i, n, ord[j], mål[j])) {
                    f->ord = ord[j];
                    ankare.push_back({j, i, n, std::move(*f), nyckel(sida.ord[i].text) == ellips});
                    break;
                }
        }
    }

    std::vector<bool> skilje;
    for (const RitatOrd& o : sida.ord) skilje.push_back(skiljeord(o.text));

    std::vector<Förekomst> ut;
    std::vector<bool> använd(sida.ord.size(), false);
    while (ut.size() < flestaFörekomster) {
        // The longest chain of anchors in drawing order, words of the text
        // in order, over no page word taken by a place found before; of
        // chains as long, the one with the fewest page words between its
        // anchors (a caption may begin with the value's first word).
        std::vector<size_t> längd(ankare.size(), 0), glapp(ankare.size(), 0), före(ankare.size(), SIZE_MAX),
            början(ankare.size(), 0);
        auto bättre = [&](size_t l, size_t g, size_t k) { return l > längd[k] || (l == längd[k] && g < glapp[k]); };
        size_t bäst = SIZE_MAX;
        for (size_t k = 0; k < ankare.size(); ++k) {
            const Ankare& a = ankare[k];
            bool ledig = true;
            for (size_t m = a.i; m < a.i + a.n; ++m) ledig = ledig && !använd[m];
            if (!ledig) continue;
            längd[k] = 1;
            början[k] = a.j;
            for (size_t p = 0; p < k; ++p) {
                const Ankare& b = ankare[p];
                if (längd[p] == 0 || b.j >= a.j || a.i < b.i + b.n || a.i - (b.i + b.n) > störstaGlapp) continue;
                if (!std::all_of(skilje.begin() + std::ptrdiff_t(b.i + b.n), skilje.begin() + std::ptrdiff_t(a.i),
                                 [](bool v) { return v; }))
                    continue;
                const size_t g = glapp[p] + (a.i - (b.i + b.n));
                if (bättre(längd[p] + 1, g, k)) {
                    längd[k] = längd[p] + 1, glapp[k] = g;
                    före[k] = p, början[k] = början[p];
                }
            }
            if (a.baraEllips && före[k] == SIZE_MAX) {
                längd[k] = 0;
                continue;
            }
            const bool räknas = början[k] == 0 || längd[k] >= 2;
            if (räknas && (bäst == SIZE_MAX || bättre(längd[k], glapp[k], bäst))) bäst = k;
        }
        if (bäst == SIZE_MAX) break;
        std::vector<size_t> kedja;
        for (size_t k = bäst; k != SIZE_MAX; k = före[k]) kedja.push_back(k);
        std::reverse(kedja.begin(), kedja.end());
        Förekomst f;
        for (size_t j = 0; j < ord.size(); ++j) f.ord.push_back({ord[j], Brist::saknas, "", {}});
        for (size_t k : kedja) {
            f.ord[ankare[k].j] = ankare[k].fynd;
            for (size_t m = ankare[k].i; m < ankare[k].i + ankare[k].n; ++m) använd[m] = true;
        }
        ut.push_back(std::move(f));
    }
    return ut;
}

}  // namespace fältfynd
