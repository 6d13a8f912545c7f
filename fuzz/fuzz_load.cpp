// libFuzzer target: any bytes handed to the document reader give a
// document or a thrown error, never a crash, a hang or an over-read. A
// document that loads must also save and load again (see fuzz_body for why
// the saved bytes are not required to repeat).
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
    Bytes fil = bok->dataMedMellansteg(versionSomSkrivs);
    try {
        Bokföring::från(fil);
    } catch (const std::exception&) {
        __builtin_trap();  // this program saved a file it cannot load
    }
    return 0;
}
