#include "Plattform/Ritning/PangoFonts.h"

#include "Plattform/Ritning/FontConfiguration.h"
#include "Plattform/Ritning/FontFaces.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Ritning/PangoThreads.h"
#include "Plattform/Font.h"

#include <hb.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cstdint>
#include <mutex>
#include <string>

namespace fonts {

namespace {

// Fontconfig's default configuration is the system's (some 200 files to
// read) unless one is made current before pango initialises it; ours is
// the only one pango draws with. Once pango is past that, the default is
// unset again, so that a library that does use it loads the system's as it
// always did.
PangoFontMap* makeFontMap() {
    // Text without a font is drawn in the default font: its face is loaded
    // before pango makes its first list of fonts, which a face loaded
    // later would have it make anew.
    loadFace(faceFor(defaultFont().name));
    FcConfig* nothingToLoad = FcConfigCreate();
    FcConfigSetCurrent(nothingToLoad);
    FcConfigDestroy(nothingToLoad);
    PangoFontMap* m = newFontMapInitialisedHere();
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(m), configuration());
    // Returns once pango's initialisation has run.
    pango_fc_font_map_get_config(PANGO_FC_FONT_MAP(m));
    FcConfigSetCurrent(nullptr);
    pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(m), 72);
    return m;
}

}  // namespace

PangoFontMap* pangoFontMap() {
    std::lock_guard lock(fontLock());
    static PangoFontMap* const map = makeFontMap();
    // Pango keeps its own list of the configuration's fonts: faces loaded
    // since it was taken join it.
    static unsigned version = fontSetVersion();
    if (version != fontSetVersion()) {
        version = fontSetVersion();
        pango_fc_font_map_config_changed(PANGO_FC_FONT_MAP(map));
    }
    return map;
}

namespace {

PangoContext* newContext(PangoFontMap* map) {
    PangoContext* c = pango_font_map_create_context(map);
    pango_cairo_context_set_resolution(c, 72);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(c, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(c, FALSE);
    return c;
}

}  // namespace

PangoContext* pangoContext() {
    std::lock_guard lock(fontLock());
    PangoFontMap* map = pangoFontMap();
    static PangoContext* const context = newContext(map);
    return context;
}

PangoContext* pangoContext(PangoDirection baseDirection) {
    std::lock_guard lock(fontLock());
    PangoFontMap* map = pangoFontMap();
    auto withBase = [map](PangoDirection direction) {
        PangoContext* c = newContext(map);
        pango_context_set_base_dir(c, direction);
        return c;
    };
    static PangoContext* const leftToRight = withBase(PANGO_DIRECTION_LTR);
    static PangoContext* const rightToLeft = withBase(PANGO_DIRECTION_RTL);
    return baseDirection == PANGO_DIRECTION_RTL ? rightToLeft : leftToRight;
}

}  // namespace fonts

namespace fonts {

double usableSize(double pointSize) {
    constexpr double largest = 10000;
    if (!(pointSize > 0)) return 12;
    return std::min(pointSize, largest);
}

PangoFontDescription* pangoDescription(const Font& font) {
    const Face& face = faceFor(font.name);
    loadFace(face);
    PangoFontDescription* d = pango_font_description_new();
    std::string family(face.name);
    pango_font_description_set_family(d, family.c_str());
    pango_font_description_set_absolute_size(d, usableSize(font.pointSize) * PANGO_SCALE);
    return d;
}

LineMetrics lineMetrics(PangoFont* font) {
    hb_font_t* hb = pango_font_get_hb_font(font);
    if (!hb) return {};
    hb_face_t* face = hb_font_get_face(hb);
    int xScale = 0, yScale = 0;
    hb_font_get_scale(hb, &xScale, &yScale);
    double points = static_cast<double>(yScale) / PANGO_SCALE / hb_face_get_upem(face);
    hb_blob_t* blob = hb_face_reference_table(face, HB_TAG('h', 'h', 'e', 'a'));
    unsigned length = 0;
    const auto* data = reinterpret_cast<const uint8_t*>(hb_blob_get_data(blob, &length));
    LineMetrics m;
    if (length >= 10) {
        auto at = [&](int offset) { return static_cast<int16_t>(data[offset] << 8 | data[offset + 1]); };
        m = {at(4) * points, -at(6) * points, at(8) * points};
    }
    hb_blob_destroy(blob);
    return m;
}

LineMetrics lineMetrics(const Font& font) {
    std::lock_guard lock(fontLock());
    PangoFontDescription* d = pangoDescription(font);
    PangoFont* loaded = pango_font_map_load_font(pangoFontMap(), pangoContext(), d);
    pango_font_description_free(d);
    if (!loaded) return {};
    LineMetrics m = lineMetrics(loaded);
    g_object_unref(loaded);
    return m;
}

}  // namespace fonts
