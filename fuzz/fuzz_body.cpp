// libFuzzer target for the document body alone (the bytes inside the
// container), so mutations reach the record readers instead of failing
// the decompression: a body gives a document or a thrown error, and a
// document read from it writes a body that reads back. The first save may
// normalise what was read (tolerated values, dangling references); from
// then on saving is stable, so the second and third saves are equal.
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
    Bytes andra, tredje;
    try {
        Inström igen(första);
        Bokföring läst(igen);
        andra = kropp(läst);
        Inström igen2(andra);
        Bokföring läst2(igen2);
        tredje = kropp(läst2);
    } catch (const std::exception&) {
        __builtin_trap();  // this program wrote a body it cannot read
    }
    if (andra != tredje) __builtin_trap();
    return 0;
}
