#pragma once
// A long text measured and drawn on a page, as the invoice does, once an
// iteration with the layout cache emptied; items processed are its
// characters, so the time per item is the cost per character.
#include "Plattform/Ritning/CairoCanvas.h"
#include "Plattform/Ritning/TextLayout.h"
#include "Plattform/Ritning/TextMeasurer.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

namespace bänk {

inline void mätOchRita(benchmark::State& state, const AttributedString& s, size_t tecken) {
    for (auto _ : state) {
        text::forgetLayouts();
        benchmark::DoNotOptimize(systemTextMeasurer().boundingSize(s, {150, 1000}));
        // On a page: the lines off it are left out, as the invoice leaves them.
        const cairo_rectangle_t sida{0, 0, 595, 842};
        cairo_surface_t* yta = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &sida);
        cairo_t* cr = cairo_create(yta);
        CairoCanvas(cr).drawText(s, {10, 10, 150, 800}, TextDrawingMode::fromTopLeft);
        cairo_destroy(cr);
        cairo_surface_destroy(yta);
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * tecken));
    state.SetComplexityN(static_cast<int64_t>(tecken));
}

// From 1 000 to 1 000 000 characters; the fitted complexity should read N.
inline void längder(benchmark::internal::Benchmark* b) {
    b->RangeMultiplier(10)->Range(1000, 1000000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

}  // namespace bänk
