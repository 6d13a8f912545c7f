#pragma once
// The bounds every walk over the objects of a PDF we did not write keeps,
// whatever the file holds: page trees, resources, forms in forms. Real
// files stay within a few levels and some thousands of objects; a file
// past these is refused, not followed. C++17 as well, for the code built
// with qpdf (PdfDrawingCost.cpp says why).
#include <cstddef>
#include <stdexcept>

namespace pdfbounds {

// Levels of objects in objects (arrays, dictionaries, references) below
// the page or its resources.
constexpr int deepestNesting = 100;
// Objects a page's copy may hold, counting those within others.
constexpr size_t mostObjects = 250'000;

// Thrown by a walk that would go deeper than deepestNesting.
struct TooDeep : std::runtime_error {
    TooDeep() : std::runtime_error("nested too deep") {}
};
// Thrown by a copy that would hold more than mostObjects.
struct TooMany : std::runtime_error {
    TooMany() : std::runtime_error("too many objects") {}
};

}  // namespace pdfbounds
