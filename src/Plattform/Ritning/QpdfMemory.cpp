#include "Plattform/Ritning/QpdfMemory.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDFWriter.hh>

#include <memory>

QPDF& qpdfmemory::opened(QPDF& pdf, const char* description, const char* bytes, size_t size) {
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile(description, bytes, size);
    return pdf;
}

std::string qpdfmemory::written(QPDF& pdf) {
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setDecodeLevel(qpdf_dl_none);
    writer.setCompressStreams(false);
    writer.setObjectStreamMode(qpdf_o_disable);
    writer.setDeterministicID(true);
    writer.write();
    std::unique_ptr<Buffer> buffer(writer.getBuffer());
    return {reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize()};
}
