#include "Plattform/Ritning/PdfMeshSize.h"

#include "Plattform/Ritning/Saturating.h"

// qpdf without its deprecated smart pointer (PdfDrawingCost.cpp).
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDFObjectHandle.hh>

#include <algorithm>

namespace {

using saturating::times;

uint64_t integer(QPDFObjectHandle o) {
    if (!o.isInteger()) return 0;
    long long v = o.getIntValue();
    return v > 0 ? uint64_t(v) : 0;
}

// Samples a colour has in this colour space; one when it cannot be told
// (a name from the resources), which counts the most vertices.
uint64_t components(QPDFObjectHandle space) {
    if (space.isArray() && space.getArrayNItems() > 1) {
        QPDFObjectHandle family = space.getArrayItem(0), second = space.getArrayItem(1);
        if (family.isNameAndEquals("/ICCBased") && second.isStream())
            return std::max<uint64_t>(1, integer(second.getDict().getKey("/N")));
        if (family.isNameAndEquals("/DeviceN") && second.isArray())
            return std::max<uint64_t>(1, uint64_t(second.getArrayNItems()));
        if (family.isNameAndEquals("/CalRGB") || family.isNameAndEquals("/Lab")) return 3;
        return 1;
    }
    if (space.isNameAndEquals("/DeviceRGB") || space.isNameAndEquals("/RGB")) return 3;
    if (space.isNameAndEquals("/DeviceCMYK") || space.isNameAndEquals("/CMYK")) return 4;
    return 1;
}

}  // namespace

pdfmesh::Size pdfmesh::size(QPDFObjectHandle shading, uint64_t bytes) {
    QPDFObjectHandle dict = shading.isStream() ? shading.getDict() : shading;
    Size m;
    if (!dict.isDictionary()) return m;
    auto bits = [&](const char* key, uint64_t least) {
        const uint64_t v = integer(dict.getKey(key));
        return v >= least && v <= 32 ? v : least;
    };
    const int64_t type = dict.getKey("/ShadingType").isInteger() ? dict.getKey("/ShadingType").getIntValue() : 0;
    const uint64_t flag = type == 5 ? 0 : bits("/BitsPerFlag", 0), coordinate = bits("/BitsPerCoordinate", 1);
    const uint64_t colour =
        bits("/BitsPerComponent", 1) * (dict.hasKey("/Function") ? 1 : components(dict.getKey("/ColorSpace")));
    const uint64_t all = times(bytes, 8);
    if (type == 4 || type == 5) {
        m.vertices = all / (flag + 2 * coordinate + colour);
        // A free-form mesh makes a triangle of each vertex after the
        // second, a lattice two of each square of four.
        m.triangles = type == 4 ? m.vertices : times(m.vertices, 2);
    } else if (type == 6 || type == 7) {
        const uint64_t points = type == 6 ? 12 : 16;
        const uint64_t first = flag + points * 2 * coordinate + 4 * colour,
                       next = flag + (points - 4) * 2 * coordinate + 2 * colour;
        m.patches = all < first ? 0 : 1 + (all - first) / next;
    }
    return m;
}
