#pragma once
// What a leak checker must not report, read only by AddressSanitizer
// builds. Fontconfig refers to parts of its patterns by offset instead of
// by pointer, so every pattern held for the life of the process looks lost;
// libhyphen loses a few bytes once when it loads some dictionaries, which
// are loaded once. Without print_suppressions=0 the checker lists the
// suppressions it used on standard error at exit, which the program keeps
// for its own messages. The checker asks the program itself, at its start:
// a file of the program, not of a module loaded later, says this; visibly,
// since the drawing side, which says it for the programs that link it, is
// compiled with hidden visibility.
#define LEAK_CHECKER_SUPPRESSIONS "leak:libfontconfig.so\nleak:libhyphen.so\n"
#define LEAK_CHECKER_DEFAULTS(suppressions, options)                                        \
    extern "C" [[gnu::visibility("default")]] const char* __lsan_default_suppressions() {   \
        return LEAK_CHECKER_SUPPRESSIONS suppressions;                                      \
    }                                                                                       \
    extern "C" [[gnu::visibility("default")]] const char* __lsan_default_options() {        \
        return "print_suppressions=0" options;                                              \
    }
