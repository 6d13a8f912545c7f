#include "Programkorning.h"

#include "Sanerare.h"
#include "Tidsbundna.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <chrono>
#include <fstream>
#include <set>
#include <sstream>
#include <grp.h>
#include <thread>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace testhjalp {

namespace {

// An unnamed file: it goes away with its last descriptor, so nothing is
// left behind in any directory the test looks at.
int namnlösFil() {
    std::string mall = (fs::temp_directory_path() / "kontobok-korning-XXXXXX").string();
    const int fd = ::mkostemp(mall.data(), O_CLOEXEC);
    if (fd >= 0) ::unlink(mall.c_str());
    return fd;
}

std::string läsFrånBörjan(int fd) {
    std::string text;
    if (fd < 0 || ::lseek(fd, 0, SEEK_SET) < 0) return text;
    char buf[65536];
    for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) text.append(buf, static_cast<size_t>(n));
    return text;
}

// Fills the pipe whose write end is `fd` to the last byte.
void fyll(int fd) {
    const int flaggor = ::fcntl(fd, F_GETFL);
    ::fcntl(fd, F_SETFL, flaggor | O_NONBLOCK);
    const std::string sida(4096, 'x');
    for (size_t n = sida.size(); n > 0; n /= 2)
        while (::write(fd, sida.data(), n) > 0) {
        }
    // The program writes to the same open file: it must wait, not fail.
    ::fcntl(fd, F_SETFL, flaggor);
}

bool skrivAllt(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n <= 0) return false;
        text.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

}  // namespace

Startad startaProgram(const std::string& program, const std::vector<std::string>& argument, const Körval& val) {
    std::vector<std::string> args = argument;
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    // The environment with the run's own variables in place of the test's.
    std::vector<std::string> miljö;
    for (char** e = environ; *e; ++e) {
        std::string_view post(*e);
        bool ersatt = false;
        for (const auto& [namn, värde] : val.miljö) ersatt |= post.starts_with(namn + "=");
        if (!ersatt) miljö.emplace_back(post);
    }
    for (const auto& [namn, värde] : val.miljö) miljö.push_back(namn + "=" + värde);
    std::vector<char*> envp;
    for (auto& e : miljö) envp.push_back(e.data());
    envp.push_back(nullptr);

    int in = -1;
    int indataSenare = -1;
    if (val.indataSenare) {
        int rör[2];
        if (::pipe2(rör, O_CLOEXEC) == 0) {
            in = rör[0];
            indataSenare = rör[1];
        }
    } else if (val.indatafil)
        in = ::open(val.indatafil->c_str(), O_RDONLY | O_CLOEXEC);
    else
        in = val.indata ? namnlösFil() : ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    int ut = namnlösFil(), fel = namnlösFil();
    int pipa[2] = {-1, -1};
    const bool medPipa = val.utdata == Utdata::stängdPipe || val.utdata == Utdata::ihopMedFel;
    if (medPipa && ::pipe2(pipa, O_CLOEXEC) == 0) {
        if (val.utdata == Utdata::stängdPipe) {
            ::close(pipa[0]);
        } else {
            // Read as it arrives, so that a long output never blocks the program.
            ::fcntl(pipa[0], F_SETFL, O_NONBLOCK);
            ::close(ut);
            ut = pipa[0];
        }
    }
    int fullPipa = -1;
    if (val.utdata == Utdata::fullPipa && ::pipe2(pipa, O_CLOEXEC) == 0) {
        fyll(pipa[1]);
        fullPipa = pipa[0];
    }
    const int utTill = val.utdata == Utdata::full ? ::open("/dev/full", O_WRONLY | O_CLOEXEC)
                       : medPipa || fullPipa >= 0 ? pipa[1]
                                                  : ut;
    const int felTill = val.utdata == Utdata::ihopMedFel ? pipa[1] : fel;
    Startad s{program, -1, ut, fel, val.utdata == Utdata::ihopMedFel, {}, indataSenare, fullPipa};
    if (in < 0 || ut < 0 || fel < 0 || utTill < 0 ||
        (val.indata && !val.indatafil && (!skrivAllt(in, *val.indata) || ::lseek(in, 0, SEEK_SET) < 0))) {
        ADD_FAILURE() << "could not set up the streams for " << program;
    } else {
        // Everything the child needs is prepared above: between fork and
        // exec it only makes system calls.
        s.pid = ::fork();
        if (s.pid == 0) {
            ::dup2(in, 0);
            ::dup2(utTill, 1);
            ::dup2(felTill, 2);
            if (val.filstorleksgräns) {
                const rlimit gräns{static_cast<rlim_t>(*val.filstorleksgräns),
                                   static_cast<rlim_t>(*val.filstorleksgräns)};
                ::setrlimit(RLIMIT_FSIZE, &gräns);
                ::signal(SIGXFSZ, SIG_IGN);
            }
            if (val.adressrymdsgräns) {
                const rlimit gräns{static_cast<rlim_t>(*val.adressrymdsgräns),
                                   static_cast<rlim_t>(*val.adressrymdsgräns)};
                ::setrlimit(RLIMIT_AS, &gräns);
            }
            if (val.användare && ::geteuid() == 0 && *val.användare != 0 &&
                (::setgroups(0, nullptr) != 0 || ::setgid(*val.användare) != 0 || ::setuid(*val.användare) != 0))
                ::_exit(126);
            ::execvpe(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        if (s.pid < 0) ADD_FAILURE() << "could not start " << program;
    }
    for (int fd : {in, utTill})
        if (fd >= 0 && fd != ut) ::close(fd);
    return s;
}

void skrivIndata(Startad& s, std::string_view text) {
    if (s.indata < 0) {
        ADD_FAILURE() << s.program << " was not started to read its input later";
        return;
    }
    EXPECT_TRUE(skrivAllt(s.indata, text)) << s.program;
    ::close(s.indata);
    s.indata = -1;
}

namespace {

// What the pipe holds now; at its end once the program is gone.
void läsPipan(Startad& s) {
    char buf[65536];
    for (ssize_t n; (n = ::read(s.ut, buf, sizeof buf)) > 0;) s.läst.append(buf, static_cast<size_t>(n));
}

// The processor time the children of `pid` (ended, not yet reaped) took,
// in clock ticks, when it runs a program of this build, whose children are
// those held to limits; 0 for any other program, and in a sanitizer build,
// where LeakSanitizer stops every program's threads from a child at exit
// (the plain build's tests know the runs that start children).
double barnensTid(int pid) {
    if (underSanerare) return 0;
    const std::string proc = "/proc/" + std::to_string(pid) + "/";
    std::string namn = läsFil(proc + "comm");
    const std::string stat = läsFil(proc + "stat");
    const size_t efterNamnet = stat.rfind(") ");
    if (namn.empty() || efterNamnet == std::string::npos) return 0;
    namn.pop_back();  // its newline
    // The kernel keeps the first 15 bytes of the program's file name; the
    // build's programs are listed once.
    static const std::set<std::string> våra = [] {
        std::set<std::string> namnen;
        for (const auto& fil : fs::directory_iterator(fs::path(KONTOBOK_BINARY).parent_path()))
            if (fil.is_regular_file()) namnen.insert(fil.path().filename().string().substr(0, 15));
        return namnen;
    }();
    if (!våra.contains(namn)) return 0;
    // The children's user and system time are its 16th and 17th fields,
    // the 3rd first after the name.
    std::istringstream fält(stat.substr(efterNamnet + 2));
    std::string f;
    long tid = 0;
    for (int i = 3; i <= 17 && fält >> f; ++i)
        if (i >= 16) tid += std::stol(f);
    return double(tid) / double(::sysconf(_SC_CLK_TCK));
}

}  // namespace

Körning väntaPå(Startad& s) {
    int status = 0;
    bool slut = false;
    if (s.pid > 0) {
        const auto gräns = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        // Not reaped yet: what its children took is read first.
        siginfo_t info{};
        while (::waitid(P_PID, id_t(s.pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0) {
            if (s.utÄrPipa) läsPipan(s);
            if (std::chrono::steady_clock::now() > gräns) {
                ::kill(s.pid, SIGKILL);
                ADD_FAILURE() << s.program << " did not end within a minute";
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        räknaProgrammetsBarn(barnensTid(s.pid));
        ::waitpid(s.pid, &status, 0);
        slut = WIFEXITED(status);
        EXPECT_TRUE(slut || !WIFSIGNALED(status)) << s.program << " died with signal " << WTERMSIG(status);
    }
    if (s.utÄrPipa) läsPipan(s);
    Körning k{slut ? WEXITSTATUS(status) : -1, s.utÄrPipa ? std::move(s.läst) : läsFrånBörjan(s.ut),
              läsFrånBörjan(s.fel)};
    for (int* fd : {&s.ut, &s.fel, &s.indata, &s.fullPipa}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
    s.pid = -1;
    return k;
}

namespace {

bool väntaTills(const std::function<bool()>& villkor) {
    for (int i = 0; i < 1000; ++i) {
        if (villkor()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace

bool väntaTillsIndataLäses(const Startad& s) {
    // The system call a process sits in and its arguments: read, from
    // descriptor 0.
    const std::string läser = std::to_string(SYS_read) + " 0x0 ";
    const fs::path anrop = "/proc/" + std::to_string(s.pid) + "/syscall";
    return väntaTills([&] { return läsFil(anrop).starts_with(läser); });
}

bool väntaTillsDetSover(const Startad& s, const std::function<bool()>& villkor) {
    // The state follows the name in parentheses, which may hold anything.
    const fs::path stat = "/proc/" + std::to_string(s.pid) + "/stat";
    return väntaTills([&] {
        if (!villkor()) return false;
        const std::string rad = läsFil(stat);
        const size_t slut = rad.rfind(") ");
        return slut != std::string::npos && rad.compare(slut + 2, 1, "S") == 0;
    });
}

fs::path ensamtVerktyg(const fs::path& katalog, const std::optional<fs::path>& modul) {
    // Whatever the build's umask, another user may read and run the copies.
    constexpr fs::perms läsbar = fs::perms::group_read | fs::perms::others_read,
                        körbar = läsbar | fs::perms::group_exec | fs::perms::others_exec;
    auto kopiera = [&](const fs::path& från, const fs::path& namn, fs::perms till) {
        fs::copy_file(från, katalog / namn);
        fs::permissions(katalog / namn, till, fs::perm_options::add);
    };
    fs::create_directories(katalog);
    fs::permissions(katalog, körbar, fs::perm_options::add);
    kopiera(KONTOBOK_BINARY, "kontobok", körbar);
    const fs::path ytor = katalog / fs::path(KONTOBOK_FACES).filename();
    fs::copy(KONTOBOK_FACES, ytor, fs::copy_options::recursive);
    fs::permissions(ytor, körbar, fs::perm_options::add);
    for (const auto& del : fs::recursive_directory_iterator(ytor))
        fs::permissions(del.path(), del.is_directory() ? körbar : läsbar, fs::perm_options::add);
    if (modul) kopiera(*modul, KONTOBOK_MODULE_FILE, läsbar);
    return katalog / "kontobok";
}

unsigned vanligAnvändare() { return ::geteuid() == 0 ? 65534 : ::geteuid(); }

void geTillVanligAnvändare(const fs::path& fil) {
    if (::geteuid() != 0) return;
    const unsigned vem = vanligAnvändare();
    for (fs::path p = fil; !p.empty() && p != p.parent_path(); p = p.parent_path()) {
        if (::chown(p.c_str(), vem, vem) != 0) ADD_FAILURE() << "could not give " << p << " away";
        if (p.filename().string().rfind("kontobok-test-", 0) == 0) {
            for (fs::path över = p.parent_path(); över != över.parent_path(); över = över.parent_path())
                if ((fs::status(över).permissions() & fs::perms::others_exec) == fs::perms::none)
                    ADD_FAILURE() << över << " lets no other user through: run the tests with TMPDIR elsewhere";
            break;
        }
    }
}

std::string läsFil(const fs::path& fil) {
    std::ifstream in(fil, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

void skrivFil(const fs::path& fil, std::string_view innehåll) {
    std::ofstream(fil, std::ios::binary).write(innehåll.data(), static_cast<std::streamsize>(innehåll.size()));
}

void skrivFil(const fs::path& fil, const Bytes& innehåll) {
    skrivFil(fil, std::string_view(reinterpret_cast<const char*>(innehåll.data()), innehåll.size()));
}

void MedTillfälligKatalog::SetUp() {
    std::string mall = (fs::temp_directory_path() / "kontobok-test-XXXXXX").string();
    ASSERT_TRUE(::mkdtemp(mall.data())) << "could not make a temporary directory";
    katalog = mall;
}

void MedTillfälligKatalog::TearDown() {
    if (katalog.empty()) return;
    // A test may have taken away our own permissions to see a write fail.
    std::error_code ignorerat;
    fs::permissions(katalog, fs::perms::owner_all, fs::perm_options::add, ignorerat);
    fs::remove_all(katalog, ignorerat);
}

}  // namespace testhjalp
