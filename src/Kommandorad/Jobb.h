#pragma once
// The three jobs of a run. Each returns the process's exit status.
#include "Kommandorad/Dokument.h"
#include "Plattform/Filer.h"

#include <stdexcept>
#include <string>
#include <vector>

class Bokföring;

// A signal ended the run before its work was told; what() says which and
// what became of the work.
class Avbrott : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Prints the number of the latest ledger entry, if there is one.
int senasteVerifikationsjobbet(Bokföring& bokföring);

// Lays out the sent invoice with the greatest ordinal as a PDF file in the
// temporary directory and prints "number;e-mail;path" (see
// resultatradFörFaktura). A failure to lay the invoice out or render it is
// printed (status 1); Modulfel and FileError, when the invoice module or the
// file cannot be had, are thrown. No file is left then, nor when the line
// cannot be written (status 1), nor when a signal that would end the run
// arrives before the line is out (Avbrott); one after it is ignored.
int senasteFakturajobbet(Bokföring& bokföring, const std::vector<std::string>& args);

// Reads JSON from standard input, then locks `fil` for changing and
// imports the JSON into the document, read from `fil` as `läst` (and read
// again under the lock when another run has saved it since), and saves it
// over `fil`, as long as that still names the file read.
int importjobbet(Dokument& dokument, const std::string& fil, const HeldFile& läst);
