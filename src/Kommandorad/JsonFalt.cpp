#include "Kommandorad/JsonFalt.h"

namespace jsonfält {

namespace {

// The member, or null when it is absent or null.
const JsonVärde* medlem(const JsonVärde& objekt, std::string_view nyckel) {
    const JsonVärde* v = objekt.medlem(nyckel);
    return v && v->typ() != JsonVärde::Typ::null ? v : nullptr;
}

[[noreturn]] void felTyp(std::string_view nyckel, const char* väntad) {
    throw JSONImportfel::felTyp(std::string(nyckel), väntad);
}

const std::string* utanNolltecken(const std::string* t, std::string_view nyckel) {
    if (t && t->find('\0') != std::string::npos) throw JSONImportfel::nolltecken(std::string(nyckel));
    return t;
}

}  // namespace

std::optional<std::string> text(const JsonVärde& objekt, std::string_view nyckel) {
    const JsonVärde* v = medlem(objekt, nyckel);
    if (!v) return std::nullopt;
    if (!v->text()) felTyp(nyckel, "a string");
    return *utanNolltecken(v->text(), nyckel);
}

std::optional<bool> boolesk(const JsonVärde& objekt, std::string_view nyckel) {
    const JsonVärde* v = medlem(objekt, nyckel);
    if (!v) return std::nullopt;
    auto b = v->boolesk();
    if (!b) felTyp(nyckel, "true or false");
    return b;
}

const JsonVärde* tal(const JsonVärde& objekt, std::string_view nyckel) {
    const JsonVärde* v = medlem(objekt, nyckel);
    if (v && v->typ() != JsonVärde::Typ::tal) felTyp(nyckel, "a number");
    return v;
}

const JsonVärde* objekt(const JsonVärde& objekt, std::string_view nyckel) {
    const JsonVärde* v = medlem(objekt, nyckel);
    if (v && !v->ärObjekt()) felTyp(nyckel, "an object");
    return v;
}

const std::vector<JsonVärde>* listaAvObjekt(const JsonVärde& objekt, std::string_view nyckel) {
    const JsonVärde* v = medlem(objekt, nyckel);
    if (!v) return nullptr;
    const std::vector<JsonVärde>* lista = v->listaAvObjekt();
    if (!lista) felTyp(nyckel, "an array of objects");
    return lista;
}

const std::string* textOmDenFinns(const JsonVärde& objekt, std::string_view nyckel) {
    const JsonVärde* v = objekt.medlem(nyckel);
    return v ? utanNolltecken(v->text(), nyckel) : nullptr;
}

}  // namespace jsonfält
