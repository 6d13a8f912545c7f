// The built-in templates this build cannot lay out yet; each moves to a
// file of its own when it is built.
#include "Vyer/Faktura/Fakturavy.h"

namespace {

[[noreturn]] void ejByggd(const char* kod) {
    throw Layoutfel(std::string("The invoice template ") + kod + " is not available in this build.");
}

}  // namespace

void Fakturavy::konfigureraInnehållFörM() { ejByggd("M"); }
