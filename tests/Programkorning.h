#pragma once
// Running a real program the way its callers do (arguments, text on standard
// input, both output streams and the exit status), and a fresh directory per
// test for the files such runs read and write.
#include "Plattform/Bytes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace testhjalp {

struct Körning {
    int status;  // the exit status; -1 when the program died from a signal
    std::string ut;
    std::string fel;
};

struct Körval {
    // Text on standard input; without it standard input is /dev/null.
    std::optional<std::string> indata = std::nullopt;
    // A limit on the size of files the program writes, with SIGXFSZ ignored
    // so that a write past it fails instead of killing the program.
    std::optional<long> filstorleksgräns = std::nullopt;
    // Environment variables set for the program, over the test's own.
    std::vector<std::pair<std::string, std::string>> miljö = {};
};

// Runs `program` (looked up on PATH when it has no slash) with `argument`
// after its own name and waits for it. A program that does not end with an
// exit status fails the current test.
Körning körProgram(const std::string& program, const std::vector<std::string>& argument, const Körval& val = {});

// The tool under test.
inline Körning körKontobok(const std::vector<std::string>& argument, const Körval& val = {}) {
    return körProgram(KONTOBOK_BINARY, argument, val);
}

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
