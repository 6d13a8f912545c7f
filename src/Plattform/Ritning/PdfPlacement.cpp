#include "Plattform/Ritning/PdfPlacement.h"

#include "Plattform/Ritning/PdfObjectCopy.h"
#include "Plattform/Ritning/PdfPageTree.h"
#include "Plattform/Ritning/QpdfMemory.h"

#include <qpdf/Buffer.hh>

#include <memory>
#include <stdexcept>
#include <string_view>

namespace {

// For each placement, the images of the document that stand for it.
std::vector<std::vector<QPDFObjectHandle>> standIns(QPDF& document,
                                                    const std::vector<pdfplacement::Placement>& placements) {
    std::vector<std::vector<QPDFObjectHandle>> found(placements.size());
    for (QPDFObjectHandle o : document.getAllObjects()) {
        if (!o.isStream()) continue;
        QPDFObjectHandle dict = o.getDict();
        if (!dict.getKey("/Subtype").isNameAndEquals("/Image") || !dict.getKey("/Filter").isNameAndEquals("/DCTDecode"))
            continue;
        std::shared_ptr<Buffer> data = o.getRawStreamData();
        const std::string_view bytes(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
        for (size_t i = 0; i < placements.size(); ++i)
            if (bytes.find(placements[i].marker) != std::string_view::npos) found[i].push_back(o);
    }
    return found;
}

QPDFObjectHandle real(double v) { return QPDFObjectHandle::newReal(v, 10); }

// Turns each image into a form of the page. The page's PDF must stay open
// until the document is written, which reads its streams.
void place(QPDF& document, QPDF& page, const std::vector<QPDFObjectHandle>& images) {
    std::optional<pdfpagetree::FirstPage> first = pdfpagetree::firstPage(page);
    if (!first) throw std::runtime_error("a placed page is gone");
    const std::optional<pdfpagetree::Box> box = pdfpagetree::mediaBox(*first);
    QPDFObjectHandle contents = first->page.getKey("/Contents");
    if (!box || !contents.isStream()) throw std::runtime_error("a placed page is damaged");

    PdfObjectCopy copy(document);
    QPDFObjectHandle resources = copy.copied(first->resources), group = copy.copied(first->page.getKey("/Group"));
    QPDFObjectHandle filter = copy.copied(contents.getDict().getKey("/Filter")),
                     parameters = copy.copied(contents.getDict().getKey("/DecodeParms"));
    std::shared_ptr<Buffer> content = contents.getRawStreamData();
    for (QPDFObjectHandle image : images) {
        QPDFObjectHandle form = QPDFObjectHandle::newDictionary();
        form.replaceKey("/Type", QPDFObjectHandle::newName("/XObject"));
        form.replaceKey("/Subtype", QPDFObjectHandle::newName("/Form"));
        form.replaceKey("/BBox", QPDFObjectHandle::newFromRectangle(
                                     QPDFObjectHandle::Rectangle(box->llx, box->lly, box->urx, box->ury)));
        // The box onto the unit square the image filled, y upward as in an
        // image's space.
        form.replaceKey("/Matrix", QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle>{
                                       real(1 / box->width()), real(0), real(0), real(1 / box->height()),
                                       real(-box->llx / box->width()), real(-box->lly / box->height())}));
        if (resources.isDictionary()) form.replaceKey("/Resources", resources);
        if (group.isDictionary()) form.replaceKey("/Group", group);
        image.replaceDict(form);
        image.replaceStreamData(content, filter, parameters);
    }
}

}  // namespace

std::vector<uint8_t> pdfplacement::apply(const std::vector<uint8_t>& bytes, const std::vector<Placement>& placements) {
    QPDF document;
    qpdfmemory::opened(document, "document", reinterpret_cast<const char*>(bytes.data()), bytes.size());
    const std::vector<std::vector<QPDFObjectHandle>> images = standIns(document, placements);
    std::vector<std::unique_ptr<QPDF>> pages;
    for (size_t i = 0; i < placements.size(); ++i) {
        if (images[i].empty()) continue;
        const std::string& page = *placements[i].page;
        QPDF& pdf = *pages.emplace_back(std::make_unique<QPDF>());
        place(document, qpdfmemory::opened(pdf, "page", page.data(), page.size()), images[i]);
    }
    const std::string out = qpdfmemory::written(document);
    return {out.begin(), out.end()};
}
