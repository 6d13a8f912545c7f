#include "Tidsbundna.h"

#include "Plattform/Ritning/BoundedProcess.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

namespace testhjalp {

namespace {

std::atomic<unsigned long long> programmetsBarn{0}, undantagna{0};

bool märkt(const ::testing::TestInfo& test) {
    const std::string namn = std::string(test.test_suite_name()) + "." + test.name(), märke = KONTOBOK_CPU_MARK;
    // As CMakeLists.txt's filter has it: the suite's name, or its
    // instantiation's, ends in the mark.
    return namn.find(märke + ".") != std::string::npos || namn.find(märke + "/") != std::string::npos;
}

class Vakt : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        startade_ = boundedprocess::childrenStarted() - undantagna;
        program_ = programmetsBarn;
    }
    void OnTestEnd(const ::testing::TestInfo& test) override {
        const unsigned long long startade = boundedprocess::childrenStarted() - undantagna - startade_,
                                 program = programmetsBarn - program_;
        if ((startade > 0 || program > 0) && !märkt(test))
            ADD_FAILURE() << "the test starts " << startade << " children held to a processor-time limit, and "
                          << program << " runs of this build's programs that start some, but neither its suite's "
                          << "name nor its instantiation's ends in \"" << KONTOBOK_CPU_MARK
                          << "\": so named, it runs alone";
    }

    unsigned long long startade_ = 0, program_ = 0;
};

// Listens to every test of the binary, after the printer that reports
// them has been put in place.
[[maybe_unused]] const bool vaktar = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new Vakt);
    return true;
}();

}  // namespace

void räknaProgrammetsBarn(double sekunder) {
    if (sekunder > 0) ++programmetsBarn;
}

IEgenProcess::IEgenProcess() : före_(boundedprocess::runsInThisProcess()) { boundedprocess::runInThisProcess(); }

IEgenProcess::~IEgenProcess() { boundedprocess::runInThisProcess(före_); }

BarnUtanTidsdom::BarnUtanTidsdom() : startade_(boundedprocess::childrenStarted()) {}

BarnUtanTidsdom::~BarnUtanTidsdom() { undantagna += boundedprocess::childrenStarted() - startade_; }

}  // namespace testhjalp
