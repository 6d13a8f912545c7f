#include "Plattform/Ritning/PangoThreads.h"

#include <atomic>
#include <cstring>

namespace {

std::atomic<bool> makingFontMap{false};
struct {
    GThreadFunc func = nullptr;
    gpointer data = nullptr;
} initialisation;

bool named(const gchar* name, const char* wanted) { return name && std::strcmp(name, wanted) == 0; }

}  // namespace

namespace fonts {

PangoFontMap* newFontMapInitialisedHere() {
    makingFontMap = true;
    PangoFontMap* map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    makingFontMap = false;
    if (initialisation.func) initialisation.func(initialisation.data);
    initialisation = {};
    return map;
}

}  // namespace fonts

// Visible, though the drawing side is compiled hidden: pango looks it up
// through the dynamic linker, in the invoice module's scope (the module
// first, then its libraries) or in a program that links the drawing side,
// and must find this definition before GLib's. The module's other export
// is its entry.
extern "C" [[gnu::visibility("default")]] GThread* g_thread_new(const gchar* name, GThreadFunc func, gpointer data) {
    if (named(name, "[pango] FcFontSetMatch") || named(name, "[pango] FcFontSetSort")) {
        // Each takes only its own lock, which pango does not hold here.
        func(data);
        return g_thread_ref(g_thread_self());
    }
    if (named(name, "[pango] FcInit") && makingFontMap) {
        initialisation = {func, data};
        return g_thread_ref(g_thread_self());
    }
    GError* error = nullptr;
    GThread* thread = g_thread_try_new(name, func, data, &error);
    if (!thread) g_error("creating thread '%s': %s", name ? name : "", error->message);
    return thread;
}
