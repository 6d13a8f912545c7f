// The one locale every test runs in, whatever the environment that started
// the suite names: C.UTF-8, which every Debian system has and the tool reads
// as Swedish (lokal::frånMiljövärden). Amounts and percentages are then
// written as in Sweden ("806,25 kr", "10 %"), as the tests and the README's
// examples show them, and the programs the tests start (the tool, poppler,
// mupdf, Python) inherit it and speak English. A test of another locale's
// form names that locale: in the tool's environment (Körval::miljö) or in
// the process (lokal::sättAktuell).
#include <cstdlib>

namespace {

const bool lokalSatt = [] {
    setenv("LC_ALL", "C.UTF-8", 1);
    unsetenv("LANGUAGE");
    return true;
}();

}  // namespace
