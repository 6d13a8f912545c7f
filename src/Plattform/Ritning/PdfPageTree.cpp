#include "Plattform/Ritning/PdfPageTree.h"

#include "Plattform/Ritning/PdfObjectBounds.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace {

// A node on the walk's path, with what it hands down and the next of its
// kids to visit.
struct Step {
    QPDFObjectHandle kids;
    int next = 0;
    QPDFObjectHandle resources, mediaBox, cropBox;
};

void inherit(QPDFObjectHandle node, QPDFObjectHandle& resources, QPDFObjectHandle& mediaBox,
             QPDFObjectHandle& cropBox) {
    if (QPDFObjectHandle r = node.getKey("/Resources"); !r.isNull()) resources = r;
    if (QPDFObjectHandle m = node.getKey("/MediaBox"); !m.isNull()) mediaBox = m;
    if (QPDFObjectHandle c = node.getKey("/CropBox"); !c.isNull()) cropBox = c;
}

std::optional<pdfpagetree::Box> rectangle(QPDFObjectHandle o) {
    if (!o.isRectangle()) return std::nullopt;
    const QPDFObjectHandle::Rectangle r = o.getArrayAsRectangle();
    const pdfpagetree::Box b{std::min(r.llx, r.urx), std::min(r.lly, r.ury), std::max(r.llx, r.urx),
                             std::max(r.lly, r.ury)};
    if (!std::isfinite(b.llx) || !std::isfinite(b.lly) || !std::isfinite(b.urx) || !std::isfinite(b.ury))
        return std::nullopt;
    return b;
}

// Of a finite size too: corners far apart can make a width no double holds.
bool hasArea(const pdfpagetree::Box& b) {
    return b.width() > 0 && b.height() > 0 && std::isfinite(b.width()) && std::isfinite(b.height());
}

}  // namespace

std::optional<pdfpagetree::FirstPage> pdfpagetree::firstPage(QPDF& pdf) {
    QPDFObjectHandle root = pdf.getRoot().getKey("/Pages");
    if (!root.isDictionary()) return std::nullopt;
    // A node reached twice is a loop or a shared branch: nothing new below.
    std::set<QPDFObjGen> seen;
    std::vector<Step> path;
    auto enter = [&](QPDFObjectHandle node, const Step* above) -> std::optional<FirstPage> {
        if (!node.isDictionary()) return std::nullopt;
        if (node.isIndirect() && !seen.insert(node.getObjGen()).second) return std::nullopt;
        Step step;
        if (above) {
            step.resources = above->resources;
            step.mediaBox = above->mediaBox;
            step.cropBox = above->cropBox;
        }
        inherit(node, step.resources, step.mediaBox, step.cropBox);
        QPDFObjectHandle type = node.getKey("/Type"), kids = node.getKey("/Kids");
        if (type.isNameAndEquals("/Page") || (!kids.isArray() && !type.isNameAndEquals("/Pages")))
            return FirstPage{node, step.resources, step.mediaBox, step.cropBox};
        if (!kids.isArray()) return std::nullopt;
        if (int(path.size()) >= pdfbounds::deepestNesting) throw pdfbounds::TooDeep();
        step.kids = kids;
        path.push_back(std::move(step));
        return std::nullopt;
    };
    if (auto page = enter(root, nullptr)) return page;
    while (!path.empty()) {
        Step& top = path.back();
        if (top.next >= top.kids.getArrayNItems()) {
            path.pop_back();
            continue;
        }
        QPDFObjectHandle kid = top.kids.getArrayItem(top.next++);
        // `top` may move when a node is entered; a copy hands down.
        const Step above = top;
        if (auto page = enter(kid, &above)) return page;
    }
    return std::nullopt;
}

std::optional<pdfpagetree::Box> pdfpagetree::mediaBox(const FirstPage& page) {
    std::optional<Box> media = rectangle(page.mediaBox);
    if (!media) media = Box{0, 0, 612, 792};
    if (!hasArea(*media)) return std::nullopt;
    return media;
}

std::optional<pdfpagetree::Box> pdfpagetree::visibleBox(const FirstPage& page) {
    std::optional<Box> media = mediaBox(page);
    if (!media) return std::nullopt;
    std::optional<Box> crop = rectangle(page.cropBox);
    if (!crop) return media;
    const Box visible{std::max(crop->llx, media->llx), std::max(crop->lly, media->lly), std::min(crop->urx, media->urx),
                      std::min(crop->ury, media->ury)};
    if (!hasArea(visible)) return std::nullopt;
    return visible;
}
