#include "Plattform/PangoFonts.h"

#include "Plattform/FontConfiguration.h"

#include <pango/pangofc-fontmap.h>

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
