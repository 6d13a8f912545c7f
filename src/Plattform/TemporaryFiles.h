#pragma once
// The temporary file a safe save writes before it replaces its target.
#include <csignal>
#include <functional>
#include <string>

class EndingSignalsCaught;

// A new, empty, hidden file beside `target`, named ".NAME.kontobok-XXXXXX",
// so that it stays out of sight and a later save can tell it for its own.
// A NAME too long for that within the directory's limit on names is cut
// short and followed by "~" and a hash of the whole name.
// Until it is renamed or removed, SIGINT, SIGTERM and SIGHUP remove it
// before they take their course (their handler only unlinks the file and
// raises the signal again). The destructor removes a file that was neither
// renamed nor removed. One such file is protected at a time: the process
// saves one file at a time.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool created() const { return fd_ >= 0 || owned_; }
    // errno of the failed creation.
    int error() const { return error_; }
    const std::string& path() const { return path_; }
    // The open descriptor, which the caller now closes.
    int release();
    // Renames the file over `target`; false with errno set when that fails.
    // With `lastWord`, the rename is the last step of the process's work
    // that counts: from it on, the signals that would end the process (see
    // ignoreEndingSignals) are ignored, one that arrived during the rename
    // included. `renamed` runs just after the rename, those signals still
    // held back (tests). With `caught`, those signals are caught from the
    // rename on instead (see EndingSignalsCaught).
    bool renameTo(const std::string& target, bool lastWord = false, const std::function<void()>& renamed = {},
                  EndingSignalsCaught* caught = nullptr);
    void remove();

private:
    void forget();

    std::string path_;
    int fd_ = -1;
    bool owned_ = false;  // the file is ours to remove
    int error_ = 0;
};

// Makes SIGHUP, SIGINT, SIGQUIT, SIGTERM and the other signals that end a
// process when a user or the system sends them ignored to the end of the
// process, a pending one discarded.
void ignoreEndingSignals();

// The signals that would end the process (as above), caught from a file's
// rename on until the process has named the file to whoever waits for it: a
// run that ends before that must take the file with it, and only the
// process knows whether the name went out. A caught signal is recorded, not
// acted on. The signals are held back except while waitToWrite waits, so
// none falls between a look at signal() and a wait, and none cuts a write
// short. One the process ignores (nohup) stays ignored. The destructor puts
// the handlers and the held signals back as they were; one held back
// meanwhile is caught then rather than delivered: by then the file is named
// or gone, and the run ends as it decided. One at a time.
class EndingSignalsCaught {
public:
    EndingSignalsCaught() = default;
    ~EndingSignalsCaught();
    EndingSignalsCaught(const EndingSignalsCaught&) = delete;
    EndingSignalsCaught& operator=(const EndingSignalsCaught&) = delete;

    // The first signal caught; 0 for none.
    int signal() const;
    // Waits until `fd` takes a write (or would fail it), letting the signals
    // in meanwhile; false as soon as one has been caught. Before the rename
    // it returns at once.
    bool waitToWrite(int fd);
    // The file is named: the process ignores the signals to its end, one
    // held back meanwhile discarded.
    void ignoreFromNowOn();

private:
    friend class TemporaryFile;
    void begin(const sigset_t& unheld);

    bool active_ = false;
    bool ignored_ = false;
    sigset_t unheld_{};  // what was held back before the rename
};

// Removes the temporary files of saves of `target` that died without
// cleaning up (SIGKILL, a crash, a power cut): those named as above whose
// last change is more than a minute old. A save in progress touches its
// file far more often than that.
void removeStaleTemporaryFiles(const std::string& target);
