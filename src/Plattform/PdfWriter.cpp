#include "Plattform/PdfWriter.h"

#include "Plattform/CairoCanvas.h"
#include "Plattform/PdfDocument.h"
#include "Plattform/PdfUnderlay.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The creation date as cairo takes it (ISO 8601, UTC).
std::string isoDate(std::time_t t) {
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// The date given, else SOURCE_DATE_EPOCH (reproducible builds' way of
// pinning dates), else now.
std::time_t creationDate(const std::optional<std::time_t>& given) {
    if (given) return *given;
    if (const char* pinned = std::getenv("SOURCE_DATE_EPOCH")) {
        char* end = nullptr;
        long long seconds = std::strtoll(pinned, &end, 10);
        if (end != pinned && *end == '\0' && seconds >= 0) return static_cast<std::time_t>(seconds);
    }
    return std::time(nullptr);
}

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::vector<uint8_t>*>(closure)->insert(static_cast<std::vector<uint8_t>*>(closure)->end(), data,
                                                        data + length);
    return CAIRO_STATUS_SUCCESS;
}

void check(cairo_status_t status, const char* what) {
    if (status != CAIRO_STATUS_SUCCESS)
        throw PdfError(std::string("The PDF could not be made (") + what + ": " + cairo_status_to_string(status) + ").");
}

}  // namespace

struct PdfWriter::State {
    Metadata metadata;
    std::vector<uint8_t> bytes;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    std::unique_ptr<CairoCanvas> canvas;
    int pages = 0;
    bool finished = false;
    // Backgrounds put under pages once the document is written, each file
    // once.
    std::vector<pdfunderlay::Underlay> underlays;

    bool underlay(const PdfDocument& document) {
        const auto& bytes = document.underlay();
        if (!bytes) return false;
        auto same = std::find_if(underlays.begin(), underlays.end(), [&](const auto& u) { return u.pdf == bytes; });
        if (same == underlays.end()) same = underlays.insert(underlays.end(), {bytes, {}});
        same->pages.push_back(pages);
        return true;
    }

    ~State() {
        if (cr) cairo_destroy(cr);
        if (surface) cairo_surface_destroy(surface);
    }
};

PdfWriter::PdfWriter(Metadata metadata) : state_(std::make_unique<State>()) {
    state_->metadata = std::move(metadata);
}

PdfWriter::~PdfWriter() = default;

Canvas& PdfWriter::beginPage(Size size) {
    State& s = *state_;
    if (s.cr || s.finished) throw PdfError("The PDF could not be made (a page was begun out of turn).");
    if (!std::isfinite(size.width) || !std::isfinite(size.height) || size.width <= 0 || size.height <= 0)
        throw PdfError("The PDF could not be made (a page has no size).");
    if (!s.surface) {
        s.surface = cairo_pdf_surface_create_for_stream(appendBytes, &s.bytes, size.width, size.height);
        check(cairo_surface_status(s.surface), "creating the document");
        const Metadata& m = s.metadata;
        cairo_pdf_surface_set_metadata(s.surface, CAIRO_PDF_METADATA_TITLE, m.title.c_str());
        cairo_pdf_surface_set_metadata(s.surface, CAIRO_PDF_METADATA_AUTHOR, m.author.c_str());
        cairo_pdf_surface_set_metadata(s.surface, CAIRO_PDF_METADATA_CREATOR, m.creator.c_str());
        cairo_pdf_surface_set_metadata(s.surface, CAIRO_PDF_METADATA_CREATE_DATE,
                                       isoDate(creationDate(m.creationDate)).c_str());
    } else {
        cairo_pdf_surface_set_size(s.surface, size.width, size.height);
    }
    // A fresh context per page: nothing a page leaves behind (an unmatched
    // save, a clip) reaches the next.
    s.cr = cairo_create(s.surface);
    check(cairo_status(s.cr), "starting a page");
    s.canvas = std::make_unique<CairoCanvas>(s.cr);
    s.canvas->underlay = [&s](const PdfDocument& document) { return s.underlay(document); };
    return *s.canvas;
}

void PdfWriter::endPage() {
    State& s = *state_;
    if (!s.cr) throw PdfError("The PDF could not be made (a page was ended that was not begun).");
    cairo_show_page(s.cr);
    cairo_status_t status = cairo_status(s.cr);
    s.canvas.reset();
    cairo_destroy(s.cr);
    s.cr = nullptr;
    check(status, "drawing a page");
    check(cairo_surface_status(s.surface), "drawing a page");
    ++s.pages;
}

std::vector<uint8_t> PdfWriter::finish() {
    State& s = *state_;
    if (s.finished) throw PdfError("The PDF could not be made (it was finished twice).");
    if (s.cr) endPage();
    s.finished = true;
    if (s.pages == 0) throw PdfError("The PDF could not be made (it has no page).");
    cairo_surface_finish(s.surface);
    check(cairo_surface_status(s.surface), "finishing the document");
    if (s.underlays.empty()) return std::move(s.bytes);
    try {
        return pdfunderlay::apply(s.bytes, s.underlays);
    } catch (const std::exception& e) {
        throw PdfError(std::string("The PDF could not be made (putting a background under its pages: ") + e.what() +
                       ").");
    }
}
