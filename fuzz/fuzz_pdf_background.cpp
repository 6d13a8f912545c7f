// libFuzzer target: any bytes read as a background PDF or as a PDF logo
// give none or a page with a usable crop box, and putting that page into
// a PDF of ours (under a page, and as a logo turned and clipped on two
// pages) neither crashes nor fails: what was read can be placed. The
// reading runs in this process, where the fuzzer sees it and holds it to
// its own limits (the tool reads in a child process).
#include "Plattform/Ritning/BoundedProcess.h"
#include "Plattform/Ritning/Image.h"
#include "Plattform/Ritning/PdfDocument.h"
#include "Plattform/Ritning/PdfWriter.h"

#include <cmath>
#include <cstdlib>
#include <exception>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    boundedprocess::runInThisProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto document = PdfDocument::fromBytes({data, size}).document;
    auto logo = Image::fromBytes({data, size}).image;
    if (!document && !logo) return 0;
    if (document) {
        Rect crop = document->cropBox();
        if (!crop.isFinite() || crop.width <= 0 || crop.height <= 0 || !std::isfinite(document->mediaBoxHeight()))
            std::abort();
    }
    try {
        PdfWriter writer({"", "", "", 0});
        for (int page = 0; page < 2; ++page) {
            Canvas& canvas = writer.beginPage({200, 300});
            if (document) canvas.drawPdfPage(*document);
            if (logo) {
                canvas.save();
                canvas.clip({10, 10, 150, 100});
                canvas.concat(AffineTransform::translation(40, 20).rotated(0.3));
                canvas.drawImage(*logo, {0, 0, 100, 60});
                canvas.restore();
            }
            writer.endPage();
        }
        if (writer.finish().empty()) std::abort();
    } catch (const std::exception&) {
        std::abort();  // a page that was read but cannot be put in
    }
    return 0;
}
