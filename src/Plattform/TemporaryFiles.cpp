#include "Plattform/TemporaryFiles.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* marker = ".kontobok-";
constexpr size_t uniqueLength = 6;  // mkostemp's XXXXXX
constexpr int cleanupSignals[] = {SIGINT, SIGTERM, SIGHUP};
constexpr size_t signalCount = sizeof cleanupSignals / sizeof cleanupSignals[0];
// Those a user or the system sends to end a process (a fault's are the
// process's own, and SIGKILL cannot be caught); they include the above.
constexpr int endingSignals[] = {SIGHUP,    SIGINT,  SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM,
                                 SIGVTALRM, SIGPROF, SIGIO,   SIGPWR,  SIGXCPU, SIGXFSZ};
constexpr size_t endingCount = sizeof endingSignals / sizeof endingSignals[0];

// What the signal handler may touch: a fixed buffer and flags, no heap.
char pendingPath[PATH_MAX + 1];
volatile sig_atomic_t pending = 0;
struct sigaction previous[signalCount];
bool installed[signalCount];

extern "C" void removeTemporaryAndRaise(int signal) {
    if (pending) ::unlink(pendingPath);
    for (size_t i = 0; i < signalCount; ++i)
        if (cleanupSignals[i] == signal) ::sigaction(signal, &previous[i], nullptr);
    ::raise(signal);
}

// EndingSignalsCaught's: the first signal caught, and the handlers it
// stands in for.
volatile sig_atomic_t caughtSignal = 0;
struct sigaction beforeCatching[endingCount];
bool catching[endingCount];

extern "C" void recordSignal(int signal) {
    if (!caughtSignal) caughtSignal = signal;
}

// Holds the ending signals back while the handler's state changes or a
// rename decides what one would do; one that arrives meanwhile is delivered
// when this ends, unless `keep` hands the hold on.
class SignalsHeld {
public:
    SignalsHeld() {
        sigset_t set;
        sigemptyset(&set);
        for (int s : endingSignals) sigaddset(&set, s);
        ::pthread_sigmask(SIG_BLOCK, &set, &old_);
    }
    ~SignalsHeld() {
        if (!kept_) ::pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    // What was held back before.
    const sigset_t& before() const { return old_; }
    void keep() { kept_ = true; }

private:
    sigset_t old_;
    bool kept_ = false;
};

void installHandlers() {
    struct sigaction action {};
    action.sa_handler = removeTemporaryAndRaise;
    sigemptyset(&action.sa_mask);
    for (size_t i = 0; i < signalCount; ++i) {
        installed[i] = false;
        if (::sigaction(cleanupSignals[i], nullptr, &previous[i]) != 0) continue;
        // A signal the process ignores (nohup) stays ignored.
        if (previous[i].sa_handler == SIG_IGN) continue;
        installed[i] = ::sigaction(cleanupSignals[i], &action, nullptr) == 0;
    }
}

void restoreHandlers() {
    for (size_t i = 0; i < signalCount; ++i)
        if (installed[i]) ::sigaction(cleanupSignals[i], &previous[i], nullptr);
}

// The longest name a file in `directory` may have.
size_t longestName(const std::string& directory) {
    long most = ::pathconf(directory.c_str(), _PC_NAME_MAX);
    return most > 0 ? static_cast<size_t>(most) : NAME_MAX;
}

// Eight hexadecimal digits of a hash of `name` (FNV-1a), the same in every
// run, so that a later save finds the files of an earlier one.
std::string hashText(const std::string& name) {
    uint32_t h = 2166136261u;
    for (unsigned char c : name) h = (h ^ c) * 16777619u;
    char text[9];
    std::snprintf(text, sizeof text, "%08x", h);
    return text;
}

// The target's path up to the unique part of its temporary file's name:
// ".NAME.kontobok-" in the same directory. When the whole name would pass
// the directory's limit, NAME is cut to its first bytes (not inside a
// character) followed by "~" and a hash of the whole, so that any name the
// file system takes can be saved and two long names stay apart.
std::string hiddenPrefix(const std::string& target, size_t& nameStart) {
    size_t slash = target.rfind('/');
    nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::string directory = nameStart == 0 ? "." : target.substr(0, nameStart);
    std::string name = target.substr(nameStart);
    const size_t around = 1 + std::strlen(marker) + uniqueLength;
    const size_t most = longestName(directory);
    if (around + name.size() > most) {
        const std::string hash = "~" + hashText(name);
        size_t keep = most > around + hash.size() ? most - around - hash.size() : 0;
        while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;
        name = name.substr(0, keep) + hash;
    }
    return target.substr(0, nameStart) + "." + name + marker;
}

}  // namespace

TemporaryFile::TemporaryFile(const std::string& target) {
    size_t nameStart;
    path_ = hiddenPrefix(target, nameStart) + std::string(uniqueLength, 'X');
    SignalsHeld held;
    const bool protect = !pending && path_.size() <= PATH_MAX;
    if (protect) installHandlers();
    fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        if (protect) restoreHandlers();
        return;
    }
    owned_ = true;
    if (protect) {
        std::memcpy(pendingPath, path_.c_str(), path_.size() + 1);
        pending = 1;
    }
}

TemporaryFile::~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    remove();
}

int TemporaryFile::release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
}

bool TemporaryFile::renameTo(const std::string& target, bool lastWord, const std::function<void()>& renamed,
                             EndingSignalsCaught* caught) {
    SignalsHeld held;
    if (::rename(path_.c_str(), target.c_str()) != 0) return false;
    forget();
    // Caught while still held back, so that one that arrived during the
    // rename is the caller's to judge too.
    if (caught) {
        caught->begin(held.before());
        held.keep();
    }
    if (renamed) renamed();
    // Before the signals are let through again, so that one held back
    // during the rename is discarded, not delivered.
    if (lastWord) ignoreEndingSignals();
    return true;
}

void TemporaryFile::remove() {
    if (!owned_) return;
    SignalsHeld held;
    int saved = errno;
    ::unlink(path_.c_str());
    errno = saved;
    forget();
}

// The file is no longer ours: stop protecting it. Runs with the signals
// held back.
void TemporaryFile::forget() {
    if (!owned_) return;
    owned_ = false;
    if (pending && std::strcmp(pendingPath, path_.c_str()) == 0) {
        pending = 0;
        restoreHandlers();
    }
}

void ignoreEndingSignals() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    for (int s : endingSignals) ::sigaction(s, &ignore, nullptr);
}

void EndingSignalsCaught::begin(const sigset_t& unheld) {
    caughtSignal = 0;
    struct sigaction record {};
    record.sa_handler = recordSignal;
    sigemptyset(&record.sa_mask);
    for (size_t i = 0; i < endingCount; ++i) {
        catching[i] = false;
        if (::sigaction(endingSignals[i], nullptr, &beforeCatching[i]) != 0) continue;
        if (beforeCatching[i].sa_handler == SIG_IGN) continue;
        catching[i] = ::sigaction(endingSignals[i], &record, nullptr) == 0;
    }
    unheld_ = unheld;
    active_ = true;
}

EndingSignalsCaught::~EndingSignalsCaught() {
    if (!active_) return;
    // Let through before the handlers go back, so that a held one is
    // caught (or, once ignored, discarded).
    ::pthread_sigmask(SIG_SETMASK, &unheld_, nullptr);
    if (ignored_) return;
    for (size_t i = 0; i < endingCount; ++i)
        if (catching[i]) ::sigaction(endingSignals[i], &beforeCatching[i], nullptr);
}

int EndingSignalsCaught::signal() const { return active_ ? caughtSignal : 0; }

bool EndingSignalsCaught::waitToWrite(int fd) {
    if (!active_) return true;
    pollfd descriptor{fd, POLLOUT, 0};
    // The signals are let in only inside ppoll, atomically with the wait.
    while (!caughtSignal) {
        const int ready = ::ppoll(&descriptor, 1, nullptr, &unheld_);
        if (caughtSignal) break;
        // Ready, failed, or a descriptor poll cannot judge: the write says
        // which.
        if (ready != 0 && !(ready < 0 && errno == EINTR)) return true;
    }
    return false;
}

void EndingSignalsCaught::ignoreFromNowOn() {
    if (!active_) return;
    ignoreEndingSignals();
    ignored_ = true;
}

void removeStaleTemporaryFiles(const std::string& target) {
    size_t nameStart;
    const std::string prefix = hiddenPrefix(target, nameStart);
    const std::string directory = nameStart == 0 ? "." : target.substr(0, nameStart);
    const std::string namePrefix = prefix.substr(nameStart);
    DIR* dir = ::opendir(directory.c_str());
    if (!dir) return;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() != namePrefix.size() + uniqueLength || name.compare(0, namePrefix.size(), namePrefix) != 0)
            continue;
        struct stat st;
        if (::fstatat(::dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode)) continue;
        if (now - st.st_mtime > 60) ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}
