#pragma once
// The threads the program starts name themselves, so that a look at the
// process's threads (top -H, a debugger, /proc/self/task) tells them apart.
#include <pthread.h>

// At most 15 bytes: a longer name is refused and the thread keeps the one
// it inherited.
namespace lzfse {

inline void nameThisThread(const char* name) { ::pthread_setname_np(::pthread_self(), name); }

}  // namespace lzfse
