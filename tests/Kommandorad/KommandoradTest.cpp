// The tool as its callers see it: exit status and the exact bytes on both
// streams.
#include "Fillagring.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Körning {
    int status;
    std::string ut;
    std::string fel;
};

std::string läs(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

class Kommandorad : public ::testing::Test {
protected:
    void SetUp() override {
        std::string mall = (fs::temp_directory_path() / "kommandorad-XXXXXX").string();
        ASSERT_TRUE(::mkdtemp(mall.data()));
        katalog = mall;
    }
    void TearDown() override { fs::remove_all(katalog); }

    Körning kör(std::vector<std::string> args) {
        args.insert(args.begin(), KONTOBOK_BINARY);
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);

        const std::string ut = (katalog / "stdout").string(), fel = (katalog / "stderr").string();
        posix_spawn_file_actions_t åtgärder;
        posix_spawn_file_actions_init(&åtgärder);
        posix_spawn_file_actions_addopen(&åtgärder, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&åtgärder, 1, ut.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&åtgärder, 2, fel.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        pid_t pid;
        int fel_ = posix_spawn(&pid, KONTOBOK_BINARY, &åtgärder, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&åtgärder);
        EXPECT_EQ(fel_, 0);
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status));
        return {WEXITSTATUS(status), läs(ut), läs(fel)};
    }

    std::string fil(const std::string& namn, const Bytes& innehåll) {
        std::ofstream(katalog / namn, std::ios::binary)
            .write(reinterpret_cast<const char*>(innehåll.data()), static_cast<std::streamsize>(innehåll.size()));
        return (katalog / namn).string();
    }

    fs::path katalog;
};

Bytes huvud(uint32_t magi, uint32_t version, const std::string& kropp) {
    ByteWriter w;
    w.u32(magi);
    w.u32(version);
    w.i64(100);
    w.i64(8);
    w.i64(-1);
    w.append(Bytes(kropp.begin(), kropp.end()));
    return w.take();
}

}  // namespace

TEST_F(Kommandorad, WithoutADocumentNothingIsPrinted) {
    Körning k = kör({});
    EXPECT_EQ(k.status, 1);
    EXPECT_EQ(k.ut, "");
    EXPECT_EQ(k.fel, "");
}

TEST_F(Kommandorad, LoadFailuresPrintTheirMessagesAndEndWithStatusOne) {
    const std::string saknas = (katalog / "saknas.bok").string();
    const std::string ingenFil =
        "The file \u201Csaknas.bok\u201D couldn\u2019t be opened because there is no such file.\n"
        "\tCould not read input .bok file.\n\n";
    struct Fall {
        const char* namn;
        std::vector<std::string> args;
        std::string ut;
        std::string fel;
    } fall[] = {
        {"missing file", {saknas}, "", ingenFil},
        // The document is loaded before any option is looked at.
        {"missing file, latest entry", {saknas, "--latestEntry"}, "", ingenFil},
        {"missing file, latest invoice", {saknas, "--latestInvoice", "--hide00"}, "", ingenFil},
        {"bad magic", {fil("magi.bok", huvud(0x04034B50, 77000, "x"))},
         "", "Magic number missing - this is not a .bok file from version 7 or later.\n"},
        {"too new", {fil("ny.bok", huvud(bokfilensMagiskaTal, 77000, "x")), "--latestEntry"},
         "", "Version number too low - this version cannot load this file.\n"},
        {"body does not decompress", {fil("trasig.bok", huvud(bokfilensMagiskaTal, 76000, "not a stream"))},
         "Error with status: 0\n", "Could not decompress archive - file possibly corrupt.\n"},
        {"cut header", {fil("kort.bok", Bytes{0x89, 0xF3, 0x31, 0x01, 0xE0})},
         "", "Magic number missing - this is not a .bok file from version 7 or later.\n"},
    };
    for (const auto& f : fall) {
        Körning k = kör(f.args);
        EXPECT_EQ(k.status, 1) << f.namn;
        EXPECT_EQ(k.ut, f.ut) << f.namn;
        EXPECT_EQ(k.fel, f.fel) << f.namn;
    }
}
