// Developer tool: every face of the font table setting every letter of
// Latin Extended-A, the Romanian comma-below letters and the macron, which
// the build completes the faces with, and names of the countries that
// write them, as an invoice sets text, on A4 pages. scripts/letter-sheet draws them at 300 dpi into docs/,
// for a reader of each language to look at.
//
//   letter-sheet OUTPUT.pdf
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Ritning/Canvas.h"
#include "Plattform/Ritning/FontFaces.h"
#include "Plattform/Ritning/PdfWriter.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr Size a4{595, 842};
constexpr double marginal = 30, storlek = 13, radhöjd = 17, mellan = 8;

const char* const rader[] = {
    "ĀāĂăĄąĆćĈĉĊċČčĎďĐđĒēĔĕĖėĘęĚěĜĝĞğĠġ",
    "ĢģĤĥĦħĨĩĪīĬĭĮįİıĲĳĴĵĶķĸĹĺĻļĽľĿŀŁł",
    "ŃńŅņŇňŉŊŋŌōŎŏŐőŒœŔŕŖŗŘřŚśŜŝŞşŠšŢţ",
    "ŤťŦŧŨũŪūŬŭŮůŰűŲųŴŵŶŷŸŹźŻżŽžſȘșȚț ¯",
    "Rīga Ģirts Ķepa Ļaudona Ņikita · Ąžuolas įmonė Šiaulių",
    "Przedsiębiorstwo Jędrzejczak Łódź · Győr Hőtechnikai Szűcs",
    "Iași Țurcanu · Ľubica Ďurčo ťažký Vŕba · Růžička Dvořák",
    "Đakovo Ćosić · Ħamrun Ġżira · İstanbul Şişli · Máŋgga Ŧoavdi",
};

AttributedString text(const std::string& s, const Font& font, const Color& färg) {
    return AttributedString(s, TextAttributes{ParagraphStyle{}, färg, font});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: letter-sheet OUTPUT.pdf\n", stderr);
        return 2;
    }
    // One block a face drawn, by the first name that draws it.
    std::vector<const fonts::Face*> ytor;
    std::set<std::string_view> sedda;
    for (const fonts::Face& f : fonts::allFaces())
        if (sedda.insert(f.substitute).second) ytor.push_back(&f);

    const Font rubrik{"HelveticaNeue", 8};
    const Color grå = Color::rgb(0.45, 0.45, 0.45);
    const double block = 12 + std::size(rader) * radhöjd + mellan;
    const size_t perSida = size_t((a4.height - 2 * marginal) / block);
    try {
        PdfWriter writer({"Every letter in every face", "", "letter-sheet", std::nullopt});
        Canvas* canvas = nullptr;
        for (size_t i = 0; i < ytor.size(); ++i) {
            if (i % perSida == 0) {
                if (i) writer.endPage();
                canvas = &writer.beginPage(a4);
            }
            double y = marginal + double(i % perSida) * block;
            const fonts::Face& f = *ytor[i];
            canvas->drawText(text(std::string(f.name) + " — " + std::string(f.substitute), rubrik, grå),
                            {marginal, y, a4.width - 2 * marginal, 12}, TextDrawingMode::fromTopLeft);
            y += 12;
            for (const char* rad : rader) {
                canvas->drawText(text(rad, Font{std::string(f.name), storlek}, Color::black()),
                                {marginal, y, a4.width - 2 * marginal, radhöjd}, TextDrawingMode::fromTopLeft);
                y += radhöjd;
            }
        }
        writer.endPage();
        const std::vector<uint8_t> pdf = writer.finish();
        std::ofstream ut(argv[1], std::ios::binary);
        ut.write(reinterpret_cast<const char*>(pdf.data()), static_cast<std::streamsize>(pdf.size()));
        if (!ut) {
            std::fprintf(stderr, "letter-sheet: cannot write %s\n", argv[1]);
            return 1;
        }
    } catch (const PdfError& e) {
        std::fprintf(stderr, "letter-sheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
