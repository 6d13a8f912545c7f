#pragma once
// A PDF written by hand, for backgrounds and logos of example ledgers,
// fuzzing seeds and tests: the objects as given, with a correct
// cross-reference table.
#include "Plattform/Bytes.h"

#include <string>
#include <vector>

// The objects numbered from 1 in order, object 1 the catalog.
Bytes pdfAvObjekt(const std::vector<std::string>& objekt);
// A stream object with these dictionary entries, its length added.
std::string pdfStröm(const std::string& poster, const std::string& data);
