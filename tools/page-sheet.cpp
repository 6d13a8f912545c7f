// Developer tool: one PDF page showing the first page of many PDFs side by
// side, each scaled into a tile with its caption beneath; an entry without
// a readable PDF gets a grey tile with its caption in it. scripts/
// contact-sheet uses it for the sheet of every built-in template.
//
//   page-sheet [--columns N] OUTPUT.pdf CAPTION[=FILE.pdf] ...
#include "Plattform/Ritning/AttributedString.h"
#include "Plattform/Ritning/Canvas.h"
#include "Plattform/Ritning/FontRegistry.h"
#include "Plattform/Ritning/PdfDocument.h"
#include "Plattform/Ritning/PdfWriter.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

// A tile holds a portrait A4 page at a quarter of its size.
constexpr double rutbredd = 148.75, ruthöjd = 210.5;
constexpr double rubrikhöjd = 18, marginal = 14;

struct Post {
    std::string rubrik;
    std::shared_ptr<const PdfDocument> pdf;  // none: a grey tile
};

std::shared_ptr<const PdfDocument> läsPdf(const std::string& sökväg) {
    std::ifstream in(sökväg, std::ios::binary);
    if (!in) return nullptr;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return PdfDocument::fromBytes(bytes).document;
}

AttributedString centrerad(const std::string& text, const Font& font, const Color& färg) {
    ParagraphStyle stil;
    stil.alignment = TextAlignment::center;
    return AttributedString(text, TextAttributes{stil, färg, font});
}

void ritaRuta(Canvas& canvas, const Post& post, const Rect& ruta, const Font& rubrikfont, const Font& stor) {
    const Color ram = Color::rgb(0.6, 0.6, 0.6);
    if (post.pdf) {
        // The page fitted into the tile with its aspect kept, centred.
        const Rect sida = post.pdf->cropBox();
        const double skala = std::min(ruta.width / sida.width, ruta.height / sida.height);
        const Rect plats{ruta.x + (ruta.width - sida.width * skala) / 2,
                         ruta.y + (ruta.height - sida.height * skala) / 2, sida.width * skala,
                         sida.height * skala};
        canvas.fill(BezierPath::rect(plats), Color::white());
        canvas.save();
        canvas.clip(plats);
        canvas.concat(AffineTransform::translation(plats.x, plats.y).scaled(skala, skala));
        canvas.drawPdfPage(*post.pdf);
        canvas.restore();
        canvas.stroke(BezierPath::rect(plats), ram);
    } else {
        canvas.fill(BezierPath::rect(ruta), Color::rgb(0.78, 0.78, 0.78));
        canvas.drawText(centrerad(post.rubrik, stor, Color::rgb(0.45, 0.45, 0.45)),
                        {ruta.x, ruta.y + ruta.height / 2 - 18, ruta.width, 40}, TextDrawingMode::fromTopLeft);
    }
    canvas.drawText(centrerad(post.rubrik, rubrikfont, Color::black()),
                    {ruta.x, ruta.maxY() + 3, ruta.width, rubrikhöjd}, TextDrawingMode::fromTopLeft);
}

int användning() {
    std::fputs("usage: page-sheet [--columns N] OUTPUT.pdf CAPTION[=FILE.pdf] ...\n", stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arg(argv + 1, argv + argc);
    size_t kolumner = 7;
    if (arg.size() >= 2 && arg[0] == "--columns") {
        kolumner = std::strtoul(arg[1].c_str(), nullptr, 10);
        arg.erase(arg.begin(), arg.begin() + 2);
    }
    if (arg.size() < 2 || kolumner == 0) return användning();

    std::vector<Post> poster;
    for (size_t i = 1; i < arg.size(); ++i) {
        const size_t lika = arg[i].find('=');
        Post p{arg[i].substr(0, lika), nullptr};
        if (lika != std::string::npos) p.pdf = läsPdf(arg[i].substr(lika + 1));
        poster.push_back(std::move(p));
    }

    const auto rubrikfont = fonts::fontWithName("HelveticaNeue-Bold", 11);
    const auto stor = fonts::fontWithName("HelveticaNeue-Bold", 28);
    if (!rubrikfont || !stor) {
        std::fputs("page-sheet: the caption font is missing\n", stderr);
        return 1;
    }

    const size_t rader = (poster.size() + kolumner - 1) / kolumner;
    const double stegX = rutbredd + marginal, stegY = ruthöjd + rubrikhöjd + marginal;
    const Size sida{marginal + kolumner * stegX, marginal + rader * stegY};
    try {
        PdfWriter writer({"Built-in invoice templates", "", "page-sheet", std::nullopt});
        Canvas& canvas = writer.beginPage(sida);
        canvas.fill(BezierPath::rect({0, 0, sida.width, sida.height}), Color::rgb(0.93, 0.93, 0.93));
        for (size_t i = 0; i < poster.size(); ++i) {
            const Rect ruta{marginal + (i % kolumner) * stegX, marginal + (i / kolumner) * stegY, rutbredd,
                            ruthöjd};
            ritaRuta(canvas, poster[i], ruta, *rubrikfont, *stor);
        }
        writer.endPage();
        const std::vector<uint8_t> pdf = writer.finish();
        std::ofstream ut(arg[0], std::ios::binary);
        ut.write(reinterpret_cast<const char*>(pdf.data()), static_cast<std::streamsize>(pdf.size()));
        if (!ut) {
            std::fprintf(stderr, "page-sheet: cannot write %s\n", arg[0].c_str());
            return 1;
        }
    } catch (const PdfError& e) {
        std::fprintf(stderr, "page-sheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
