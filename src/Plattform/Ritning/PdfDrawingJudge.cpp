#include "Plattform/Ritning/PdfDrawingJudge.h"

#include "Plattform/Provritning/PdfJudge.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <csignal>

namespace {

// The judging program beside this one, wherever it was started from.
const std::string& judge() {
    static const std::string path = [] {
        char program[PATH_MAX];
        const ssize_t n = readlink("/proc/self/exe", program, sizeof program - 1);
        std::string p = n > 0 ? std::string(program, size_t(n)) : std::string();
        return p.substr(0, p.rfind('/') + 1) + KONTOBOK_JUDGE_FILE;
    }();
    return path;
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
    const boundedprocess::Ending end = boundedprocess::runProgram(
        judge(),
        {decimal(pdfbounds::judgedDpi * scale), std::to_string(boundedprocess::allowedMemory(limits))},
        *page.pdf(), limits);
    const std::string slow = "drawing it takes more than " + seconds(limits.seconds),
                      large = "drawing it takes more than " + std::to_string(limits.memory >> 20) + " MiB";
    switch (end.how) {
        case How::notStarted: return "no process could be started to draw it";
        case How::late: return slow;
        case How::signalled: return end.code == SIGXCPU || end.code == SIGKILL ? slow : "drawing it fails";
        case How::exited: break;
    }
    switch (end.code) {
        case pdfjudge::drawn: return std::nullopt;
        case pdfjudge::tooSlow: return slow;
        case pdfjudge::tooLarge: return large;
        case pdfjudge::unreadable: return "its page cannot be drawn";
        // What a program that cannot be executed exits with.
        case 127: return "it cannot be judged: " + judge() + " cannot be run";
        default: return "drawing it fails";
    }
}
