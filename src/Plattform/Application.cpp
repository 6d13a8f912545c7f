#include "Plattform/Application.h"

std::string_view applicationName() { return "kontobok"; }

std::string_view applicationVersion() { return KONTOBOK_VERSION; }
