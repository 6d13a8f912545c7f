#pragma once
// PDFs read from memory and written to it, the same way by every user of
// qpdf here. qpdf 11.3's headers do not build as C++20 with clang (a
// vector of a type not yet complete in JSON.hh), so every file that
// includes them, and every header those files include, is C++17 for clang
// (CMakeLists.txt).
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/QPDF.hh>

#include <cstddef>
#include <string>

namespace qpdfmemory {

// The `size` bytes at `bytes` read into `pdf`, its warnings kept quiet: a
// damaged file is read as far as it can be, and a refusal is ours to word.
// Throws what qpdf throws for a file it cannot read.
QPDF& opened(QPDF& pdf, const char* description, const char* bytes, size_t size);

// The document as written, its streams as they are stored (nothing decoded
// and packed again), in no object streams, with an ID taken from its
// content: the same document gives the same bytes.
std::string written(QPDF& pdf);

}  // namespace qpdfmemory
