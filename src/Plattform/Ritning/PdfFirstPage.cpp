#include "Plattform/Ritning/PdfFirstPage.h"

#include "Plattform/Ritning/BoundedProcess.h"
#include "Plattform/Ritning/ImageHeaders.h"
#include "Plattform/Ritning/PdfObjectBounds.h"
#include "Plattform/Ritning/PdfPageCopy.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {

using pdfpagecopy::Outcome;

// What the child may take to read a file.
constexpr boundedprocess::Limits childLimits{
    .memory = pdfbounds::mostChildMemory, .seconds = pdfbounds::mostChildSeconds, .answer = 0};

// The child's answer: the outcome, the boxes, the copy.
constexpr size_t boxValues = 5;
constexpr size_t headerSize = 1 + boxValues * sizeof(double);

std::string answer(const pdfpagecopy::Copy& copy) {
    const double box[boxValues] = {copy.x, copy.y, copy.width, copy.height, copy.mediaHeight};
    std::string a(1, char(copy.outcome));
    a.append(reinterpret_cast<const char*>(box), sizeof box);
    return a + copy.pdf;
}

std::optional<pdfpagecopy::Copy> fromAnswer(const std::string& a) {
    if (a.size() < headerSize || uint8_t(a[0]) > uint8_t(Outcome::last)) return std::nullopt;
    pdfpagecopy::Copy copy;
    copy.outcome = Outcome(uint8_t(a[0]));
    double box[boxValues];
    std::memcpy(box, a.data() + 1, sizeof box);
    copy.x = box[0], copy.y = box[1], copy.width = box[2], copy.height = box[3], copy.mediaHeight = box[4];
    copy.pdf = a.substr(headerSize);
    return copy;
}

// Why a file gives no page; none when it was copied.
std::optional<std::string> why(Outcome outcome) {
    switch (outcome) {
    case Outcome::unreadable: return "it cannot be read as a PDF";
    case Outcome::encrypted: return "it is encrypted";
    case Outcome::noPage: return "it has no page to show";
    case Outcome::imageTooLarge:
        return "it holds an image of more than " + std::to_string(largestImageSide) + " pixels a side";
    case Outcome::tooDeep:
        return "its objects are nested more than " + std::to_string(pdfbounds::deepestNesting) + " levels deep";
    case Outcome::tooMany:
        return "its first page holds more than " + std::to_string(pdfbounds::mostObjects) + " objects";
    case Outcome::contentTooLarge:
        return "its first page's content is more than " + std::to_string(pdfbounds::mostJoinedContent >> 20) +
               " MiB";
    case Outcome::copyTooLarge: return "its first page would take more room in the invoice than the whole file";
    case Outcome::copied: break;
    }
    return std::nullopt;
}

}  // namespace

bool looksLikePdf(std::span<const uint8_t> bytes) {
    constexpr size_t headerWithin = 1024;
    std::string_view start(reinterpret_cast<const char*>(bytes.data()), std::min(bytes.size(), headerWithin));
    return start.find("%PDF-") != std::string_view::npos;
}

PdfFirstPage::Read PdfFirstPage::read(std::span<const uint8_t> bytes, Source source) {
    if (bytes.empty() || !looksLikePdf(bytes)) return {};
    std::optional<pdfpagecopy::Copy> copy;
    if (source == Source::ours) {
        copy = pdfpagecopy::ofPageOne(bytes.data(), bytes.size());
    } else {
        boundedprocess::Limits limits = childLimits;
        limits.answer = headerSize + bytes.size() + pdfbounds::mostGrowth;
        std::optional<std::string> a =
            boundedprocess::run([&] { return answer(pdfpagecopy::ofPageOne(bytes.data(), bytes.size())); }, limits);
        if (a) copy = fromAnswer(*a);
        if (!copy)
            return {.page = nullptr,
                    .refusal = "reading it takes more than " + std::to_string(childLimits.memory >> 20) + " MiB or " +
                               std::to_string(childLimits.seconds) + " seconds"};
    }
    if (copy->outcome != Outcome::copied) return {.page = nullptr, .refusal = why(copy->outcome)};
    std::shared_ptr<PdfFirstPage> page(new PdfFirstPage);
    page->pdf_ = std::make_shared<const std::string>(std::move(copy->pdf));
    page->cropBox_ = {copy->x, copy->y, copy->width, copy->height};
    page->mediaBoxHeight_ = copy->mediaHeight;
    return {.page = std::move(page)};
}
