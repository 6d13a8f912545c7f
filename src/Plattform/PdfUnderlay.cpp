#include "Plattform/PdfUnderlay.h"

// qpdf without its deprecated smart pointer; C++17 for clang, as
// PdfDrawingCost.cpp says.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/Pl_String.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

std::string number(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", v);
    return text;
}

// The crop box within the media box, as readers show a page.
QPDFObjectHandle::Rectangle visible(QPDFObjectHandle::Rectangle crop, QPDFObjectHandle::Rectangle media) {
    auto lower = [](double a, double b) { return std::min(a, b); };
    auto upper = [](double a, double b) { return std::max(a, b); };
    return {upper(lower(crop.llx, crop.urx), lower(media.llx, media.urx)),
            upper(lower(crop.lly, crop.ury), lower(media.lly, media.ury)),
            lower(upper(crop.llx, crop.urx), upper(media.llx, media.urx)),
            lower(upper(crop.lly, crop.ury), upper(media.lly, media.ury))};
}

// The page's content streams decoded and joined: as much of each as can be
// decoded, as a reader draws what it can of a damaged page.
std::string contentOf(QPDFPageObjectHelper page) {
    std::string content;
    for (QPDFObjectHandle stream : page.getPageContents()) {
        Pl_String collect("content", nullptr, content);
        try {
            stream.pipeStreamData(&collect, 0, qpdf_dl_generalized, true, false);
        } catch (const std::exception&) {
        }
        content += "\n";
    }
    return content;
}

QPDF& opened(QPDF& pdf, const char* what, const std::vector<uint8_t>& bytes) {
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile(what, reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return pdf;
}

// Puts the underlays into `out`; each background's QPDF must stay open
// until `out` is written, which copies their objects.
void place(QPDF& out, const std::vector<pdfunderlay::Underlay>& underlays,
           std::vector<std::unique_ptr<QPDF>>& backgrounds) {
    const std::vector<QPDFObjectHandle>& pages = out.getAllPages();
    for (size_t i = 0; i < underlays.size(); ++i) {
        const pdfunderlay::Underlay& u = underlays[i];
        QPDF& background = opened(*backgrounds.emplace_back(std::make_unique<QPDF>()), "background", *u.pdf);
        if (background.getAllPages().empty()) throw std::runtime_error("a background has no page");
        QPDFPageObjectHelper first(background.getAllPages().front());
        QPDFObjectHandle crop = first.getCropBox(), media = first.getMediaBox();
        if (!crop.isRectangle() || !media.isRectangle()) throw std::runtime_error("a background has no crop box");
        const QPDFObjectHandle::Rectangle box = visible(crop.getArrayAsRectangle(), media.getArrayAsRectangle());

        QPDFObjectHandle form = QPDFObjectHandle::newStream(&background, contentOf(first));
        QPDFObjectHandle dict = form.getDict();
        dict.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
        dict.replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
        dict.replaceKey("/BBox", QPDFObjectHandle::newFromRectangle(box));
        QPDFObjectHandle resources = first.getAttribute("/Resources", false);
        if (resources.isDictionary()) dict.replaceKey("/Resources", resources.shallowCopy());
        QPDFObjectHandle group = first.getAttribute("/Group", false);
        if (group.isDictionary()) dict.replaceKey("/Group", group.shallowCopy());
        QPDFObjectHandle placed = out.copyForeignObject(form);

        const std::string name = "/KontobokBakgrund" + std::to_string(i);
        const std::string content = "q 1 0 0 1 " + number(-box.llx) + " " + number(-box.lly) + " cm " + name + " Do Q\n";
        for (int p : u.pages) {
            if (p < 0 || size_t(p) >= pages.size()) throw std::runtime_error("no such page");
            QPDFPageObjectHelper page(pages[size_t(p)]);
            QPDFObjectHandle own = page.getAttribute("/Resources", true);
            if (!own.isDictionary()) {
                own = QPDFObjectHandle::newDictionary();
                page.getObjectHandle().replaceKey("/Resources", own);
            }
            if (!own.getKey("/XObject").isDictionary()) own.replaceKey("/XObject", QPDFObjectHandle::newDictionary());
            own.getKey("/XObject").replaceKey(name, placed);
            page.addPageContents(QPDFObjectHandle::newStream(&out, content), true);
        }
    }
}

std::vector<uint8_t> written(QPDF& out) {
    QPDFWriter writer(out);
    writer.setOutputMemory();
    // Streams as they are: nothing decoded and packed again.
    writer.setDecodeLevel(qpdf_dl_none);
    writer.setDeterministicID(true);
    writer.write();
    std::unique_ptr<Buffer> buffer(writer.getBuffer());
    return {buffer->getBuffer(), buffer->getBuffer() + buffer->getSize()};
}

}  // namespace

std::vector<uint8_t> pdfunderlay::apply(const std::vector<uint8_t>& document, const std::vector<Underlay>& underlays) {
    QPDF out;
    std::vector<std::unique_ptr<QPDF>> backgrounds;
    place(opened(out, "document", document), underlays, backgrounds);
    return written(out);
}

bool pdfunderlay::fits(const std::shared_ptr<const std::vector<uint8_t>>& pdf) {
    try {
        QPDF out;
        out.setSuppressWarnings(true);
        out.emptyPDF();
        QPDFPageDocumentHelper(out).addPage(
            QPDFPageObjectHelper(out.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 10 10] >>"))),
            false);
        std::vector<std::unique_ptr<QPDF>> backgrounds;
        place(out, {{pdf, {0}}}, backgrounds);
        written(out);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
