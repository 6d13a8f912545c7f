#include "Plattform/RandomBytes.h"

#include <cerrno>
#include <random>
#include <sys/random.h>

// getrandom takes well under a microsecond for a UUID's bytes; a
// std::random_device takes tens of microseconds a call where its hardware
// instruction is emulated, which a run that makes many invoices would feel.
void fillWithRandomBytes(std::span<uint8_t> bytes) {
    size_t filled = 0;
    while (filled < bytes.size()) {
        ssize_t n = getrandom(bytes.data() + filled, bytes.size() - filled, 0);
        if (n > 0) {
            filled += static_cast<size_t>(n);
        } else if (n < 0 && errno != EINTR) {
            std::random_device device;
            for (; filled < bytes.size(); ++filled) bytes[filled] = static_cast<uint8_t>(device());
        }
    }
}
