// C++17 for clang, as every file that includes qpdf's headers (CMakeLists.txt).
#include "Plattform/Ritning/PageOneCost.h"

#include "Plattform/Ritning/PdfDrawingCost.h"
#include "Plattform/Ritning/PdfPageTree.h"
#include "Plattform/Ritning/QpdfMemory.h"

#include <exception>

namespace testhjalp {

std::optional<uint64_t> costOfPageOne(const std::vector<uint8_t>& pdf, uint64_t limit) {
    try {
        QPDF document;
        qpdfmemory::opened(document, "PDF", reinterpret_cast<const char*>(pdf.data()), pdf.size());
        if (document.isEncrypted()) return std::nullopt;
        std::optional<pdfpagetree::FirstPage> first = pdfpagetree::firstPage(document);
        if (!first) return std::nullopt;
        std::optional<pdfpagetree::Box> visible = pdfpagetree::visibleBox(*first);
        if (!visible) return std::nullopt;
        return pdfcost::ofPage(first->page, first->resources, visible->width() * visible->height(), limit);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace testhjalp
