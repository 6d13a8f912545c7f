#include "Plattform/PdfFirstPage.h"

#include <glib.h>
#include <poppler.h>
#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-page.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <mutex>
#include <string_view>

struct PdfFirstPage::Handles {
    GBytes* bytes = nullptr;
    PopplerDocument* document = nullptr;
    PopplerPage* page = nullptr;

    ~Handles() {
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

}  // namespace

bool looksLikePdf(std::span<const uint8_t> bytes) {
    constexpr size_t headerWithin = 1024;
    std::string_view start(reinterpret_cast<const char*>(bytes.data()), std::min(bytes.size(), headerWithin));
    return start.find("%PDF-") != std::string_view::npos;
}

std::shared_ptr<const PdfFirstPage> PdfFirstPage::read(std::span<const uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX || !looksLikePdf(bytes)) return nullptr;
    silencePoppler();
    // The boxes as the file states them, unrotated, and whether it is
    // encrypted, come from poppler's C++ interface, which poppler-glib
    // does not offer; drawing goes through poppler-glib's cairo output.
    Rect crop, media;
    int rotation = 0;
    {
        std::unique_ptr<poppler::document> d(poppler::document::load_from_raw_data(
            reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())));
        if (!d || d->is_locked() || d->is_encrypted() || d->pages() < 1) return nullptr;
        std::unique_ptr<poppler::page> p(d->create_page(0));
        if (!p) return nullptr;
        crop = rectOf(p->page_rect(poppler::crop_box));
        media = rectOf(p->page_rect(poppler::media_box));
        switch (p->orientation()) {
        case poppler::page::landscape: rotation = 90; break;
        case poppler::page::upside_down: rotation = 180; break;
        case poppler::page::seascape: rotation = 270; break;
        default: break;
        }
    }
    if (!usable(crop) || !usable(media)) return nullptr;

    auto handles = std::make_unique<Handles>();
    handles->bytes = g_bytes_new(bytes.data(), bytes.size());
    handles->document = poppler_document_new_from_bytes(handles->bytes, nullptr, nullptr);
    if (!handles->document || poppler_document_get_n_pages(handles->document) < 1) return nullptr;
    handles->page = poppler_document_get_page(handles->document, 0);
    if (!handles->page) return nullptr;

    std::shared_ptr<PdfFirstPage> page(new PdfFirstPage);
    page->handles_ = std::move(handles);
    page->cropBox_ = crop;
    page->mediaBox_ = media;
    page->rotation_ = rotation;
    return page;
}

PdfFirstPage::~PdfFirstPage() = default;

void PdfFirstPage::drawInto(cairo_t* cr, const Rect& frame) const {
    cairo_save(cr);
    cairo_translate(cr, frame.x, frame.y);
    cairo_scale(cr, frame.width / cropBox_.width, frame.height / cropBox_.height);
    cairo_rectangle(cr, 0, 0, cropBox_.width, cropBox_.height);
    cairo_clip(cr);
    // Poppler draws top down with the crop box's top left at the origin,
    // which is page space already: no flip. It turns a page by its /Rotate
    // as a viewer shows it, while the page's size is the crop box as
    // stored; turning it back draws the page as stored.
    double w = cropBox_.width, h = cropBox_.height;
    cairo_matrix_t back;
    switch (rotation_) {
    case 90: cairo_matrix_init(&back, 0, -1, 1, 0, 0, h); break;
    case 180: cairo_matrix_init(&back, -1, 0, 0, -1, w, h); break;
    case 270: cairo_matrix_init(&back, 0, 1, -1, 0, w, 0); break;
    default: cairo_matrix_init_identity(&back); break;
    }
    cairo_transform(cr, &back);
    poppler_page_render_for_printing_with_options(handles_->page, cr, POPPLER_PRINT_DOCUMENT);
    cairo_restore(cr);
}
