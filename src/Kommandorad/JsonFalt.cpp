#include "Kommandorad/JsonFalt.h"

namespace jsonfält {

namespace {

// The member, or none when it is absent or null.
std::optional<JsonVärde> medlem(JsonVärde objekt, std::string_view nyckel) {
    std::optional<JsonVärde> v = objekt.medlem(nyckel);
    return v && v->typ() != JsonVärde::Typ::null ? v : std::nullopt;
}

[[noreturn]] void felTyp(std::string_view nyckel, const char* väntad) {
    throw JSONImportfel::felTyp(std::string(nyckel), väntad);
}

std::optional<std::string_view> utanNolltecken(std::optional<std::string_view> t, std::string_view nyckel) {
    if (t && t->find('\0') != std::string_view::npos) throw JSONImportfel::nolltecken(std::string(nyckel));
    return t;
}

}  // namespace

std::optional<std::string> text(JsonVärde objekt, std::string_view nyckel) {
    std::optional<JsonVärde> v = medlem(objekt, nyckel);
    if (!v) return std::nullopt;
    if (!v->text()) felTyp(nyckel, "a string");
    return std::string(*utanNolltecken(v->text(), nyckel));
}

std::optional<bool> boolesk(JsonVärde objekt, std::string_view nyckel) {
    std::optional<JsonVärde> v = medlem(objekt, nyckel);
    if (!v) return std::nullopt;
    auto b = v->boolesk();
    if (!b) felTyp(nyckel, "true or false");
    return b;
}

std::optional<JsonVärde> tal(JsonVärde objekt, std::string_view nyckel) {
    std::optional<JsonVärde> v = medlem(objekt, nyckel);
    if (v && v->typ() != JsonVärde::Typ::tal) felTyp(nyckel, "a number");
    return v;
}

std::optional<JsonVärde> objekt(JsonVärde objekt, std::string_view nyckel) {
    std::optional<JsonVärde> v = medlem(objekt, nyckel);
    if (v && !v->ärObjekt()) felTyp(nyckel, "an object");
    return v;
}

std::optional<JsonLista> listaAvObjekt(JsonVärde objekt, std::string_view nyckel) {
    std::optional<JsonVärde> v = medlem(objekt, nyckel);
    if (!v) return std::nullopt;
    std::optional<JsonLista> lista = v->listaAvObjekt();
    if (!lista) felTyp(nyckel, "an array of objects");
    return lista;
}

std::optional<std::string_view> textOmDenFinns(JsonVärde objekt, std::string_view nyckel) {
    std::optional<JsonVärde> v = objekt.medlem(nyckel);
    return v ? utanNolltecken(v->text(), nyckel) : std::nullopt;
}

}  // namespace jsonfält
