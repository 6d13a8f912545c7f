#include "Plattform/Ritning/MissingGlyphs.h"

#include <glib.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

namespace text {
namespace {

// The measures pango gives the boxes of a font (its hex box info): digits
// from the face "monospace" names at 1/2.2 of the font's size, two rows,
// a pad of 1/43 of the font's height. Our fonts never hint metrics
// (PangoFonts.cpp), so nothing is rounded to device units.
struct HexBox {
    cairo_scaled_font_t* digits = nullptr;  // owned by `digitFont`
    PangoFont* digitFont = nullptr;
    std::array<unsigned long, 16> glyph{};
    double digitWidth = 0, digitHeight = 0, pad = 0, boxHeight = 0, boxDescent = 0;
};

double scaleFactor(const cairo_matrix_t& m) {
    PangoMatrix p = PANGO_MATRIX_INIT;
    p.xx = m.xx, p.yx = m.yx, p.xy = m.xy, p.yy = m.yy;
    return pango_matrix_get_font_scale_factor(&p);
}

// Null when pango would not draw a box either (no digit face).
PangoFont* loadDigitFont(PangoFont* font, cairo_scaled_font_t* scaled, double size) {
    cairo_matrix_t ctm;
    cairo_scaled_font_get_ctm(scaled, &ctm);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_scaled_font_get_font_options(scaled, options);
    PangoFontDescription* d = pango_font_describe_with_absolute_size(font);
    pango_font_description_unset_fields(d, PANGO_FONT_MASK_GRAVITY);
    pango_font_description_set_family_static(d, "monospace");
    pango_font_description_set_absolute_size(d, pango_units_from_double(size));
    PangoFontMap* map = pango_font_get_font_map(font);
    PangoFont* digits = nullptr;
    if (map) {
        PangoContext* c = pango_font_map_create_context(map);
        PangoMatrix m = PANGO_MATRIX_INIT;
        m.xx = ctm.xx, m.yx = ctm.yx, m.xy = ctm.xy, m.yy = ctm.yy, m.x0 = ctm.x0, m.y0 = ctm.y0;
        pango_context_set_matrix(c, &m);
        pango_context_set_language(c, pango_script_get_sample_language(PANGO_SCRIPT_LATIN));
        pango_cairo_context_set_font_options(c, options);
        digits = pango_font_map_load_font(map, c, d);
        g_object_unref(c);
    }
    pango_font_description_free(d);
    cairo_font_options_destroy(options);
    return digits;
}

bool measure(PangoFont* font, HexBox& box) {
    cairo_scaled_font_t* scaled = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(font));
    if (!scaled || cairo_scaled_font_status(scaled) != CAIRO_STATUS_SUCCESS) return false;
    cairo_matrix_t ctm, matrix;
    cairo_scaled_font_get_ctm(scaled, &ctm);
    cairo_scaled_font_get_font_matrix(scaled, &matrix);
    double digitSize = scaleFactor(matrix) / scaleFactor(ctm) / 2.2;
    box.digitFont = loadDigitFont(font, scaled, digitSize);
    if (!box.digitFont) return false;
    box.digits = pango_cairo_font_get_scaled_font(PANGO_CAIRO_FONT(box.digitFont));
    if (!box.digits || cairo_scaled_font_status(box.digits) != CAIRO_STATUS_SUCCESS) return false;
    static constexpr char hex[] = "0123456789ABCDEF";
    for (size_t i = 0; i < 16; ++i) {
        char one[2] = {hex[i], 0};
        cairo_text_extents_t e;
        cairo_scaled_font_text_extents(box.digits, one, &e);
        box.digitWidth = std::max(box.digitWidth, e.width);
        box.digitHeight = std::max(box.digitHeight, e.height);
        cairo_glyph_t* glyphs = nullptr;
        int count = 0;
        if (cairo_scaled_font_text_to_glyphs(box.digits, 0, 0, one, 1, &glyphs, &count, nullptr, nullptr, nullptr) !=
                CAIRO_STATUS_SUCCESS ||
            count != 1) {
            cairo_glyph_free(glyphs);
            return false;
        }
        box.glyph[i] = glyphs[0].index;
        cairo_glyph_free(glyphs);
    }
    cairo_font_extents_t f;
    cairo_scaled_font_extents(scaled, &f);
    if (f.ascent + f.descent <= 0) f.ascent = PANGO_UNKNOWN_GLYPH_HEIGHT, f.descent = 0;
    box.pad = std::min((f.ascent + f.descent) / 43, digitSize);
    constexpr int rows = 2;
    box.boxHeight = 3 * box.pad + rows * (box.pad + box.digitHeight);
    if (box.boxHeight <= f.ascent)
        box.boxDescent = 2 * box.pad;
    else if (box.boxHeight <= f.ascent + f.descent - 2 * box.pad)
        box.boxDescent = 2 * box.pad + box.boxHeight - f.ascent;
    else
        box.boxDescent = f.descent * box.boxHeight / (f.ascent + f.descent);
    return true;
}

// Fonts of every size a document asks for could each be measured; the
// measures of this many are kept at a time.
constexpr size_t measuredFontsKept = 64;

struct Measured {
    PangoFont* font;  // a reference held, so the key is not reused
    bool usable;
    HexBox box;
};

std::unordered_map<PangoFont*, Measured>& measured() {
    static std::unordered_map<PangoFont*, Measured> kept;
    return kept;
}

// Between lines only, as a line's batches point into what is kept.
void forgetIfFull() {
    auto& kept = measured();
    if (kept.size() < measuredFontsKept) return;
    for (auto& [font, m] : kept) {
        if (m.box.digitFont) g_object_unref(m.box.digitFont);
        g_object_unref(m.font);
    }
    kept.clear();
}

const HexBox* hexBox(PangoFont* font) {
    auto& kept = measured();
    auto found = kept.find(font);
    if (found == kept.end()) {
        Measured m{PANGO_FONT(g_object_ref(font)), false, {}};
        m.usable = measure(font, m.box);
        found = kept.emplace(font, m).first;
    }
    return found->second.usable ? &found->second.box : nullptr;
}

// Code points pango draws otherwise than as a code in a box: invalid
// input, spaces, tabs and line ends, and the default ignorables it gives
// a short name.
bool drawnAsCode(gunichar ch) {
    static constexpr gunichar named[] = {0x00ad, 0x034f, 0x061c, 0x200b, 0x200c, 0x200d, 0x200e, 0x200f,
                                         0x2028, 0x2029, 0x202a, 0x202b, 0x202c, 0x202d, 0x202e, 0x2060,
                                         0x2061, 0x2062, 0x2063, 0x2066, 0x2067, 0x2068, 0x2069, 0xfeff};
    if (ch > 0x10ffff || ch == '\t' || ch == '\n' || ch == 0x2423) return false;
    if (g_unichar_type(ch) == G_UNICODE_SPACE_SEPARATOR) return false;
    for (gunichar n : named)
        if (ch == n) return false;
    return true;
}

// The colour pango's renderer gives a run's glyphs: its attributes',
// else what the caller set.
struct Colour {
    bool own = false;
    double red = 0, green = 0, blue = 0, alpha = 1;
    auto key() const { return std::tuple(own, red, green, blue, alpha); }
};

Colour colourOf(cairo_t* cr, const PangoItem* item) {
    Colour c;
    const PangoColor* rgb = nullptr;
    int alpha = 0;  // none, for pango as for us
    for (GSList* a = item->analysis.extra_attrs; a; a = a->next) {
        auto* attribute = static_cast<PangoAttribute*>(a->data);
        if (attribute->klass->type == PANGO_ATTR_FOREGROUND)
            rgb = &reinterpret_cast<PangoAttrColor*>(attribute)->color;
        else if (attribute->klass->type == PANGO_ATTR_FOREGROUND_ALPHA)
            alpha = reinterpret_cast<PangoAttrInt*>(attribute)->value;
    }
    if (!rgb && alpha == 0) return c;
    c.own = true;
    if (rgb)
        c.red = rgb->red / 65535., c.green = rgb->green / 65535., c.blue = rgb->blue / 65535.;
    else
        cairo_pattern_get_rgba(cairo_get_source(cr), &c.red, &c.green, &c.blue, &c.alpha);
    if (alpha > 0) c.alpha = alpha / 65535.;
    return c;
}

// The boxes of one font and colour in a line, ready to be drawn at once.
struct Batch {
    const HexBox* box;
    Colour colour;
    std::vector<double> frames;  // x, y, width, height of each
    std::vector<cairo_glyph_t> glyphs;
    std::string characters;
    std::vector<cairo_text_cluster_t> clusters;
};

// Where cairo puts a point moved to: pango shows each digit at the
// current point, which cairo keeps in device space to 1/256.
cairo_glyph_t placed(cairo_t* cr, unsigned long glyph, double x, double y) {
    cairo_user_to_device(cr, &x, &y);
    x = std::nearbyint(x * 256) / 256, y = std::nearbyint(y * 256) / 256;
    cairo_device_to_user(cr, &x, &y);
    return {glyph, x, y};
}

void add(cairo_t* cr, Batch& b, gunichar ch, double glyphWidth, double x, double y) {
    const HexBox& h = *b.box;
    const int cols = ch > 0xffff ? 3 : 2;
    // Centred on the glyph's advance, to whole pads: the advance pango
    // gives a box, cut to its units, makes that no pad at all.
    const double width = 3 * h.pad + cols * (h.digitWidth + h.pad);
    const double left = std::floor((glyphWidth - width) * .5 / h.pad) * h.pad;
    b.frames.insert(b.frames.end(), {x + left + .5 * h.pad, y + h.boxDescent - h.boxHeight + .5 * h.pad,
                                     width - h.pad, h.boxHeight - h.pad});
    const double x0 = x + left + 2 * h.pad, y0 = y + h.boxDescent - 2 * h.pad;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < cols; ++col) {
            int shift = 4 * ((2 - row) * cols - col - 1);
            b.glyphs.push_back(placed(cr, h.glyph[(ch >> shift) & 0xf], x0 + col * (h.digitWidth + h.pad),
                                      y0 - (1 - row) * (h.digitHeight + h.pad)));
        }
    char utf8[6];
    int bytes = g_unichar_to_utf8(ch, utf8);
    b.characters.append(utf8, static_cast<size_t>(bytes));
    b.clusters.push_back({bytes, 2 * cols});
}

void draw(cairo_t* cr, const Batch& b) {
    cairo_save(cr);
    if (b.colour.own) cairo_set_source_rgba(cr, b.colour.red, b.colour.green, b.colour.blue, b.colour.alpha);
    cairo_new_path(cr);
    for (size_t i = 0; i + 3 < b.frames.size(); i += 4)
        cairo_rectangle(cr, b.frames[i], b.frames[i + 1], b.frames[i + 2], b.frames[i + 3]);
    cairo_set_line_width(cr, b.box->pad);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(cr, 2.);
    cairo_stroke(cr);
    cairo_set_scaled_font(cr, b.box->digits);
    cairo_show_text_glyphs(cr, b.characters.data(), static_cast<int>(b.characters.size()), b.glyphs.data(),
                           static_cast<int>(b.glyphs.size()), b.clusters.data(), static_cast<int>(b.clusters.size()),
                           cairo_text_cluster_flags_t{});
    cairo_restore(cr);
}

}  // namespace

void showLayoutLine(cairo_t* cr, PangoLayoutLine* line) {
    forgetIfFull();
    double originX = 0, originY = 0;
    cairo_get_current_point(cr, &originX, &originY);
    // Put back however the drawing ends.
    struct Hidden {
        std::vector<std::pair<PangoGlyphInfo*, PangoGlyph>> glyphs;
        ~Hidden() {
            for (auto [glyph, id] : glyphs) glyph->glyph = id;
        }
    } hidden;
    std::map<std::tuple<const HexBox*, decltype(Colour{}.key())>, Batch> batches;
    // Boxes wholly beside the clip (the page, where nothing else clips)
    // are left out, as cairo leaves out what pango draws there: a line cut
    // off at its frame would otherwise put every box of it into the page.
    double clipLeft = 0, clipRight = 0, ignored = 0;
    cairo_clip_extents(cr, &clipLeft, &ignored, &clipRight, &ignored);
    int runX = 0;
    for (GSList* l = line->runs; l; l = l->next) {
        auto* run = static_cast<PangoGlyphItem*>(l->data);
        PangoGlyphString* glyphs = run->glyphs;
        runX += run->start_x_offset;
        Batch* batch = nullptr;
        int x = runX;
        for (int i = 0; i < glyphs->num_glyphs; ++i) {
            PangoGlyphInfo& g = glyphs->glyphs[i];
            const gunichar ch = g.glyph & ~PANGO_GLYPH_UNKNOWN_FLAG;
            if (g.glyph != PANGO_GLYPH_EMPTY && (g.glyph & PANGO_GLYPH_UNKNOWN_FLAG) &&
                g.glyph != PANGO_GLYPH_INVALID_INPUT && drawnAsCode(ch)) {
                if (!batch) {
                    PangoFont* font = run->item->analysis.font;
                    const HexBox* box = font ? hexBox(font) : nullptr;
                    if (!box) break;
                    Colour colour = colourOf(cr, run->item);
                    batch = &batches.try_emplace({box, colour.key()}, Batch{box, colour, {}, {}, {}, {}}).first->second;
                }
                const double left = originX + static_cast<double>(x + g.geometry.x_offset) / PANGO_SCALE,
                             width = static_cast<double>(g.geometry.width) / PANGO_SCALE;
                if (left + width >= clipLeft && left <= clipRight)
                    add(cr, *batch, ch, width, left,
                        originY + static_cast<double>(g.geometry.y_offset - run->y_offset) / PANGO_SCALE);
                hidden.glyphs.push_back({&g, g.glyph});
                g.glyph = PANGO_GLYPH_EMPTY;
            }
            x += g.geometry.width;
        }
        runX += pango_glyph_string_get_width(glyphs) + run->end_x_offset;
    }
    pango_cairo_show_layout_line(cr, line);
    for (const auto& [key, batch] : batches) draw(cr, batch);
}

}  // namespace text
