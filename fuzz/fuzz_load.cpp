// libFuzzer target: any bytes handed to the document reader give a
// document or a thrown error, never a crash, a hang or an over-read. A
// document that loads must also save and load again.
#include "Fillagring.h"
#include "Modell/Bokforing.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::unique_ptr<Bokföring> bok;
    try {
        bok = Bokföring::från(std::span<const uint8_t>(data, size));
    } catch (const std::exception&) {
        return 0;
    }
    // What was read is written as this program writes it; that must read
    // back and write the same bytes again.
    Bytes fil = bok->dataMedMellansteg(versionSomSkrivs);
    Bytes igen = Bokföring::från(fil)->dataMedMellansteg(versionSomSkrivs);
    if (igen != fil) __builtin_trap();
    return 0;
}
