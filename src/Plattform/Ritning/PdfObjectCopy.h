#pragma once
// Objects of one PDF copied into another. What a reference leads to is
// copied once, however often it is referred to, and the objects still to
// copy wait in a queue, not on the call stack: a chain of references as
// long as the file can hold costs no stack. Within one object the copy
// descends its arrays and dictionaries, which the depth bound keeps
// shallow. Page objects and page tree nodes are not carried over (a
// reference to one becomes null): a copied page takes nothing of the
// document's other pages along. Stream data goes over as stored, never
// decoded. C++17 as well (QpdfMemory.h says why).
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <cstddef>
#include <deque>
#include <map>
#include <utility>

class PdfObjectCopy {
public:
    explicit PdfObjectCopy(QPDF& to) : to_(to) {}

    // `from`, and everything it leads to, copied into `to`; what an earlier
    // call copied is used again. Throws pdfbounds::TooDeep when something
    // lies more than pdfbounds::deepestNesting levels below `from`, and
    // pdfbounds::TooMany when the copies of all calls would hold more than
    // pdfbounds::mostObjects objects.
    QPDFObjectHandle copied(QPDFObjectHandle from);

    // References among the copies: the writer may give each a longer
    // number than the one it had.
    size_t references() const { return references_; }

private:
    QPDFObjectHandle value(QPDFObjectHandle from, int depth);
    QPDFObjectHandle reference(QPDFObjectHandle from, int depth);
    void fill(QPDFObjectHandle from, QPDFObjectHandle copy, int depth);
    void count();

    QPDF& to_;
    std::map<QPDFObjGen, QPDFObjectHandle> copies_;
    // Referred to and not yet filled: each with its copy and its depth.
    std::deque<std::pair<QPDFObjectHandle, std::pair<QPDFObjectHandle, int>>> waiting_;
    size_t objects_ = 0, references_ = 0;
};
