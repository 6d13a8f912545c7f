#pragma once
// The import job with its input given, so that tests can drive it without
// standard input and interrupt its save.
#include "Plattform/Filer.h"

#include <cstdint>
#include <functional>
#include <string>

class Bokföring;

// Parses `indata` as JSON, imports it, appends the result to the document
// and saves the document over `fil`, the file `lästFil` it was read from
// (see skrivÖverDokumentfilen). Prints progress and failures as the tool
// does and returns the exit status. `innanErsättning` and `efterErsättning`
// are handed to the save.
int importeraOchSpara(Bokföring& bokföring, Bytes indata, const std::string& fil,
                      const FileIdentity& lästFil, const BeforeReplaceHook& innanErsättning = {},
                      const std::function<void()>& efterErsättning = {});
