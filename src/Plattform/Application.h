#pragma once
// What the program calls itself, as it signs the documents it makes.
#include <string_view>

std::string_view applicationName();
// The version of this build.
std::string_view applicationVersion();
