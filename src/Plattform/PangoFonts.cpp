#include "Plattform/PangoFonts.h"

#include "Plattform/FontConfiguration.h"
#include "Plattform/FontFaces.h"
#include "Plattform/Font.h"

#include <hb.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace fonts {

PangoFontMap* pangoFontMap() {
    static PangoFontMap* const map = [] {
        PangoFontMap* m = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
        pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(m), configuration());
        pango_cairo_font_map_set_resolution(PANGO_CAIRO_FONT_MAP(m), 72);
        return m;
    }();
    return map;
}

PangoContext* pangoContext() {
    static PangoContext* const context = [] {
        PangoContext* c = pango_font_map_create_context(pangoFontMap());
        pango_cairo_context_set_resolution(c, 72);
        cairo_font_options_t* options = cairo_font_options_create();
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        pango_cairo_context_set_font_options(c, options);
        cairo_font_options_destroy(options);
        pango_context_set_round_glyph_positions(c, FALSE);
        return c;
    }();
    return context;
}

}  // namespace fonts

namespace fonts {

double usableSize(double pointSize) {
    constexpr double largest = 10000;
    if (!(pointSize > 0)) return 12;
    return std::min(pointSize, largest);
}

PangoFontDescription* pangoDescription(const Font& font) {
    PangoFontDescription* d = pango_font_description_new();
    std::string family(faceFor(font.name).name);
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
    PangoFontDescription* d = pangoDescription(font);
    PangoFont* loaded = pango_font_map_load_font(pangoFontMap(), pangoContext(), d);
    pango_font_description_free(d);
    if (!loaded) return {};
    LineMetrics m = lineMetrics(loaded);
    g_object_unref(loaded);
    return m;
}

}  // namespace fonts
