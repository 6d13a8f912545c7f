#include "Vyer/Faktura/Pilrutor.h"

#include "Modell/Fakturor/Fakturaliknande.h"
#include "Plattform/Strangar.h"
#include "Vyer/Faktura/Pilbana.h"

#include <algorithm>

void pilrutor(const Fakturavy& vy, rumsplan::Plan& plan, const Pilrutsattribut& a) {
    AttributedString beloppsrubrik(versaler(vy.rubrikFörBeloppAttBetala()), a.vitRubrik);
    AttributedString datumrubrik(versaler(vy.rubrikFörFörfallodatum()), a.rubrik);
    auto bredd = [&](const AttributedString& t) { return vy.mätare.boundingSize(t, {10000, 10000}).width; };
    const double w = std::max(bredd(beloppsrubrik), bredd(datumrubrik)) + 24;
    const Rect r1 = Rect{291.5 - w, 590, w, 40}.integral();
    const Rect r2 = Rect{303.5, 589, w, 40}.integral();
    plan.rita({std::nullopt, std::nullopt, cachad::path{pilbana(r1, Pilriktning::uppåt), Color::black(), std::nullopt}});
    BezierPath vitPil = pilbana(r2, Pilriktning::nedåt);
    vitPil.lineWidth = 2;
    plan.rita({std::nullopt, std::nullopt, cachad::path{std::move(vitPil), Color::white(), Color::black()}});
    plan.text("amount caption", std::move(beloppsrubrik), {r1.x, r1.y + 10, r1.width, r1.height});
    plan.text("due date caption", std::move(datumrubrik), {r2.x, r2.y + 11, r2.width, r2.height});
    // A large amount under short captions is wider than its box: it runs
    // on to the right rather than break onto the arrow's tab.
    auto påEnRad = [&](const char* namn, std::string_view t, Rect ram) {
        AttributedString text(t, a.stor);
        ram.width = std::max(ram.width, bredd(text));
        plan.text(namn, std::move(text), ram);
    };
    påEnRad("amount", vy.belopp(vy.f.attBetala()), {r1.x, r1.y - 21 - r1.height, r1.width, r1.height});
    påEnRad("due date", Fakturavy::datumtext(vy.f.förfallodatum()), {r2.x + 5, r2.y + 60, r2.width, 35});
    // The terms' frame reaches under the due date; their room ends there.
    const Rect villkor{r1.x - 20, 655, r1.width + 40, 15};
    plan.text("payment terms",
              AttributedString(versaler(vy.rubrikFörBetalningsvillkor() + " " + vy.rubrikFörDagar()), a.villkor),
              villkor, {.rum = Rect{villkor.x, villkor.y, r2.x + 5 - villkor.x, villkor.height}});
}
