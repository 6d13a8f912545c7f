#include "Plattform/Provritning/Renderers.h"

#include <poppler-document.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include <memory>

pdfjudge::Verdict pdfjudge::drawnBySplash(std::string_view pdf, double dpi) {
    std::unique_ptr<poppler::document> document(poppler::document::load_from_raw_data(pdf.data(), int(pdf.size())));
    if (!document || document->is_locked() || document->pages() < 1) return unreadable;
    std::unique_ptr<poppler::page> page(document->create_page(0));
    if (!page) return unreadable;
    poppler::page_renderer renderer;
    renderer.set_render_hints(poppler::page_renderer::antialiasing | poppler::page_renderer::text_antialiasing);
    // No image comes back when no bitmap of the page's size could be had
    // (Splash gives up quietly on one too large to count in an int).
    return renderer.render_page(page.get(), dpi, dpi).is_valid() ? drawn : tooLarge;
}
