#include "Plattform/Ritning/PdfDrawingJudge.h"

#include "Plattform/BuildStampNote.h"
#include "Plattform/Filer.h"
#include "Plattform/Provritning/PdfJudge.h"
#include "Plattform/SharedObjectFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <csignal>
#include <memory>

namespace {

#define KONTOBOK_STRING_I(x) #x
#define KONTOBOK_STRING(x) KONTOBOK_STRING_I(x)
constexpr char stamp[] = KONTOBOK_STRING(KONTOBOK_BUILD_STAMP);

// The judging program beside this one, wherever it was started from: its
// file opened and checked once (an ELF file of this machine, whole, with
// this build's stamp), and run from that open file every time, so that
// what runs is what was checked. Never by a bare name, which would be
// looked for in the current directory.
struct Judge {
    std::string path;
    std::unique_ptr<elf::SharedObjectFile> file;
    // Why it cannot be run, when it cannot: the whole clause.
    std::string unusable;
};

Judge checkedJudge() {
    Judge judge;
    const std::optional<std::string> directory = programDirectory();
    if (!directory) {
        judge.unusable = "it cannot be judged: the program's own path, beside which its judge stands, is unknown";
        return judge;
    }
    judge.path = *directory + KONTOBOK_JUDGE_FILE;
    const std::string cannot = "it cannot be judged: " + judge.path;
    try {
        judge.file = std::make_unique<elf::SharedObjectFile>(judge.path);
    } catch (const elf::NotLoadable& why) {
        judge.unusable = cannot + " is not this build's judge: " + why.what();
    } catch (const FileError& why) {
        judge.unusable = cannot + " cannot be run" + (why.errnoValue == ENOENT ? "" : ": " + why.cause);
    }
    if (judge.file && !elf::carriesStamp(judge.file->notes(), stamp)) {
        judge.file.reset();
        judge.unusable = cannot + " is not the judge of this build of kontobok";
    }
    return judge;
}

const Judge& judge() {
    static const Judge checked = checkedJudge();
    return checked;
}

// A number as the C locale writes it, whatever the process's locale.
std::string decimal(double v) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    return std::string(text, end);
}

std::string seconds(int n) { return std::to_string(n) + (n == 1 ? " second" : " seconds"); }

}  // namespace

double pdfdrawing::scaleInFrame(Size page, std::optional<Size> frame) {
    if (!frame) return 1;
    const double scale = std::min(frame->width / page.width, frame->height / page.height);
    return std::isfinite(scale) && scale > 0 ? scale : 1;
}

double pdfdrawing::largestScaleIn(Size page, std::span<const Size> frames) {
    if (frames.empty()) return 1;
    double largest = 0;
    for (const Size& frame : frames) largest = std::max(largest, scaleInFrame(page, frame));
    return largest;
}

std::optional<std::string> pdfdrawing::refusal(const PdfFirstPage& page, double scale,
                                               const boundedprocess::Limits& limits) {
    using How = boundedprocess::Ending::How;
    if (boundedprocess::runsInThisProcess()) return std::nullopt;
    const Judge& judging = judge();
    if (!judging.file) return judging.unusable;
    const boundedprocess::Ending end = boundedprocess::runProgram(
        judging.file->descriptor(), judging.path,
        {decimal(pdfbounds::judgedDpi * scale), std::to_string(limits.memory)}, *page.pdf(), limits);
    const std::string slow = "drawing it takes more than " + seconds(limits.seconds) + " of processor time",
                      large = "drawing it takes more than " + std::to_string(limits.memory >> 20) +
                              " MiB of memory (smaller images in it, or fewer transparency effects, would take less)",
                      killed = "drawing it was killed from outside before it finished";
    switch (end.how) {
        case How::notStarted: return "no process could be started to draw it";
        case How::late:
            return "drawing it had not ended after " + seconds(boundedprocess::wallGuardSeconds(limits)) +
                   " (it stalls, or the machine is too busy)";
        // Its processor limit ends it with SIGXCPU (runProgram sees to
        // that), never with SIGKILL, which comes from outside (the
        // out-of-memory killer).
        case How::signalled:
            if (end.code == SIGXCPU) return slow;
            return end.code == SIGKILL ? killed : "drawing it fails";
        case How::exited: break;
    }
    switch (end.code) {
        case pdfjudge::drawn: return std::nullopt;
        case pdfjudge::tooSlow: return slow;
        case pdfjudge::tooLarge: return large;
        case pdfjudge::killed: return killed;
        case pdfjudge::unreadable: return "its page cannot be drawn";
        // What a program that cannot be executed exits with.
        case 127: return "it cannot be judged: " + judging.path + " cannot be run";
        default: return "drawing it fails";
    }
}
