#pragma once
// The temporary file a safe save writes before it replaces its target.
#include <string>

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
    bool renameTo(const std::string& target);
    void remove();

private:
    void forget();

    std::string path_;
    int fd_ = -1;
    bool owned_ = false;  // the file is ours to remove
    int error_ = 0;
};

// Removes the temporary files of saves of `target` that died without
// cleaning up (SIGKILL, a crash, a power cut): those named as above whose
// last change is more than a minute old. A save in progress touches its
// file far more often than that.
void removeStaleTemporaryFiles(const std::string& target);
