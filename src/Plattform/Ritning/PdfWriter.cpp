#include "Plattform/Ritning/PdfWriter.h"

#include "Plattform/Ritning/CairoCanvas.h"
#include "Plattform/Ritning/PdfFirstPage.h"
#include "Plattform/Ritning/PdfPlacement.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
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

// A JPEG of one grey pixel whose comment holds `marker`: cairo writes JPEG
// data into the PDF as it is given, so the marker finds the image there.
// It is replaced before anyone sees it.
std::string jpegWithMarker(const std::string& marker) {
    std::string jpeg = "\xFF\xD8\xFF\xFE";
    jpeg += char((marker.size() + 2) >> 8);
    jpeg += char((marker.size() + 2) & 0xFF);
    jpeg += marker;
    // A baseline frame of 1 x 1 pixels, one component; the end of image.
    jpeg += std::string("\xFF\xC0\x00\x0B\x08\x00\x01\x00\x01\x01\x01\x11\x00\xFF\xD9", 15);
    return jpeg;
}

// One image per page put in: drawn wherever the page goes, written once.
struct Placeholder {
    std::shared_ptr<const std::string> page;
    std::string marker;
    cairo_surface_t* surface = nullptr;
};

// Markers of one writer: a random part keeps them from any bytes of the
// document that happen to look like one.
std::string markerStem() {
    std::random_device random;
    char stem[64];
    std::snprintf(stem, sizeof stem, "kontobok-page-%08x%08x-", random(), random());
    return stem;
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
    // PDF pages put in once the document is written, each page once
    // however often, and from however many reads of its file, it is drawn.
    std::vector<Placeholder> placeholders;
    std::string stem = markerStem();

    cairo_surface_t* placeholderFor(const PdfFirstPage& page) {
        auto same = std::find_if(placeholders.begin(), placeholders.end(), [&](const Placeholder& p) {
            return p.page == page.pdf() || *p.page == *page.pdf();
        });
        if (same != placeholders.end()) return same->surface;
        // Ended by a character no number goes on with: placement finds a
        // marker by search, and marker 1 must not be found in marker 10.
        Placeholder p{page.pdf(), stem + std::to_string(placeholders.size()) + ";", nullptr};
        p.surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
        auto* jpeg = new std::string(jpegWithMarker(p.marker));
        const cairo_status_t status = cairo_surface_set_mime_data(
            p.surface, CAIRO_MIME_TYPE_JPEG, reinterpret_cast<const unsigned char*>(jpeg->data()), jpeg->size(),
            [](void* data) { delete static_cast<std::string*>(data); }, jpeg);
        if (status != CAIRO_STATUS_SUCCESS) {
            delete jpeg;
            cairo_surface_destroy(p.surface);
            return nullptr;
        }
        return placeholders.emplace_back(std::move(p)).surface;
    }

    ~State() {
        if (cr) cairo_destroy(cr);
        if (surface) cairo_surface_destroy(surface);
        for (Placeholder& p : placeholders) cairo_surface_destroy(p.surface);
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
    s.canvas->placeholderFor = [&s](const PdfFirstPage& page) { return s.placeholderFor(page); };
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
    if (s.placeholders.empty()) return std::move(s.bytes);
    std::vector<pdfplacement::Placement> placements;
    for (const Placeholder& p : s.placeholders) placements.push_back({p.marker, p.page.get()});
    try {
        return pdfplacement::apply(s.bytes, placements);
    } catch (const std::exception& e) {
        throw PdfError(std::string("The PDF could not be made (putting in a logo or background: ") + e.what() + ").");
    }
}
