#include "Plattform/PdfFirstPage.h"

#include "Plattform/PdfDrawingCost.h"

#include <glib.h>
#include <poppler.h>
#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-page.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <mutex>
#include <optional>
#include <string_view>

struct PdfFirstPage::Handles {
    GBytes* bytes = nullptr;  // a view of PdfFirstPage::bytes_
    PopplerDocument* document = nullptr;
    PopplerPage* page = nullptr;
    // The page as drawn once; its fonts belong to the document above,
    // which therefore lives as long as it does.
    std::once_flag recorded;
    cairo_surface_t* recording = nullptr;

    ~Handles() {
        if (recording) cairo_surface_destroy(recording);
        if (page) g_object_unref(page);
        if (document) g_object_unref(document);
        if (bytes) g_bytes_unref(bytes);
    }
};

namespace {

// Poppler reports what it repairs in damaged files on standard error;
// below main nothing writes there, and a damaged file is handled by
// answering none.
void silencePoppler() {
    static std::once_flag once;
    std::call_once(once, [] { poppler::set_debug_error_function([](const std::string&, void*) {}, nullptr); });
}

Rect rectOf(const poppler::rectf& r) { return {r.x(), r.y(), r.width(), r.height()}; }

bool usable(const Rect& r) { return r.isFinite() && r.width > 0 && r.height > 0; }

// Page 1 drawn into a recording of its crop box's size, top left at the
// origin. Poppler draws top down with the crop box's top left at the
// origin, which is page space already: no flip. It turns a page by its
// /Rotate as a viewer shows it, while the page's size is the crop box as
// stored; turning it back draws the page as stored.
cairo_surface_t* recorded(PopplerPage* page, const Rect& crop, int rotation) {
    cairo_rectangle_t extents{0, 0, crop.width, crop.height};
    cairo_surface_t* recording = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extents);
    cairo_t* cr = cairo_create(recording);
    double w = crop.width, h = crop.height;
    cairo_matrix_t back;
    switch (rotation) {
    case 90: cairo_matrix_init(&back, 0, -1, 1, 0, 0, h); break;
    case 180: cairo_matrix_init(&back, -1, 0, 0, -1, w, h); break;
    case 270: cairo_matrix_init(&back, 0, 1, -1, 0, w, 0); break;
    default: cairo_matrix_init_identity(&back); break;
    }
    cairo_transform(cr, &back);
    poppler_page_render_for_printing_with_options(page, cr, POPPLER_PRINT_DOCUMENT);
    bool drawn = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
    cairo_destroy(cr);
    cairo_surface_flush(recording);
    if (!drawn || cairo_surface_status(recording) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(recording);
        return nullptr;
    }
    return recording;
}

}  // namespace

bool looksLikePdf(std::span<const uint8_t> bytes) {
    constexpr size_t headerWithin = 1024;
    std::string_view start(reinterpret_cast<const char*>(bytes.data()), std::min(bytes.size(), headerWithin));
    return start.find("%PDF-") != std::string_view::npos;
}

PdfFirstPage::Read PdfFirstPage::read(std::span<const uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX || !looksLikePdf(bytes)) return {};
    silencePoppler();
    // The boxes as the file states them, unrotated, and whether it is
    // encrypted, come from poppler's C++ interface, which poppler-glib
    // does not offer; drawing goes through poppler-glib's cairo output.
    Rect crop, media;
    int rotation = 0;
    {
        std::unique_ptr<poppler::document> d(poppler::document::load_from_raw_data(
            reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())));
        if (!d || d->is_locked() || d->is_encrypted() || d->pages() < 1) return {};
        std::unique_ptr<poppler::page> p(d->create_page(0));
        if (!p) return {};
        crop = rectOf(p->page_rect(poppler::crop_box));
        media = rectOf(p->page_rect(poppler::media_box));
        switch (p->orientation()) {
        case poppler::page::landscape: rotation = 90; break;
        case poppler::page::upside_down: rotation = 180; break;
        case poppler::page::seascape: rotation = 270; break;
        default: break;
        }
    }
    if (!usable(crop) || !usable(media)) return {};
    // Judged before poppler draws anything: what it would take cannot be
    // taken back once it is drawing.
    std::optional<uint64_t> cost = pdfcost::ofPageOne(bytes.data(), bytes.size(), mostDrawingCost);
    if (!cost) return {};
    if (*cost > mostDrawingCost) return {.page = nullptr, .tooCostly = true};

    std::shared_ptr<PdfFirstPage> page(new PdfFirstPage);
    page->bytes_ = std::make_shared<const std::vector<uint8_t>>(bytes.begin(), bytes.end());
    page->handles_ = std::make_unique<Handles>();
    Handles& h = *page->handles_;
    h.bytes = g_bytes_new_static(page->bytes_->data(), page->bytes_->size());
    h.document = poppler_document_new_from_bytes(h.bytes, nullptr, nullptr);
    if (!h.document || poppler_document_get_n_pages(h.document) < 1) return {};
    h.page = poppler_document_get_page(h.document, 0);
    if (!h.page) return {};
    page->cropBox_ = crop;
    page->mediaBox_ = media;
    page->rotation_ = rotation;
    return {.page = std::move(page)};
}

PdfFirstPage::~PdfFirstPage() = default;

void PdfFirstPage::drawInto(cairo_t* cr, const Rect& frame) const {
    cairo_save(cr);
    cairo_translate(cr, frame.x, frame.y);
    cairo_scale(cr, frame.width / cropBox_.width, frame.height / cropBox_.height);
    std::call_once(handles_->recorded, [&] { handles_->recording = recorded(handles_->page, cropBox_, rotation_); });
    if (!handles_->recording) {
        cairo_restore(cr);
        return;
    }
    // The recording is bounded by the crop box: nothing outside it shows.
    cairo_set_source_surface(cr, handles_->recording, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
}
