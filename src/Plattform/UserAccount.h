#pragma once
// The user running the program, as the system's account database knows them.
#include <string>
#include <string_view>

// The user's full name: the account's comment field up to its first comma,
// else the login name; empty when the account cannot be found.
std::string fullUserName();

// The full name from an account's comment field and login name, by the
// rule above.
std::string fullNameFromAccount(std::string_view comment, std::string_view loginName);
