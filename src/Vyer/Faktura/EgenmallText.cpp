// A user template's text in the field the user drew: a text that fits is
// set as it always was; a longer one is set smaller, down to 70 %, and
// then cut with an ellipsis, never past the field's frame.
#include "Vyer/Faktura/Egenmall.h"
#include "Vyer/Faktura/Textpassning.h"

namespace egenmall {

namespace {

// The text's lines cut at the frame's edge with an ellipsis instead of
// running on past it.
AttributedString medEllipsPåRaden(const AttributedString& text) {
    AttributedString ut;
    for (const auto& run : text.runs()) {
        TextAttributes a = run.attributes;
        ParagraphStyle stil = a.paragraphStyle.value_or(ParagraphStyle());
        stil.lineBreakMode = LineBreakMode::truncatingTail;
        a.paragraphStyle = stil;
        ut.append(std::string_view(text.text()).substr(run.start, run.length), a);
    }
    return ut;
}

CachatObjekt iTextlayout(const Fakturavy& vy, const AttributedString& text, const Rect& ram) {
    return {std::nullopt, std::nullopt,
            cachad::stringNeedingLayoutManager{
                textInomRam(vy.mätare, text, ram.size(), TextDrawingMode::layoutManager).text, ram}};
}

// One line on the frame's foot, as the newer string handling sets a plain
// text: a field that holds two lines of it even set at 70 % takes a text
// too wide for its one line on several; a lower one sets it smaller to
// keep to its line, and cuts it at the frame's edge at 70 %.
CachatObjekt påFoten(const Fakturavy& vy, AttributedString text, const Rect& ram) {
    const TextMeasurer& m = vy.mätare;
    auto bredd = [&](const AttributedString& t) {
        return m.extent(t, Rect{}, TextDrawingMode::baselineAtFoot).size.width;
    };
    if (text.empty() || bredd(text) <= ram.width + passningsmån) return {std::move(text), ram};

    const AttributedString minst = text.scaled(minstaTextskala);
    const auto rader = m.lines(minst, ram.width, TextDrawingMode::layoutManager);
    if (rader.size() > 1 && rader[1].bottom <= ram.height + passningsmån) return iTextlayout(vy, text, ram);

    const auto störst =
        störstaProcent([&](int procent) { return bredd(text.scaled(procent / 100.0)) <= ram.width + passningsmån; });
    if (!störst) return {medEllipsPåRaden(minst), ram};
    return {text.scaled(*störst / 100.0), ram};
}

}  // namespace

CachatObjekt textIFält(const Fakturavy& vy, AttributedString text, const Rect& ram, bool medTextlayout) {
    if (medTextlayout) return iTextlayout(vy, text, ram);
    if (!vy.annanSträngmetod)
        return {textInomRam(vy.mätare, text, ram.size(), TextDrawingMode::fromTopLeft).text, ram};
    return påFoten(vy, std::move(text), ram);
}

}  // namespace egenmall
