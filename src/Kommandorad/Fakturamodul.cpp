#include "Kommandorad/Fakturamodul.h"

#include "Plattform/BuildStampNote.h"
#include "Plattform/Filer.h"
#include "Plattform/SharedObjectFile.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>
#include <vector>

namespace {

#define KONTOBOK_STRING_I(x) #x
#define KONTOBOK_STRING(x) KONTOBOK_STRING_I(x)
constexpr const char* ingången = KONTOBOK_STRING(KONTOBOK_MODULE_ENTRY(KONTOBOK_BUILD_STAMP));
constexpr const char* stämpel = KONTOBOK_STRING(KONTOBOK_BUILD_STAMP);

Fakturautskriftsfunktion inlänkad = nullptr;

// The module beside the program file, wherever it was started from.
std::string modulensSökväg() {
    const std::optional<std::string> katalog = programDirectory();
    if (!katalog) throw Modulfel("The invoice module cannot be found: the program's own path is unknown.");
    return *katalog + KONTOBOK_MODULE_FILE;
}

// Opens the module and checks it from that open file, so that none of its
// code runs (its constructors run as it loads) and the loader maps nothing
// past its end unless it is an ELF shared object of this machine, whole,
// and of this build. Throws Modulfel.
elf::SharedObjectFile prövadModulfil(const std::string& sökväg) {
    try {
        return elf::SharedObjectFile(sökväg);
    } catch (const elf::NotLoadable& fel) {
        throw Modulfel("The invoice module cannot be loaded: " + sökväg + ": " + fel.what() + ".");
    } catch (const FileError& fel) {
        if (fel.errnoValue == ENOENT)
            throw Modulfel("The invoice module cannot be loaded: it must stand beside the program, as " + sökväg +
                           ", and there is no such file.");
        throw Modulfel("The invoice module cannot be loaded: " + sökväg + ": " + fel.cause + ".");
    }
}

void prövaStämpeln(const elf::SharedObjectFile& fil, const std::string& sökväg) {
    if (elf::carriesStamp(fil.notes(), stämpel)) return;
    throw Modulfel("The invoice module " + sökväg + " is not of this build of kontobok; build the two together.");
}

}  // namespace

void användInlänkadFakturautskrift(Fakturautskriftsfunktion funktion) { inlänkad = funktion; }

Fakturautskriftsfunktion fakturautskriften() {
    if (inlänkad) return inlänkad;
    const std::string sökväg = modulensSökväg();
    elf::SharedObjectFile fil = prövadModulfil(sökväg);
    prövaStämpeln(fil, sökväg);
    // Loaded through the descriptor that was checked, not by its path,
    // under which another file may stand by now. Bound at once: a module
    // that does not fit this program fails here, with the loader's reason,
    // not halfway through an invoice. It stays loaded, and its file open,
    // to the end of the process.
    void* modul = ::dlopen(fil.loaderPath().c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!modul) throw Modulfel("The invoice module cannot be loaded: " + std::string(::dlerror()) + ".");
    fil.keepOpen();
    void* ingång = ::dlsym(modul, ingången);
    if (!ingång)
        throw Modulfel("The invoice module " + sökväg + " is not of this build of kontobok; build the two together.");
    return reinterpret_cast<Fakturautskriftsfunktion>(ingång);
}
