// libFuzzer target: any text from a document, in runs of any font, size
// and paragraph style, measures to a finite size, gives lines that start
// at its characters, laid out as far as a frame shows gives its first
// lines, and draws in every mode without crashing or spoiling the page
// (the seeds hold long clusters and runs of marks and joiners).
#include "Plattform/Ritning/CairoCanvas.h"
#include "Plattform/Ritning/TextMeasurer.h"

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Takes bytes from the front of the input, zero once it is used up.
struct Input {
    const uint8_t* data;
    size_t size;
    uint8_t next() {
        if (size == 0) return 0;
        --size;
        return *data++;
    }
    std::string_view text(size_t n) {
        n = std::min(n, size);
        std::string_view t(reinterpret_cast<const char*>(data), n);
        data += n, size -= n;
        return t;
    }
};

const char* const names[] = {"HelveticaNeue", "Baskerville-Italic", "Didot", "KontobokDidone-Regular", "",
                             "TrebuchetMS-Bold", "Courier-BoldOblique", "Geneva"};

ParagraphStyle styleFrom(Input& in) {
    ParagraphStyle s;
    s.alignment = static_cast<TextAlignment>(in.next() % 6);
    s.lineBreakMode = static_cast<LineBreakMode>(in.next() % 7);
    if (in.next() & 1) s.tabStops = {{TextTab::Kind::right, in.next() * 0.5}, {TextTab::Kind::left, in.next() * 1.0}};
    s.defaultTabInterval = in.next() % 4 == 0 ? in.next() * 0.25 : 0;
    s.firstLineHeadIndent = in.next() % 50;
    s.headIndent = in.next() % 80;
    s.minimumLineHeight = in.next() % 30;
    s.maximumLineHeight = in.next() % 30;
    s.paragraphSpacing = in.next() % 10;
    s.hyphenationFactor = in.next() & 1;
    s.hyphenationLanguage = in.next() & 1 ? "sv" : "fr";
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in{data, size};
    double width = (in.next() << 8 | in.next()) * 0.1 - 20;
    AttributedString text;
    for (int run = 0, runs = in.next() % 5 + 1; run < runs && in.size > 0; ++run) {
        TextAttributes a;
        if (in.next() & 1) a.font = Font{names[in.next() % 8], (in.next() % 40) - 2.5};
        if (in.next() & 1) a.paragraphStyle = styleFrom(in);
        if (in.next() & 1) a.foregroundColor = Color{in.next() / 255.0, 0, 1, in.next() / 255.0};
        // Up to 64 bytes, repeated 1, 4, 16 or 64 times as the length
        // byte's top bits say: runs of one shape longer than the text
        // engine lets shape as one (a letter's accents, joiners, separators
        // and marks) are within reach.
        const uint8_t length = in.next();
        const std::string_view piece = in.text(length % 64 + 1);
        std::string repeated;
        for (int i = 0, n = 1 << (2 * (length >> 6)); i < n; ++i) repeated += piece;
        text.append(repeated, a);
    }
    Size s = systemTextMeasurer().boundingSize(text, {width, 100});
    if (!std::isfinite(s.width) || !std::isfinite(s.height) || s.width < 0 || s.height < 0) std::abort();
    if (text.empty() != (s.width == 0 && s.height == 0) && text.empty()) std::abort();
    // Its lines start in order at characters of the text and end where it
    // measures.
    const auto lines = systemTextMeasurer().lines(text, width, TextDrawingMode::fromTopLeft);
    for (size_t i = 0; i < lines.size(); ++i) {
        const size_t start = lines[i].start;
        if (start > text.length() || (i > 0 && start < lines[i - 1].start) || !(lines[i].bottom >= lines[i].top))
            std::abort();
        if (start < text.length() && (static_cast<unsigned char>(text.text()[start]) & 0xC0) == 0x80) std::abort();
    }
    if (!lines.empty() && std::abs(lines.back().bottom - s.height) > 1e-6) std::abort();
    const TextDrawingMode modes[] = {TextDrawingMode::fromTopLeft, TextDrawingMode::baselineAtFoot,
                                     TextDrawingMode::layoutManager};
    // Laid out only as far as a frame shows, a text gives its first lines,
    // all of them when it is not cut.
    const Rect frame{10, 10, width, 30};
    for (TextDrawingMode mode : modes) {
        const TextExtent shown = systemTextMeasurer().extent(text, frame, mode, TextBound::frame(frame.height));
        const TextExtent whole = systemTextMeasurer().extent(text, frame, mode);
        if (shown.lines.size() > whole.lines.size() || (shown.whole && shown.lines.size() != whole.lines.size()))
            std::abort();
        for (size_t i = 0; i < shown.lines.size(); ++i)
            if (!(shown.lines[i] == whole.lines[i])) std::abort();
    }
    // Drawn where nothing clips, and on a small page, which cuts the
    // layout short.
    const cairo_rectangle_t page{0, 0, 120, 40};
    for (const cairo_rectangle_t* extents : {static_cast<const cairo_rectangle_t*>(nullptr), &page}) {
        cairo_surface_t* surface = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, extents);
        cairo_t* cr = cairo_create(surface);
        CairoCanvas canvas(cr);
        for (TextDrawingMode mode : modes) canvas.drawText(text, frame, mode);
        if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) { fprintf(stderr, "status %s\n", cairo_status_to_string(cairo_status(cr))); std::abort(); }
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    return 0;
}
