// libFuzzer target for the document body alone (the bytes inside the
// container), so mutations reach the record readers instead of failing
// the decompression: a body gives a document or a thrown error, and a
// document read from it writes a body that reads back to the same bytes.
#include "Modell/Bokforing.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

namespace {
Bytes kropp(const Bokföring& bok) {
    Utström ström;
    bok.spara(ström);
    return ström.take();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<Bokföring> bok;
    try {
        Inström ström(std::span<const uint8_t>(data, size));
        bok = std::make_unique<Bokföring>(ström);
    } catch (const std::exception&) {
        return 0;
    }
    Bytes första = kropp(*bok);
    Inström igen(första);
    if (kropp(Bokföring(igen)) != första) __builtin_trap();
    return 0;
}
