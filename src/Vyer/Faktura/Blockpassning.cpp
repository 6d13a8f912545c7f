#include "Vyer/Faktura/Blockpassning.h"

#include <variant>

bool avkortadVidFoten(const TextMeasurer& mätare, CachatObjekt& objekt, double fot) {
    auto* s = std::get_if<cachad::string>(&objekt.data);
    if (!s) return true;
    const auto rader = mätare.lines(s->string, s->frame.width, TextDrawingMode::fromTopLeft);
    if (rader.empty() || s->frame.y + rader.front().bottom > fot + 0.5) return false;
    if (s->frame.y + rader.back().bottom > fot + 0.5) {
        s->frame.height = fot - s->frame.y;
        s->string = avkortad(mätare, s->string, s->frame.size(), TextDrawingMode::fromTopLeft);
    }
    return true;
}
