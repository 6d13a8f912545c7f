#pragma once
// Children held to a processor-time limit (boundedprocess: the child that
// reads a PDF from outside, the judge that draws it) are refused for time
// on a busy host, where the time the host takes the processor away counts
// as the child's own. The tests that start them, here or through a program
// of this build they run, run one at a time: the name of their suite, or
// of its instantiation, ends in KONTOBOK_CPU_MARK, by which CMakeLists.txt
// finds them. A test not so named that starts such a child fails, and says
// how to name it. A test of what is laid out around artwork reads it in
// this process instead (IEgenProcess) and starts none.
namespace testhjalp {

// The processor time the children of a program of this build took,
// counted by väntaPå (a child of a run is seen once it takes a clock tick).
void räknaProgrammetsBarn(double sekunder);

// Children started in this process while one lives are not counted: the
// tests of boundedprocess itself, whose children do nothing or never end,
// take a verdict that no time they take could change.
// While one lives, work that would run in a child held to limits runs in
// this process, unlimited and unjudged, as in a fuzz target: for the tests
// of what is laid out around artwork, which then rest on no child's time.
class IEgenProcess {
public:
    IEgenProcess();
    ~IEgenProcess();
    IEgenProcess(const IEgenProcess&) = delete;
    IEgenProcess& operator=(const IEgenProcess&) = delete;

private:
    bool före_;
};

class BarnUtanTidsdom {
public:
    BarnUtanTidsdom();
    ~BarnUtanTidsdom();
    BarnUtanTidsdom(const BarnUtanTidsdom&) = delete;
    BarnUtanTidsdom& operator=(const BarnUtanTidsdom&) = delete;

private:
    unsigned long long startade_;
};

}  // namespace testhjalp
