// kontobok: one job on one .bok document per run.
#include "Kommandorad/Fakturamodul.h"
#include "Kommandorad/Jobb.h"
#include "Kommandorad/Kommandorad.h"
#include "Kommandorad/Utskrift.h"
#include "Plattform/Filer.h"
#include "Plattform/LeakChecker.h"
#include "Plattform/MemoryPages.h"

#include <csignal>
#include <exception>
#include <string>
#include <vector>

// The view's libraries come with the invoice module. The checker of gcc 12
// misreads the thread-local storage of libraries loaded after the start
// (and stops on it), so it is not searched; what GLib keeps there (its
// per-thread caches) is GLib's.
LEAK_CHECKER_DEFAULTS("leak:g_malloc0\n", ":use_tls=0")

int main(int argc, char** argv) {
    // A reader that goes away (a pipe into head) is a failed write that the
    // run reports, not a silent death halfway through an import.
    std::signal(SIGPIPE, SIG_IGN);
    // A large document's file, body and encoder tables come and go in turn;
    // each should give its memory back as it goes.
    giveLargeBlocksPagesOfTheirOwn();
    std::vector<std::string> args(argv, argv + argc);
    // The latest-invoice job's failures to load its module or write its file,
    // and a signal before its line is out, arrive here as typed errors; other
    // failures a user can cause are reported where they happen. The last two
    // catches hold the line against anything else, so the run still ends
    // with a message and status 1 and never with a half-written file.
    try {
        return kör(args);
    } catch (const Modulfel& fel) {
        skrivFel(fel.what());
    } catch (const FileError& fel) {
        skrivFel(fel.what());
    } catch (const Avbrott& fel) {
        skrivFel(fel.what());
    } catch (const std::exception& fel) {
        skrivFel(std::string("Internal error: ") + fel.what());
    } catch (...) {
        skrivFel("Internal error.");
    }
    return 1;
}
