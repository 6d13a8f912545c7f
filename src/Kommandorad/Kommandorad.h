#pragma once
// One run of the tool: the document named by args[1], then one job.
#include <string>
#include <vector>

// args as the process got them, the program's path at index 0. Returns the
// exit status.
int kör(const std::vector<std::string>& args);
