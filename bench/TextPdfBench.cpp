// An item table of 10 000 short cells: each measured in its column, then
// drawn, 500 to a page, into a 20-page PDF. Target: under 150 ms.
#include <benchmark/benchmark.h>

#include "Plattform/Ritning/PdfWriter.h"
#include "Plattform/Ritning/TextLayout.h"
#include "Plattform/Ritning/TextMeasurer.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Cell {
    AttributedString text;
    Rect frame;
};

std::vector<Cell> tableCells() {
    ParagraphStyle right;
    right.alignment = TextAlignment::right;
    ParagraphStyle truncating;
    truncating.lineBreakMode = LineBreakMode::truncatingTail;
    TextAttributes amount{right, Color::black(), Font{"HelveticaNeue", 9}};
    TextAttributes text{truncating, Color::grey(0.2), Font{"HelveticaNeue-Light", 9}};
    const double widths[] = {40, 160, 50, 40, 60, 70, 70};
    std::vector<Cell> cells;
    for (int i = 0; cells.size() < 10000; ++i) {
        std::string row = std::to_string(i);
        const std::string texts[] = {row,
                                     "Konsulttimmar vecka " + std::to_string(i % 52 + 1) + ", projekt " + row,
                                     std::to_string(1 + i % 40) + ",00",
                                     "tim",
                                     std::to_string(950 + i % 7 * 25) + ",00",
                                     "25 %",
                                     std::to_string((1 + i % 40) * (950 + i % 7 * 25)) + ",00"};
        double x = 30;
        for (int c = 0; c < 7 && cells.size() < 10000; ++c) {
            cells.push_back({AttributedString(texts[c], c == 1 || c == 3 ? text : amount), {x, 0, widths[c], 0}});
            x += widths[c] + 5;
        }
    }
    return cells;
}

}  // namespace

static void MeasureAndDrawTableCells(benchmark::State& state) {
    std::vector<Cell> cells = tableCells();
    const TextMeasurer& measurer = systemTextMeasurer();
    for (auto _ : state) {
        text::forgetLayouts();
        // Layout: every cell measured in its column, rows as tall as their
        // tallest cell.
        std::vector<Rect> frames;
        frames.reserve(cells.size());
        double y = 40, rowHeight = 0;
        for (size_t i = 0; i < cells.size(); ++i) {
            if (i % 500 == 0) y = 40;
            if (i % 7 == 0) y += rowHeight, rowHeight = 0;
            Size s = measurer.boundingSize(cells[i].text, {cells[i].frame.width, 1000});
            rowHeight = std::max(rowHeight, s.height);
            frames.push_back({cells[i].frame.x, y, cells[i].frame.width, s.height});
        }
        PdfWriter writer({"Invoice #1", "Bench", "kontobok", 0});
        Canvas* page = nullptr;
        for (size_t i = 0; i < cells.size(); ++i) {
            if (i % 500 == 0) {
                if (page) writer.endPage();
                page = &writer.beginPage({595, 842});
            }
            page->drawText(cells[i].text, frames[i], TextDrawingMode::fromTopLeft);
        }
        writer.endPage();
        benchmark::DoNotOptimize(writer.finish());
    }
}
BENCHMARK(MeasureAndDrawTableCells)->Unit(benchmark::kMillisecond);

