// User templates: fields placed over the template's own background page.
// Every field but the item fields shows on every page; the items go either
// in rows under the line fields or in the shared item table; page numbers
// come last, once the pages are known.
#include "Modell/Adress.h"
#include "Modell/Fakturor/Fakturaliknande.h"
#include "Modell/Fakturor/Fakturamall.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Lokal.h"
#include "Vyer/Faktura/Egenmall.h"

#include <algorithm>
#include <cmath>

namespace egenmall {

Rect vänd(const Rect& lagrad, double sidhöjd) {
    return {lagrad.x, sidhöjd - (lagrad.y + lagrad.height), lagrad.width, lagrad.height};
}

std::vector<Fält> fältPåSidan(const std::vector<Fakturafält>& gemensamma, const std::vector<Fakturafält>& egna,
                              double mediaboxhöjd) {
    std::vector<Fält> ut;
    ut.reserve(gemensamma.size() + egna.size());
    for (const auto* lista : {&gemensamma, &egna})
        for (const Fakturafält& f : *lista) {
            const Rect ram = vänd(f.ram, mediaboxhöjd);
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

CachatObjekt objekt(const Fakturavy& vy, const egenmall::Fält& fält, egenmall::Värde värde) {
    if (auto* bild = std::get_if<std::shared_ptr<const Image>>(&värde))
        return {std::nullopt, std::nullopt, cachad::image{std::move(*bild), fält.ram}};
    return egenmall::textIFält(vy, AttributedString(std::get<std::string>(värde), egenmall::attribut(*fält.stil)),
                               fält.ram, vy.annanSträngmetod && medTextlayout(*fält.id));
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

    for (const auto& fä : fält) {
        if (!fä.id) continue;
        if (auto värde = egenmall::sidvärde(k, *fä.id, fä.ram.size())) innehållFörAllaSidor.push_back(objekt(*this, fä, *värde));
    }

    const auto* rubriker = förstaMed(fält, Id::LineHeaders);
    const auto* innehåll = förstaMed(fält, Id::LineContents);
    if (rubriker || innehåll) {
        // One of the pair alone has nowhere to put the table.
        if (rubriker && innehåll) egenmall::läggUtTabell(k, *rubriker, *innehåll);
    } else {
        egenmall::läggUtRader(k, fält);
    }
    // A template without a place for the items still shows its fields.
    if (innehållFörVarjeSida.empty()) innehållFörVarjeSida.emplace_back();

    const int antal = antalSidor();
    for (const auto& fä : fält) {
        if (fä.id == Id::PageCount) {
            innehållFörAllaSidor.push_back(objekt(*this, fä, std::to_string(antal)));
        } else if (fä.id == Id::PageNumber) {
            for (int p = 1; p <= antal; ++p)
                innehållFörVarjeSida[size_t(p - 1)].push_back(objekt(*this, fä, std::to_string(p)));
        }
    }
}
