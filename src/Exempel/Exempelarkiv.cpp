#include "Exempel/Exempelarkiv.h"

#include <bit>
#include <cstdint>
#include <initializer_list>
#include <cstring>
#include <string_view>

namespace {

// Writes a stream after the published rules: a header, then typed-value
// groups. Type strings and class names go through the shared-string table,
// objects, classes and C strings through the object table; both are
// referred back to by number from -110.
class Arkivskrivare {
public:
    Arkivskrivare(uint8_t version, bool storEndian) : storEndian_(storEndian) {
        byte(version);
        byte(11);
        råtext(storEndian ? "typedstream" : "streamtyped");
        heltal(1000);
    }

    void byte(uint8_t b) { ut_.push_back(b); }
    void råtext(std::string_view s) { ut_.insert(ut_.end(), s.begin(), s.end()); }
    void rå(const Bytes& b) { ut_.insert(ut_.end(), b.begin(), b.end()); }

    void heltal(int64_t v) {
        if (v >= -110 && v <= 127) {
            byte(uint8_t(int8_t(v)));
        } else if (v >= INT16_MIN && v <= INT16_MAX) {
            byte(0x81);
            ord(uint64_t(v), 2);
        } else {
            byte(0x82);
            ord(uint64_t(v), 4);
        }
    }
    void flyttal(float f) {
        byte(0x83);
        ord(std::bit_cast<uint32_t>(f), 4);
    }
    void dubbel(double d) {
        byte(0x83);
        ord(std::bit_cast<uint64_t>(d), 8);
    }

    // A type string or class name: new the first time, then referred to.
    void sträng(const std::string& s) {
        for (size_t i = 0; i < delade_.size(); ++i)
            if (delade_[i] == s) return heltal(int64_t(i) - 110);
        byte(0x84);
        heltal(int64_t(s.size()));
        råtext(s);
        delade_.push_back(s);
    }

    // A new object; its class and groups follow, then slut().
    size_t objekt(const std::string& klassnamn, int64_t version) {
        byte(0x84);
        size_t index = tabell_.size();
        tabell_.push_back("");
        klass(klassnamn, version);
        return index;
    }
    void slut() { byte(0x86); }
    void nil() { byte(0x85); }
    void referens(size_t index) { heltal(int64_t(index) - 110); }

    // A C string: new the first time, then referred to.
    void ctext(const std::string& s) {
        for (size_t i = 0; i < tabell_.size(); ++i)
            if (tabell_[i] == "*" + s) return referens(i);
        byte(0x84);
        heltal(int64_t(s.size()));
        råtext(s);
        tabell_.push_back("*" + s);
    }

    // Multi-byte values in the stream's byte order.
    void ord(uint64_t v, size_t storlek) {
        for (size_t i = 0; i < storlek; ++i) byte(uint8_t(v >> (8 * (storEndian_ ? storlek - 1 - i : i))));
    }

    bool storEndian() const { return storEndian_; }
    Bytes ta() { return std::move(ut_); }

    void klass(const std::string& namn, int64_t version) {
        for (size_t i = 0; i < tabell_.size(); ++i)
            if (tabell_[i] == "#" + namn) return referens(i);
        byte(0x84);
        sträng(namn);
        heltal(version);
        tabell_.push_back("#" + namn);
        if (namn == "NSObject")
            nil();
        else
            klass("NSObject", 0);
    }

private:
    bool storEndian_;
    Bytes ut_;
    std::vector<std::string> delade_;
    std::vector<std::string> tabell_;  // "#" classes, "*" C strings, "" objects
};

// How a font's name is kept: UTF-16 with a byte-order mark, UTF-16 in the
// stream's order, or 8-bit text (ISO Latin 1).
enum class Namnform { utf16LiteMark, utf16StorMark, utf16UtanMark, åttabitar };

Bytes egenskapslista(const Arkivskrivare& s, const std::u16string& namn, Namnform form) {
    Bytes text;
    auto enhet = [&](char16_t u, bool stor) {
        text.push_back(uint8_t(stor ? u >> 8 : u));
        text.push_back(uint8_t(stor ? u : u >> 8));
    };
    if (form == Namnform::åttabitar) {
        for (char16_t u : namn) text.push_back(uint8_t(u));
    } else {
        bool stor = form == Namnform::utf16StorMark || (form == Namnform::utf16UtanMark && s.storEndian());
        if (form != Namnform::utf16UtanMark) enhet(0xFEFF, stor);
        for (char16_t u : namn) enhet(u, stor);
    }
    Bytes lista;
    auto ord = [&](uint32_t v) {
        for (size_t i = 0; i < 4; ++i) lista.push_back(uint8_t(v >> (8 * (s.storEndian() ? 3 - i : i))));
    };
    ord(form == Namnform::åttabitar ? 5 : 6);
    ord(uint32_t(text.size()));
    lista.insert(lista.end(), text.begin(), text.end());
    while (lista.size() % 4 != 0) lista.push_back(0);
    return lista;
}

enum class Storleksform { heltal, flyttal, dubbel };

struct Typsnittsform {
    const char* namn;
    uint8_t version;
    bool storEndian;
    std::u16string typsnittsnamn;
    std::string utf8namn;
    Namnform namnform;
    double storlek;
    Storleksform storleksform;
    bool merVärden;
};

Bytes typsnitt(const Typsnittsform& f) {
    Arkivskrivare s(f.version, f.storEndian);
    s.sträng("@");
    size_t rot = s.objekt("NSFont", 30);
    Bytes lista = egenskapslista(s, f.typsnittsnamn, f.namnform);
    s.sträng("i");
    s.heltal(int64_t(lista.size()));
    s.sträng("[" + std::to_string(lista.size()) + "c]");
    s.rå(lista);
    switch (f.storleksform) {
        case Storleksform::heltal: s.sträng("f"); s.heltal(int64_t(f.storlek)); break;
        case Storleksform::flyttal: s.sträng("f"); s.flyttal(float(f.storlek)); break;
        case Storleksform::dubbel: s.sträng("d"); s.dubbel(f.storlek); break;
    }
    for (uint8_t flagga : {0, 1, 0, 0}) {
        s.sträng("c");
        s.byte(flagga);
    }
    if (f.merVärden) {
        // One value of every other type code, with references back into
        // both tables: the reader must step over what it does not use.
        s.sträng("sSiIlLqQ");
        for (int64_t v : std::initializer_list<int64_t>{-2, 300, -70000, 70000, 5, 6, INT32_MIN, INT32_MAX}) s.heltal(v);
        s.sträng("CB");
        s.byte(0xFF);
        s.byte(1);
        s.sträng("**");
        s.ctext("NSCTFontUIUsageAttribute");
        s.ctext("NSCTFontUIUsageAttribute");
        s.sträng("#");
        s.klass("NSFont", 30);
        s.sträng("%:");
        s.sträng("Helvetica");
        s.sträng("fontWithName:size:");
        s.sträng("+");
        s.heltal(3);
        s.råtext("abc");
        s.sträng("@@");
        s.referens(rot);
        s.nil();
        s.sträng("[4C]");
        s.råtext("\x01\x02\x03\x04");
    }
    s.slut();
    return s.ta();
}

}  // namespace

std::vector<Exempelarkiv> typsnittsarkiv() {
    const std::vector<Typsnittsform> former = {
        {"font-le-v4-utf16-int", 4, false, u"Helvetica", "Helvetica", Namnform::utf16LiteMark, 12,
         Storleksform::heltal, false},
        {"font-be-v3-latin1-double", 3, true, u"Zapfino \u00C5", "Zapfino \u00C5", Namnform::åttabitar, 9.5,
         Storleksform::dubbel, false},
        {"font-le-utf16be-float", 4, false, u"Menlo-Bold", "Menlo-Bold", Namnform::utf16StorMark, 10.5,
         Storleksform::flyttal, false},
        {"font-be-utf16-nomark-surrogates", 4, true, u"Hoefler \U0001F600", "Hoefler \U0001F600",
         Namnform::utf16UtanMark, 300, Storleksform::heltal, false},
        {"font-le-every-type-code", 4, false, u"Courier", "Courier", Namnform::utf16UtanMark, 11,
         Storleksform::flyttal, true},
    };
    std::vector<Exempelarkiv> ut;
    for (const auto& f : former) ut.push_back({f.namn, typsnitt(f), Font{f.utf8namn, f.storlek}, std::nullopt});
    return ut;
}

namespace {

// The groups of a colour object after its class: the kind word, then the
// components.
void färgdel(Arkivskrivare& s, int64_t slag, const std::string& typer, const std::vector<double>& värden) {
    s.sträng("c");
    s.byte(uint8_t(slag));
    s.sträng(typer);
    for (size_t i = 0; i < värden.size(); ++i) {
        if (typer[i] == 'd')
            s.dubbel(värden[i]);
        else if (värden[i] == double(int64_t(värden[i])))
            s.heltal(int64_t(värden[i]));
        else
            s.flyttal(float(värden[i]));
    }
}

Bytes enkelFärg(uint8_t version, bool storEndian, int64_t slag, const std::string& typer,
                const std::vector<double>& värden) {
    Arkivskrivare s(version, storEndian);
    s.sträng("@");
    s.objekt("NSColor", 0);
    färgdel(s, slag, typer, värden);
    s.slut();
    return s.ta();
}

void textobjekt(Arkivskrivare& s, const std::string& text) {
    s.objekt("NSString", 1);
    s.sträng("+");
    s.heltal(int64_t(text.size()));
    s.råtext(text);
    s.slut();
}

// A named colour: catalog and name, then the colour it resolved to, which
// may itself be named (`djup` levels of names).
void namngivenFärg(Arkivskrivare& s, int djup) {
    s.objekt("NSColor", 0);
    s.sträng("c");
    s.byte(6);
    s.sträng("@@@");
    textobjekt(s, "System");
    textobjekt(s, djup > 1 ? "controlAccentColor" : "controlTextColor");
    if (djup > 1) {
        namngivenFärg(s, djup - 1);
    } else {
        s.objekt("NSColor", 0);
        färgdel(s, 4, "ff", {0.25, 1});
        s.slut();
    }
    s.slut();
}

float f(double v) { return float(v); }

}  // namespace

std::vector<Exempelarkiv> färgarkiv() {
    std::vector<Exempelarkiv> ut;
    auto lägg = [&](const char* namn, Bytes b, Color c) { ut.push_back({namn, std::move(b), std::nullopt, c}); };
    lägg("color-rgb-calibrated", enkelFärg(4, false, 1, "ffff", {0.5, 0.25, 0, 1}), {0.5, 0.25, 0, 1});
    lägg("color-rgb-device-be", enkelFärg(3, true, 2, "ffff", {0.2, 0.4, 0.6, 0.8}), {f(0.2), f(0.4), f(0.6), f(0.8)});
    lägg("color-white-calibrated", enkelFärg(4, false, 3, "ff", {0.5, 1}), {0.5, 0.5, 0.5, 1});
    lägg("color-white-device-double", enkelFärg(4, true, 4, "dd", {0.3, 0.7}), {0.3, 0.3, 0.3, 0.7});
    lägg("color-cmyk", enkelFärg(4, false, 5, "fffff", {0.5, 0, 0.5, 0.5, 1}), {0.25, 0.5, 0.25, 1});
    lägg("color-rgb-clamped", enkelFärg(4, false, 1, "ffff", {1.5, -0.5, 0.5, 2}), {1, 0, 0.5, 1});
    for (int djup : {1, 2}) {
        Arkivskrivare s(4, djup == 2);
        s.sträng("@");
        namngivenFärg(s, djup);
        lägg(djup == 1 ? "color-named" : "color-named-twice-be", s.ta(), {0.25, 0.25, 0.25, 1});
    }
    return ut;
}
