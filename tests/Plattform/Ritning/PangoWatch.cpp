#include "PangoWatch.h"

#include <dlfcn.h>
#include <pango/pango.h>

#include <algorithm>
#include <cstring>

namespace {

pangowatch::Seen seenSoFar;
size_t alive = 0;

template <typename Function>
Function pangos(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}  // namespace

namespace pangowatch {

void reset() { seenSoFar = {}; }
Seen seen() { return seenSoFar; }
size_t layoutsAlive() { return alive; }

}  // namespace pangowatch

extern "C" {

PangoLayout* pango_layout_new(PangoContext* context) {
    static const auto forward = pangos<PangoLayout* (*)(PangoContext*)>("pango_layout_new");
    PangoLayout* layout = forward(context);
    ++alive;
    g_object_weak_ref(G_OBJECT(layout), [](gpointer, GObject*) { --alive; }, nullptr);
    return layout;
}

void pango_layout_set_text(PangoLayout* layout, const char* text, int length) {
    static const auto forward = pangos<void (*)(PangoLayout*, const char*, int)>("pango_layout_set_text");
    ++seenSoFar.texts;
    const size_t bytes = length < 0 ? std::strlen(text) : static_cast<size_t>(length);
    seenSoFar.longestText = std::max(seenSoFar.longestText, bytes);
    seenSoFar.allText += bytes;
    forward(layout, text, length);
}

void pango_layout_set_attributes(PangoLayout* layout, PangoAttrList* attributes) {
    static const auto forward = pangos<void (*)(PangoLayout*, PangoAttrList*)>("pango_layout_set_attributes");
    if (attributes) {
        size_t breaks = 0;
        GSList* all = pango_attr_list_get_attributes(attributes);
        for (GSList* a = all; a; a = a->next) {
            const PangoAttrType type = static_cast<PangoAttribute*>(a->data)->klass->type;
            if (type == PANGO_ATTR_ALLOW_BREAKS || type == PANGO_ATTR_INSERT_HYPHENS) ++breaks;
        }
        g_slist_free_full(all, reinterpret_cast<GDestroyNotify>(pango_attribute_destroy));
        seenSoFar.mostBreakAttributes = std::max(seenSoFar.mostBreakAttributes, breaks);
    }
    forward(layout, attributes);
}

}  // extern "C"
