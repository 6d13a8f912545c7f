#include "Plattform/Ritning/PdfImageSizes.h"

#include "Plattform/Ritning/ImageHeaders.h"
#include "Plattform/Ritning/PdfObjectBounds.h"

#include <qpdf/Pipeline.hh>
#include <qpdf/Pl_String.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <algorithm>
#include <new>
#include <string>

namespace {

// Thrown by the pipeline to end the decoding of a stream early.
struct EnoughRead {};

// Passes the first `most` bytes on and ends the decoding there.
class AtMost : public Pipeline {
public:
    AtMost(Pipeline* next, uint64_t most) : Pipeline("at most", next), most_(most) {}
    void write(unsigned char const* data, size_t length) override {
        const size_t taken = size_t(std::min<uint64_t>(length, most_ - count_));
        count_ += taken;
        if (taken > 0) getNext()->write(data, taken);
        if (count_ == most_) throw EnoughRead{};
    }
    void finish() override { getNext()->finish(); }

private:
    uint64_t most_, count_ = 0;
};

// The first bytes of a stream's data with every filter but its image
// codec undone; what cannot be decoded gives what came before it.
std::string start(QPDFObjectHandle stream) {
    std::string bytes;
    Pl_String collect("image start", nullptr, bytes);
    AtMost first(&collect, pdfbounds::headerSearched);
    try {
        stream.pipeStreamData(&first, 0, qpdf_dl_generalized, true, false);
    } catch (const EnoughRead&) {
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
    }
    return bytes;
}

uint64_t integer(QPDFObjectHandle o) {
    if (!o.isInteger()) return 0;
    const long long v = o.getIntValue();
    return v > 0 ? uint64_t(v) : 0;
}

// The last item of a filter or parameter entry: the one an image codec
// stands in.
QPDFObjectHandle last(QPDFObjectHandle o) {
    if (o.isArray() && o.getArrayNItems() > 0) return o.getArrayItem(o.getArrayNItems() - 1);
    return o;
}

bool tooLarge(uint64_t width, uint64_t height) { return width > largestImageSide || height > largestImageSide; }

bool tooLarge(const ImageHeader& h) { return tooLarge(h.width, h.height); }

bool tooLarge(QPDFObjectHandle image) {
    QPDFObjectHandle dict = image.getDict();
    if (tooLarge(integer(dict.getKey("/Width")), integer(dict.getKey("/Height")))) return true;
    QPDFObjectHandle filter = last(dict.getKey("/Filter"));
    if (filter.isNameAndEquals("/JBIG2Decode")) {
        const std::string own = start(image);
        if (tooLarge(jbig2Header(reinterpret_cast<const uint8_t*>(own.data()), own.size()))) return true;
        QPDFObjectHandle globals = last(dict.getKey("/DecodeParms"));
        globals = globals.isDictionary() ? globals.getKey("/JBIG2Globals") : QPDFObjectHandle::newNull();
        if (!globals.isStream()) return false;
        const std::string shared = start(globals);
        return tooLarge(jbig2Header(reinterpret_cast<const uint8_t*>(shared.data()), shared.size()));
    }
    if (filter.isNameAndEquals("/DCTDecode") || filter.isNameAndEquals("/JPXDecode")) {
        const std::string bytes = start(image);
        const auto* b = reinterpret_cast<const uint8_t*>(bytes.data());
        const std::optional<ImageHeader> header =
            filter.isNameAndEquals("/DCTDecode") ? jpegHeader(b, bytes.size()) : jpeg2000Header(b, bytes.size());
        return header && tooLarge(*header);
    }
    return false;
}

}  // namespace

bool pdfimages::anyTooLarge(QPDF& pdf) {
    for (QPDFObjectHandle o : pdf.getAllObjects())
        if (o.isStream() && o.getDict().getKey("/Subtype").isNameAndEquals("/Image") && tooLarge(o)) return true;
    return false;
}
