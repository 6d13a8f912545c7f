#include "Plattform/UserAccount.h"

#include <cerrno>
#include <pwd.h>
#include <unistd.h>

#include <vector>

std::string fullNameFromAccount(std::string_view comment, std::string_view loginName) {
    // The comment holds the full name, then office and phone numbers after
    // commas.
    std::string_view name = comment.substr(0, comment.find(','));
    return std::string(name.empty() ? loginName : name);
}

std::string fullUserName() {
    long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(suggested > 0 ? static_cast<size_t>(suggested) : 4096);
    passwd entry;
    passwd* found = nullptr;
    int err;
    while ((err = ::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found)) == ERANGE &&
           buffer.size() < (1u << 20))
        buffer.resize(buffer.size() * 2);
    if (err != 0 || !found) return {};
    return fullNameFromAccount(found->pw_gecos ? found->pw_gecos : "", found->pw_name ? found->pw_name : "");
}
