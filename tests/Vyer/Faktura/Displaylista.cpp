#include "Displaylista.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace displaylista {

const AttributedString* text(const CachatObjekt& objekt) {
    if (auto* s = std::get_if<cachad::string>(&objekt.data)) return &s->string;
    if (auto* s = std::get_if<cachad::stringNeedingLayoutManager>(&objekt.data)) return &s->string;
    return nullptr;
}

Rect ram(const CachatObjekt& objekt) {
    return std::visit(
        [](const auto& d) -> Rect {
            using T = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<T, cachad::path>)
                return d.path.bounds();
            else
                return d.frame;
        },
        objekt.data);
}

Rect ramPåSidan(const CachatObjekt& objekt) {
    const Rect r = ram(objekt);
    if (!objekt.transform) return r;
    const Point a = objekt.transform->apply({r.minX(), r.minY()});
    const Point b = objekt.transform->apply({r.maxX(), r.maxY()});
    // A quarter turn leaves cosines of about 1e-17 in the matrix.
    auto rund = [](double v) { return std::round(v * 1e9) / 1e9; };
    return {rund(std::min(a.x, b.x)), rund(std::min(a.y, b.y)), rund(std::abs(b.x - a.x)), rund(std::abs(b.y - a.y))};
}

const CachatObjekt* medText(const std::vector<CachatObjekt>& lista, const std::string& t) {
    for (const auto& o : lista)
        if (auto* s = text(o); s && s->text() == t) return &o;
    return nullptr;
}

const CachatObjekt* medTextSomInnehåller(const std::vector<CachatObjekt>& lista, const std::string& del) {
    for (const auto& o : lista)
        if (auto* s = text(o); s && s->text().find(del) != std::string::npos) return &o;
    return nullptr;
}

const CachatObjekt* medRam(const std::vector<CachatObjekt>& lista, const Rect& r) {
    for (const auto& o : lista)
        if (ram(o) == r) return &o;
    return nullptr;
}

std::string beskriv(const CachatObjekt& objekt) {
    std::ostringstream ut;
    static const char* slag[] = {"path", "string", "layoutManager", "image"};
    Rect r = ram(objekt);
    char ramtext[120];
    std::snprintf(ramtext, sizeof ramtext, " (%g, %g, %g, %g)", r.x, r.y, r.width, r.height);
    ut << slag[objekt.data.index()] << ramtext;
    if (auto* s = text(objekt)) {
        ut << " '" << s->text() << "'";
        if (!s->runs().empty() && s->runs()[0].attributes.font)
            ut << " " << s->runs()[0].attributes.font->name << " " << s->runs()[0].attributes.font->pointSize;
    }
    if (auto* p = std::get_if<cachad::path>(&objekt.data)) {
        if (p->fill) ut << " fill";
        if (p->stroke) ut << " stroke";
    }
    if (objekt.clippingRect) ut << " clipped";
    if (objekt.transform) ut << " transformed";
    return ut.str();
}

std::string beskriv(const std::vector<CachatObjekt>& lista) {
    std::string ut;
    for (const auto& o : lista) ut += beskriv(o) + "\n";
    return ut;
}

}  // namespace displaylista
