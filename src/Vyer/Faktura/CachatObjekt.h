#pragma once
// One drawing object of an invoice page. Layouts never draw: they append
// these plain values to the view's page lists, and drawing only replays
// them (FakturavyRitning.cpp).
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Ritning/BezierPath.h"
#include "Plattform/Ritning/Canvas.h"
#include "Plattform/Font.h"
#include "Plattform/Geometry.h"
#include "Plattform/Ritning/Image.h"

#include <memory>
#include <optional>
#include <variant>

namespace cachad {

// Filled with `fill`, then stroked with `stroke`, each when present.
struct path {
    BezierPath path;
    std::optional<Color> fill;
    std::optional<Color> stroke;
};
// Set from the frame's top left (or on its foot in the view's other
// string mode), wrapped to its width, not clipped.
struct string {
    AttributedString string;
    Rect frame;
};
// Full text layout in a container of the frame's size.
struct stringNeedingLayoutManager {
    AttributedString string;
    Rect frame;
};
// Fitted into the frame with its aspect kept, centred, on whole points.
struct image {
    std::shared_ptr<const Image> image;
    Rect frame;
};

}  // namespace cachad

using CachadObjektData =
    std::variant<cachad::path, cachad::string, cachad::stringNeedingLayoutManager, cachad::image>;

struct CachatObjekt {
    // Page coordinates, applied before the transform.
    std::optional<Rect> clippingRect;
    std::optional<AffineTransform> transform;
    CachadObjektData data;

    CachatObjekt(std::optional<Rect> clippingRect, std::optional<AffineTransform> transform,
                 CachadObjektData data)
        : clippingRect(std::move(clippingRect)), transform(std::move(transform)), data(std::move(data)) {}

    // A text in a frame.
    CachatObjekt(AttributedString attributedString, Rect frame,
                 std::optional<AffineTransform> transform = std::nullopt)
        : transform(transform), data(cachad::string{std::move(attributedString), frame}) {}

    // A rectangle exactly covering the frame.
    CachatObjekt(Rect frame, std::optional<Color> fillColor, std::optional<Color> strokeColor = std::nullopt)
        : data(cachad::path{BezierPath::rect(frame), fillColor, strokeColor}) {}
};

// The text an object draws, its frame and how a page sets it: a plain
// string from its top left (on its foot line where the view draws strings
// that way), a table in full text layout. None for other objects.
struct TextIRam {
    const AttributedString* text;
    Rect ram;
    TextDrawingMode läge;
};
inline std::optional<TextIRam> textIRam(const CachatObjekt& o, bool annanSträngmetod) {
    if (const auto* s = std::get_if<cachad::string>(&o.data))
        return TextIRam{&s->string, s->frame,
                        annanSträngmetod ? TextDrawingMode::baselineAtFoot : TextDrawingMode::fromTopLeft};
    if (const auto* s = std::get_if<cachad::stringNeedingLayoutManager>(&o.data))
        return TextIRam{&s->string, s->frame, TextDrawingMode::layoutManager};
    return std::nullopt;
}
