#include "Plattform/Ritning/PdfPageCopy.h"

#include "Plattform/Ritning/PdfImageSizes.h"
#include "Plattform/Ritning/PdfObjectBounds.h"
#include "Plattform/Ritning/PdfObjectCopy.h"
#include "Plattform/Ritning/PdfPageTree.h"
#include "Plattform/Ritning/QpdfMemory.h"

#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/Pl_String.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <new>
#include <vector>

namespace {

struct ContentTooLarge {};

// Passes what several streams decode to on into one pipeline, ending it
// only when told to, and no more than mostJoinedContent bytes.
class Joined : public Pipeline {
public:
    explicit Joined(Pipeline* next) : Pipeline("joined", next) {}
    void write(unsigned char const* data, size_t length) override {
        if (length > pdfbounds::mostJoinedContent - count_) throw ContentTooLarge{};
        count_ += length;
        getNext()->write(data, length);
    }
    void finish() override {}
    void end() { getNext()->finish(); }

private:
    uint64_t count_ = 0;
};

// Whether the stream decodes without an error, read into nothing: its
// first mostJoinedContent bytes (a page whose content is longer costs more
// than the reader is allowed to be asked for).
bool decodes(QPDFObjectHandle stream) {
    struct Enough {};
    class Bounded : public Pipeline {
    public:
        Bounded() : Pipeline("bounded", nullptr) {}
        void write(unsigned char const*, size_t length) override {
            if (length > pdfbounds::mostJoinedContent - count_) throw Enough{};
            count_ += length;
        }
        void finish() override {}

    private:
        uint64_t count_ = 0;
    } nowhere;
    try {
        return stream.pipeStreamData(&nowhere, 0, qpdf_dl_generalized, true, false);
    } catch (const Enough&) {
        return true;
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        return false;
    }
}

// The page's content as one stream in `out`: a single stream that decodes
// copied as it is stored (a compressed stream is never expanded here),
// several joined, and so one that is damaged: of it what can be decoded is
// kept, as a reader draws what it can of a damaged page.
QPDFObjectHandle content(QPDF& out, PdfObjectCopy& copy, QPDFObjectHandle contents) {
    std::vector<QPDFObjectHandle> streams;
    if (contents.isStream()) streams.push_back(contents);
    else if (contents.isArray())
        for (int i = 0; i < contents.getArrayNItems(); ++i)
            if (contents.getArrayItem(i).isStream()) streams.push_back(contents.getArrayItem(i));
    if (streams.size() == 1 && decodes(streams.front())) return copy.copied(streams.front());
    std::string deflated;
    Pl_String collect("content", nullptr, deflated);
    Pl_Flate compress("compress", &collect, Pl_Flate::a_deflate);
    Joined joined(&compress);
    for (QPDFObjectHandle stream : streams) {
        try {
            stream.pipeStreamData(&joined, 0, qpdf_dl_generalized, true, false);
        } catch (const ContentTooLarge&) {
            throw;
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception&) {
        }
        const unsigned char newline = '\n';
        joined.write(&newline, 1);
    }
    joined.end();
    QPDFObjectHandle stream = QPDFObjectHandle::newStream(&out);
    stream.replaceStreamData(deflated, QPDFObjectHandle::newName("/FlateDecode"), QPDFObjectHandle::newNull());
    return stream;
}

pdfpagecopy::Copy notCopied(pdfpagecopy::Outcome why) {
    pdfpagecopy::Copy copy;
    copy.outcome = why;
    return copy;
}

// A page that cannot be found or read. qpdf's parser reads an object
// nested some hundreds of levels deep as null, with a warning: a page lost
// so is refused as too deep, not as missing.
pdfpagecopy::Copy lost(QPDF& source, pdfpagecopy::Outcome otherwise) {
    for (const QPDFExc& warning : source.getWarnings())
        if (warning.getMessageDetail().find("deeply nested") != std::string::npos)
            return notCopied(pdfpagecopy::Outcome::tooDeep);
    return notCopied(otherwise);
}

pdfpagecopy::Copy copied(QPDF& source, size_t size) {
    using pdfpagecopy::Outcome;
    // Opened with the empty password; what it protects is not ours to copy.
    if (source.isEncrypted()) return notCopied(Outcome::encrypted);
    std::optional<pdfpagetree::FirstPage> first = pdfpagetree::firstPage(source);
    if (!first) return lost(source, Outcome::noPage);
    const std::optional<pdfpagetree::Box> media = pdfpagetree::mediaBox(*first),
                                          visible = pdfpagetree::visibleBox(*first);
    if (!media || !visible) return lost(source, Outcome::noPage);
    pdfpagecopy::Copy result;
    result.x = visible->llx;
    result.y = visible->lly;
    result.width = visible->width();
    result.height = visible->height();
    result.mediaHeight = media->height();

    QPDF out;
    out.setSuppressWarnings(true);
    out.emptyPDF();
    PdfObjectCopy copy(out);
    QPDFObjectHandle page = QPDFObjectHandle::newDictionary();
    page.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
    page.replaceKey("/MediaBox", QPDFObjectHandle::newFromRectangle(
                                     QPDFObjectHandle::Rectangle(visible->llx, visible->lly, visible->urx, visible->ury)));
    if (first->resources.isDictionary()) page.replaceKey("/Resources", copy.copied(first->resources));
    if (QPDFObjectHandle group = first->page.getKey("/Group"); group.isDictionary())
        page.replaceKey("/Group", copy.copied(group));
    page.replaceKey("/Contents", content(out, copy, first->page.getKey("/Contents")));
    QPDFPageDocumentHelper(out).addPage(QPDFPageObjectHelper(out.makeIndirectObject(page)), false);
    if (pdfimages::anyTooLarge(out)) {
        result.outcome = Outcome::imageTooLarge;
        return result;
    }
    result.pdf = qpdfmemory::written(out);
    // The copy numbers its objects from 1; an invoice, which numbers fewer
    // than a million, may give each reference up to five digits more.
    if (result.pdf.size() + 5 * copy.references() > size + pdfbounds::mostGrowth) {
        result.pdf.clear();
        result.outcome = Outcome::copyTooLarge;
        return result;
    }
    result.outcome = Outcome::copied;
    return result;
}

}  // namespace

pdfpagecopy::Copy pdfpagecopy::ofPageOne(const uint8_t* pdf, size_t size) {
    Copy refused;
    try {
        QPDF source;
        return copied(qpdfmemory::opened(source, "PDF", reinterpret_cast<const char*>(pdf), size), size);
    } catch (const pdfbounds::TooDeep&) {
        refused.outcome = Outcome::tooDeep;
    } catch (const pdfbounds::TooMany&) {
        refused.outcome = Outcome::tooMany;
    } catch (const ContentTooLarge&) {
        refused.outcome = Outcome::contentTooLarge;
    } catch (const std::bad_alloc&) {
        // Memory ran out, not the file's sense: the caller says so.
        throw;
    } catch (const QPDFExc& e) {
        // A user password that is not empty: it cannot even be opened.
        if (e.getErrorCode() == qpdf_e_password) refused.outcome = Outcome::encrypted;
    } catch (const std::exception&) {
    }
    return refused;
}
