#pragma once
// Pango (1.50) starts threads for work that takes it microseconds over the
// few faces a run loads: when its first font map is made, one that
// initialises fontconfig's default configuration, which pango then waits
// for; and for every font description it has not met before, two that
// look up the description's best face and every face in order after it,
// the first of which it waits for. A one-page invoice started some 40, and
// on a busy machine waiting for each to be scheduled cost more than the
// work. Pango reaches GLib's g_thread_new through the dynamic linker, which
// finds the definition in PangoThreads.cpp in the program first: it runs
// that work on the calling thread instead, and starts every other thread
// as GLib's own g_thread_new does.
#include <pango/pangocairo.h>

namespace fonts {

// A new cairo font map of FreeType fonts. Pango's initialisation of
// fontconfig, which pango starts while it holds a lock the initialisation
// takes, runs on this thread once the map is made.
PangoFontMap* newFontMapInitialisedHere();

}  // namespace fonts
