#include "Plattform/Ritning/PdfObjectCopy.h"

#include "Plattform/Ritning/PdfObjectBounds.h"

#include <qpdf/Buffer.hh>

#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {

bool pageOrPageTree(QPDFObjectHandle o) {
    if (!o.isDictionary()) return false;
    QPDFObjectHandle type = o.getKey("/Type");
    return type.isNameAndEquals("/Page") || type.isNameAndEquals("/Pages");
}

}  // namespace

QPDFObjectHandle PdfObjectCopy::copied(QPDFObjectHandle from) {
    QPDFObjectHandle result = value(from, 0);
    while (!waiting_.empty()) {
        auto [original, copy] = waiting_.front();
        waiting_.pop_front();
        fill(original, copy.first, copy.second);
    }
    return result;
}

void PdfObjectCopy::count() {
    if (++objects_ > pdfbounds::mostObjects) throw pdfbounds::TooMany();
}

QPDFObjectHandle PdfObjectCopy::value(QPDFObjectHandle from, int depth) {
    if (depth > pdfbounds::deepestNesting) throw pdfbounds::TooDeep();
    if (from.isIndirect()) return reference(from, depth);
    count();
    if (from.isDictionary()) {
        QPDFObjectHandle copy = QPDFObjectHandle::newDictionary();
        for (const std::string& key : from.getKeys()) copy.replaceKey(key, value(from.getKey(key), depth + 1));
        return copy;
    }
    if (from.isArray()) {
        std::vector<QPDFObjectHandle> items;
        const int n = from.getArrayNItems();
        items.reserve(size_t(n));
        for (int i = 0; i < n; ++i) items.push_back(value(from.getArrayItem(i), depth + 1));
        return QPDFObjectHandle::newArray(items);
    }
    if (from.isBool()) return QPDFObjectHandle::newBool(from.getBoolValue());
    if (from.isInteger()) return QPDFObjectHandle::newInteger(from.getIntValue());
    if (from.isReal()) return QPDFObjectHandle::newReal(from.getRealValue());
    if (from.isName()) return QPDFObjectHandle::newName(from.getName());
    if (from.isString()) return QPDFObjectHandle::newString(from.getStringValue());
    return QPDFObjectHandle::newNull();
}

QPDFObjectHandle PdfObjectCopy::reference(QPDFObjectHandle from, int depth) {
    if (auto known = copies_.find(from.getObjGen()); known != copies_.end()) {
        if (known->second.isIndirect()) ++references_;
        return known->second;
    }
    if (from.isNull() || pageOrPageTree(from))
        return copies_.emplace(from.getObjGen(), QPDFObjectHandle::newNull()).first->second;
    // A stream is made at once, so that references to it can be made;
    // anything else is reserved until it is filled.
    QPDFObjectHandle copy = from.isStream() ? QPDFObjectHandle::newStream(&to_) : QPDFObjectHandle::newReserved(&to_);
    copies_.emplace(from.getObjGen(), copy);
    ++references_;
    waiting_.push_back({from, {copy, depth}});
    return copy;
}

void PdfObjectCopy::fill(QPDFObjectHandle from, QPDFObjectHandle copy, int depth) {
    if (!from.isStream()) {
        // A copy of what the source object holds takes the reserved place.
        to_.replaceReserved(copy, value(from.unsafeShallowCopy(), depth));
        return;
    }
    count();
    QPDFObjectHandle dict = from.getDict();
    QPDFObjectHandle copiedDict = QPDFObjectHandle::newDictionary();
    for (const std::string& key : dict.getKeys())
        // The writer gives every stream its own length.
        if (key != "/Length") copiedDict.replaceKey(key, value(dict.getKey(key), depth + 1));
    std::shared_ptr<Buffer> data;
    try {
        data = from.getRawStreamData();
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception&) {
        // Data that cannot be found in the file: the stream stays empty,
        // and with no filter to undo.
        data = std::make_shared<Buffer>();
        copiedDict.removeKey("/Filter");
        copiedDict.removeKey("/DecodeParms");
    }
    copy.replaceDict(copiedDict);
    copy.replaceStreamData(data, copiedDict.getKey("/Filter"), copiedDict.getKey("/DecodeParms"));
}
