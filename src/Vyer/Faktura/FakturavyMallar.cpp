// User templates: fields placed over the template's own background page,
// on one plan. Every field but the item fields shows on every page, each
// text alone in a room of its frame; the items go either in rows under the
// line fields or in the shared item table; page numbers come once the
// pages are known.
#include "Modell/Adress.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Lokal.h"
#include "Vyer/Faktura/Egenmall.h"
#include "Vyer/Faktura/Rumsplan.h"

#include <algorithm>
#include <cmath>

namespace egenmall {

std::vector<Fält> fältPåSidan(const std::vector<Fakturafält>& gemensamma, const std::vector<Fakturafält>& egna,
                              double mediaboxhöjd) {
    std::vector<Fält> ut;
    ut.reserve(gemensamma.size() + egna.size());
    for (const auto* lista : {&gemensamma, &egna})
        for (const Fakturafält& f : *lista) {
            // Stored upward from the page's foot.
            const Rect ram{f.ram.x, mediaboxhöjd - (f.ram.y + f.ram.height), f.ram.width, f.ram.height};
            if (!f.ram.isFinite() || !ram.isFinite() || f.ram.width < 0 || f.ram.height < 0) continue;
            ut.push_back({f.id, &f.stil, ram});
        }
    return ut;
}

TextAttributes attribut(const Stil& stil, std::optional<TextAlignment> justering) {
    TextAttributes a = stil.attribut();
    if (a.font) a.font = fonts::mappedFont(a.font->name, a.font->pointSize);
    if (justering) {
        if (*justering == TextAlignment::left) {
            a.paragraphStyle.reset();
        } else {
            a.paragraphStyle.emplace();
            a.paragraphStyle->alignment = *justering;
        }
    }
    return a;
}

Körning::Körning(Fakturavy& vy, const Fakturamall& mall)
    : vy(vy),
      mall(mall),
      procent(NumberFormatter::Style::percent, lokal::aktuell()),
      antal(NumberFormatter::Style::decimal, lokal::aktuell()) {
    const auto adress = vy.f.mottagaradress();
    mottagareMedAttention = (adress ? adress->attention : std::nullopt) != vy.f.företag();
}

}  // namespace egenmall

namespace {

using Id = Fakturafält::Id;

// The multi-line texts that need full text layout in the view's other
// string mode.
bool medTextlayout(Id id) { return id == Id::RecipientAddress || id == Id::SenderAddress || id == Id::FreeText; }

// A field's room: its frame, less its top where the item rows reach into
// it (they stand a row base below the contents field's top).
std::optional<Rect> rumFör(const Rect& ram, const std::optional<Rect>& rader) {
    if (!rader || !ram.intersects(*rader) || ram.minY() < rader->minY() || ram.maxY() <= rader->maxY())
        return std::nullopt;
    return Rect{ram.x, rader->maxY(), ram.width, ram.maxY() - rader->maxY()};
}

// A field's value on the plan: an image drawn in its frame, a text alone
// in its room.
void visa(rumsplan::Plan& plan, const Fakturavy& vy, const egenmall::Fält& fält, egenmall::Värde värde,
          const std::optional<Rect>& rader) {
    if (auto* bild = std::get_if<std::shared_ptr<const Image>>(&värde))
        return plan.rita({std::nullopt, std::nullopt, cachad::image{std::move(*bild), fält.ram}});
    AttributedString text(std::get<std::string>(värde), egenmall::attribut(*fält.stil));
    // An empty text still stands for the field, drawing nothing.
    if (text.empty()) return plan.rita(CachatObjekt(std::move(text), fält.ram));
    using rumsplan::Sättning;
    const bool tabell = vy.annanSträngmetod && medTextlayout(*fält.id);
    plan.text(std::string(kod(*fält.id)), std::move(text), fält.ram,
              {.rum = rumFör(fält.ram, rader), .sättning = tabell ? Sättning::tabell : Sättning::sträng});
}

const egenmall::Fält* förstaMed(const std::vector<egenmall::Fält>& fält, Id id) {
    auto it = std::find_if(fält.begin(), fält.end(), [id](const auto& f) { return f.id == id; });
    return it == fält.end() ? nullptr : &*it;
}

}  // namespace

void Fakturavy::laddaBakgrundFörFakturamall(const Fakturamall& mall) {
    const Fakturaspråk* version = mall.språkversion(f.språk());
    if (version && version->pdfData) {
        // The invoice's own language names the background even when another
        // version stands in for it.
        std::string nyckel = "__" + mall.namn + f.språk();
        if (mallOchSpråk != nyckel || (!bakgrund && !bakgrundensFel)) {
            mallOchSpråk = std::move(nyckel);
            PdfDocument::Read läst = PdfDocument::fromBytes(*version->pdfData);
            bakgrund = std::move(läst.document);
            bakgrundensFel = std::move(läst.refusal);
        }
    } else {
        bakgrund = nullptr;
    }
    // Without it the fields have nothing to stand on: no page is laid out.
    if (bakgrund) {
        saknadBakgrund.reset();
        varförBakgrundSaknas.reset();
    } else {
        saknadBakgrund = "for the template \"" + mall.namn + "\"";
        varförBakgrundSaknas = version && version->pdfData ? bakgrundensFel : std::nullopt;
    }
}

void Fakturavy::uppdateraMedFakturamall(const Fakturamall& mall) {
    const Fakturaspråk* version = mall.språkversion(f.språk());
    if (!version || !bakgrund) return;
    // A spacing that is no number would put every item row nowhere.
    radavstånd = std::isfinite(mall.radavstånd) ? mall.radavstånd : 0;
    annanSträngmetod = !mall.gammaldagsStränghantering;

    egenmall::Körning k(*this, mall);
    const auto fält = egenmall::fältPåSidan(mall.fält, version->fält, bakgrund->mediaBoxHeight());
    // A PDF logo is judged once, at the largest size a field shows it,
    // before any field shows it: each shows it, or none does.
    std::vector<Size> logotypramar;
    for (const auto& fä : fält)
        if (fä.id == Id::Logo) logotypramar.push_back(fä.ram.size());
    läsLogotypenFör(logotypramar);

    const auto* rubriker = förstaMed(fält, Id::LineHeaders);
    const auto* innehåll = förstaMed(fält, Id::LineContents);
    std::optional<Rect> rader;
    if (rubriker && innehåll) rader = egenmall::radernasRum(*this, *rubriker, *innehåll);

    rumsplan::Plan plan(*this);
    for (const auto& fä : fält) {
        if (!fä.id) continue;
        if (auto värde = egenmall::sidvärde(k, *fä.id, fä.ram.size())) {
            visa(plan, *this, fä, std::move(*värde), rader);
        } else if (fä.id == Id::PageNumber || fä.id == Id::PageCount) {
            plan.sidtal(std::string(kod(*fä.id)),
                        fä.id == Id::PageNumber ? rumsplan::Plan::Sidtal::sidan : rumsplan::Plan::Sidtal::antal,
                        egenmall::attribut(*fä.stil), fä.ram);
        }
    }

    if (rader) {
        egenmall::läggUtTabell(plan, *rubriker, *innehåll, *rader);
    } else {
        // One of the pair alone has nowhere to put the table.
        if (!rubriker && !innehåll) egenmall::läggUtRader(k, fält);
        // A template without a place for the items still shows its fields.
        if (innehållFörVarjeSida.empty()) innehållFörVarjeSida.emplace_back();
    }
    std::move(plan).placera();
}
