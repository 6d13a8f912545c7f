#pragma once
// Running a real program the way its callers do (arguments, text on standard
// input, both output streams and the exit status), and a fresh directory per
// test for the files such runs read and write.
#include "Plattform/Bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testhjalp {

struct Körning {
    int status;  // the exit status; -1 when the program died from a signal
    std::string ut;   // with Utdata::ihopMedFel, both streams as they arrived
    std::string fel;
};

// Where the program's standard output goes.
enum class Utdata {
    fångad,       // a file read back into Körning::ut
    full,         // /dev/full: every write fails with "No space left on device"
    stängdPipe,   // a pipe nobody reads, as when piped into a program that has quit
    ihopMedFel,   // one pipe for standard output and error (2>&1 into a pipe), read into Körning::ut
    fullPipa,     // a pipe already full that nobody reads while the program runs: a write to it waits
};

struct Körval {
    // Text on standard input; without it (and without `indatafil`)
    // standard input is /dev/null.
    std::optional<std::string> indata = std::nullopt;
    // A file to read standard input from.
    std::optional<std::filesystem::path> indatafil = std::nullopt;
    // Standard input is a pipe the test writes to later (skrivIndata), so
    // the program waits for it.
    bool indataSenare = false;
    Utdata utdata = Utdata::fångad;
    // A limit on the size of files the program writes, with SIGXFSZ ignored
    // so that a write past it fails instead of killing the program.
    std::optional<long> filstorleksgräns = std::nullopt;
    // A limit on the program's address space (as ulimit -v sets it).
    std::optional<long> adressrymdsgräns = std::nullopt;
    // The user (and group) to run as; only a process run by root can choose.
    std::optional<unsigned> användare = std::nullopt;
    // Environment variables set for the program, over the test's own.
    std::vector<std::pair<std::string, std::string>> miljö = {};
};

// A program started and not yet waited for.
struct Startad {
    std::string program;
    int pid = -1;
    int ut = -1, fel = -1;
    bool utÄrPipa = false;  // `ut` is the read end of a pipe, read while the program runs
    std::string läst;       // what was read from that pipe so far
    int indata = -1;        // the write end of standard input, with Körval::indataSenare
    int fullPipa = -1;      // the read end of Utdata::fullPipa, held unread
};

// Runs `program` (looked up on PATH when it has no slash) with `argument`
// after its own name. A program that has not ended after a minute is
// killed; a program that does not end with an exit status fails the current
// test.
Startad startaProgram(const std::string& program, const std::vector<std::string>& argument, const Körval& val = {});
// Writes `text` to the standard input of a program started with
// Körval::indataSenare and closes it.
void skrivIndata(Startad& startad, std::string_view text);
Körning väntaPå(Startad& startad);
// Waits (at most ten seconds) until the program sits in a read of its
// standard input; false when it never does.
bool väntaTillsIndataLäses(const Startad& startad);
// Waits (at most ten seconds) until `villkor` holds while the program
// sleeps, as it does on a full pipe; false when it never does.
bool väntaTillsDetSover(const Startad& startad, const std::function<bool()>& villkor);
inline Körning körProgram(const std::string& program, const std::vector<std::string>& argument,
                          const Körval& val = {}) {
    Startad s = startaProgram(program, argument, val);
    return väntaPå(s);
}

// The tool under test.
inline Startad startaKontobok(const std::vector<std::string>& argument, const Körval& val = {}) {
    return startaProgram(KONTOBOK_BINARY, argument, val);
}
inline Körning körKontobok(const std::vector<std::string>& argument, const Körval& val = {}) {
    return körProgram(KONTOBOK_BINARY, argument, val);
}

// The tool copied alone into `katalog` (made when missing), with copies of
// the faces it draws with and `modul` as its invoice module when given: it
// finds nothing of the build beside it (not its judge), and another user
// who may enter `katalog` may run it wherever the build lies.
std::filesystem::path ensamtVerktyg(const std::filesystem::path& katalog,
                                    const std::optional<std::filesystem::path>& modul = std::nullopt);

// A user that is not root, for runs whose point is that permissions bind:
// nobody when the tests run as root, else the tests' own user.
unsigned vanligAnvändare();
// Makes `fil` (and each directory from `katalog` down to it) belong to
// vanligAnvändare(), so that a run as that user meets the permissions a
// user meets on their own files. The directories above `katalog` must let
// that user through: a run as that user gets a tool of its own to reach
// (ensamtVerktyg in `katalog`), not the build's.
void geTillVanligAnvändare(const std::filesystem::path& fil);

std::string läsFil(const std::filesystem::path& fil);
void skrivFil(const std::filesystem::path& fil, std::string_view innehåll);
void skrivFil(const std::filesystem::path& fil, const Bytes& innehåll);

// A fixture owning an empty directory that is removed, with whatever the
// test left in it, afterwards.
class MedTillfälligKatalog : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path katalog;
};

}  // namespace testhjalp
