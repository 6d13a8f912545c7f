#pragma once
// A hyphenation dictionary read into libhyphen's own structures, so that
// libhyphen's hyphenate functions apply it exactly as they apply one it
// loaded itself. libhyphen's loader keeps its states in a hash table of a
// fixed size; for the German dictionary (about 78 000 lines, most of them
// whole compounds) that costs over two seconds a run. This one builds the
// same automaton as a trie and finds the fallback states breadth first,
// in a few tens of milliseconds.
#include <hyphen.h>

#include <string>

// The dictionary in `path`, or null when it cannot be read. Freed with
// hnj_hyphen_free, like one of libhyphen's.
HyphenDict* loadHyphenationDictionary(const std::string& path);
