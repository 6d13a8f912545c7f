#pragma once
// The address space this process maps now: what a limit on the address
// space (RLIMIT_AS) is set above, so that a process is given the same room
// however much its libraries and sanitizers already map.
#include <cstdint>
#include <cstdio>
#include <unistd.h>

// In bytes; 0 when it cannot be told.
inline uint64_t mappedNow() {
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm) return 0;
    unsigned long long pages = 0;
    const bool read = std::fscanf(statm, "%llu", &pages) == 1;
    std::fclose(statm);
    return read ? pages * uint64_t(sysconf(_SC_PAGESIZE)) : 0;
}
