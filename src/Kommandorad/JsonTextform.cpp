#include "Kommandorad/JsonTextform.h"

namespace {

constexpr const char* utelämnat = "\u2026";

class Skrivare {
public:
    explicit Skrivare(Textformsgränser g) : g_(g) {}

    // False once the length limit is reached; the caller stops then.
    bool skriv(JsonVärde v, size_t djup) {
        switch (v.typ()) {
        case JsonVärde::Typ::null: return lägg("null");
        case JsonVärde::Typ::boolesk: return lägg(v.booleskVärde() ? "true" : "false");
        case JsonVärde::Typ::tal: return lägg(v.talText());
        case JsonVärde::Typ::text: return text(*v.text());
        case JsonVärde::Typ::lista: {
            if (djup >= g_.djup) return lägg(std::string("[") + utelämnat + "]");
            if (!lägg("[")) return false;
            bool första = true;
            for (JsonVärde e : v.element()) {
                if (!första && !lägg(",")) return false;
                första = false;
                if (!skriv(e, djup + 1)) return false;
            }
            return lägg("]");
        }
        case JsonVärde::Typ::objekt: {
            if (djup >= g_.djup) return lägg(std::string("{") + utelämnat + "}");
            if (!lägg("{")) return false;
            bool första = true;
            for (const JsonMedlem& m : v.medlemmar()) {
                if (!första && !lägg(",")) return false;
                första = false;
                if (!text(m.nyckel) || !lägg(":")) return false;
                if (!skriv(m.värde, djup + 1)) return false;
            }
            return lägg("}");
        }
        }
        return true;
    }

    std::string resultat() && {
        if (avkortat_) ut_ += utelämnat;
        return std::move(ut_);
    }

private:
    // Control characters are escaped so a message stays on one line.
    bool text(std::string_view s) {
        std::string t = "\"";
        // Past what the length limit leaves room for, the rest would be cut
        // off anyway: a long text is never copied whole.
        const size_t rum = g_.längd > ut_.size() ? g_.längd - ut_.size() : 0;
        for (unsigned char c : s) {
            if (t.size() > rum) break;
            switch (c) {
            case '"': t += "\\\""; break;
            case '\\': t += "\\\\"; break;
            case '\n': t += "\\n"; break;
            case '\r': t += "\\r"; break;
            case '\t': t += "\\t"; break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    static const char* hex = "0123456789abcdef";
                    t += "\\u00";
                    t += hex[c >> 4];
                    t += hex[c & 15];
                } else {
                    t += static_cast<char>(c);
                }
            }
        }
        t += '"';
        return lägg(t);
    }

    bool lägg(std::string_view s) {
        if (avkortat_) return false;
        if (ut_.size() + s.size() > g_.längd) {
            // Cut on a character boundary so the message stays valid UTF-8.
            size_t plats = g_.längd - ut_.size();
            while (plats > 0 && (static_cast<unsigned char>(s[plats]) & 0xC0) == 0x80) --plats;
            ut_.append(s.substr(0, plats));
            avkortat_ = true;
            return false;
        }
        ut_ += s;
        return true;
    }

    Textformsgränser g_;
    std::string ut_;
    bool avkortat_ = false;
};

}  // namespace

std::string jsonTextform(JsonVärde värde, Textformsgränser gränser) {
    Skrivare s(gränser);
    s.skriv(värde, 0);
    return std::move(s).resultat();
}
