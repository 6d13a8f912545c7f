#include "Kommandorad/Utskrift.h"

#include "Plattform/TemporaryFiles.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

std::optional<std::string> utfel;
bool utfelRapporterat = false;

// Every byte of the text, a NUL included, so a line is never cut short.
bool skriv(std::FILE* ström, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), ström) == text.size();
}

// Sends what standard output holds on its way; remembers why it failed.
void tömStandardut() {
    if (std::fflush(stdout) != 0 && !utfel) utfel = std::strerror(errno);
}

// All of `text` to `fd` unless a signal is caught first; false with errno
// set when a write fails. A pipe with room takes PIPE_BUF bytes at once, so
// a write to one never waits with the signals held back.
bool skrivMedan(EndingSignalsCaught& signaler, int fd, std::string_view text) {
    while (!text.empty()) {
        if (!signaler.waitToWrite(fd)) return true;
        const ssize_t n = ::write(fd, text.data(), std::min(text.size(), size_t{PIPE_BUF}));
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        text.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

void skrivFel(EndingSignalsCaught& signaler, std::string_view meddelande) {
    tömStandardut();
    std::string rad(meddelande);
    rad += '\n';
    skrivMedan(signaler, STDERR_FILENO, rad);
}

void skrivRad(EndingSignalsCaught& signaler, std::string_view rad) {
    // What stdio holds goes first.
    tömStandardut();
    std::string ut(rad);
    ut += '\n';
    if (!skrivMedan(signaler, STDOUT_FILENO, ut) && !utfel) utfel = std::strerror(errno);
}

void skrivFel(std::string_view meddelande) {
    // Standard output is buffered and standard error is not: where both go
    // to one pipe or file, the lines printed before this one must arrive
    // before it.
    tömStandardut();
    std::string rad(meddelande);
    rad += '\n';
    skriv(stderr, rad);
}

void skrivRad(std::string_view rad) {
    std::string ut(rad);
    ut += '\n';
    if (!skriv(stdout, ut) && !utfel) utfel = std::strerror(errno);
}

std::optional<std::string> standardutensFel() {
    tömStandardut();
    if (std::ferror(stdout) && !utfel) utfel = "write error";
    return utfel;
}

bool rapporteraStandardutensFel() {
    auto fel = standardutensFel();
    if (!fel) return false;
    if (!utfelRapporterat) skrivFel("Unable to write to standard output: " + *fel + ".");
    utfelRapporterat = true;
    return true;
}
