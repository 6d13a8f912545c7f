#pragma once
// A document whose body breaks the ledger's own rules (a row on an unknown
// account, an unknown kind code, ...). The message is the ledger's Swedish
// text; the tool reports it and saves nothing.
#include <stdexcept>
#include <string>

class SkadatDokument : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
