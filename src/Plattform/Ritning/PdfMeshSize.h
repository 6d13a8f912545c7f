#pragma once
// How many vertices, triangles and patches the data of a mesh shading
// (types 4 to 7) holds: what a reader makes room for and fills, whatever
// few bytes it is stored in (with coordinates of one bit, a vertex is a
// byte). C++17 as well (PdfDrawingCost.cpp says why).
#include <cstdint>

class QPDFObjectHandle;

namespace pdfmesh {

struct Size {
    uint64_t vertices = 0, triangles = 0, patches = 0;
};

// The vertices of a triangle mesh and the triangles made of them, or the
// patches of a patch mesh, in `bytes` of decoded data as the shading's
// bits per flag, coordinate and colour component pack them. Every element
// is taken at its smallest (a patch sharing an edge with the one before,
// no padding to a byte), so no reader finds more; a size a reader would
// not accept counts as one bit. Nothing for another shading.
Size size(QPDFObjectHandle shading, uint64_t bytes);

}  // namespace pdfmesh
