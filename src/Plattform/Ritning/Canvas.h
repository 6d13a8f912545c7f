#pragma once
// One page being drawn, in page space (origin top left, y downward, points).
// Every call that changes state is undone by the matching restore().
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Ritning/BezierPath.h"
#include "Plattform/Font.h"
#include "Plattform/Geometry.h"

class Image;
class PdfDocument;

// How a text is set in its frame.
enum class TextDrawingMode {
    // Lines from the frame's top left, wrapped to its width, not clipped:
    // text that does not fit runs on below the frame.
    fromTopLeft,
    // One line without wrapping whose baseline stands on the frame's foot,
    // aligned within the frame's width.
    baselineAtFoot,
    // Full text layout in a container of the frame's size: lines include the
    // font's line gap. Every line is drawn, also those past the container's
    // foot, so nothing is silently lost.
    layoutManager,
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual void save() = 0;
    virtual void restore() = 0;
    virtual void clip(const Rect& r) = 0;
    // Ignored (and reported false) for a map that is not finite or not
    // invertible, which would spoil everything drawn after it.
    virtual bool concat(const AffineTransform& t) = 0;

    virtual void fill(const BezierPath& path, const Color& color) = 0;
    virtual void stroke(const BezierPath& path, const Color& color) = 0;
    virtual void drawText(const AttributedString& text, const Rect& frame, TextDrawingMode mode) = 0;
    // The whole image scaled into exactly `frame` (the caller fits it).
    virtual void drawImage(const Image& image, const Rect& frame) = 0;
    // Page 1 of the document with its crop box's top left at the origin,
    // upright as stored. A PDF holds the page once, as it is stored, and
    // every page that shows it refers to it.
    virtual void drawPdfPage(const PdfDocument& document) = 0;
};
