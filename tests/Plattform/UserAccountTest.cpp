// The user's full name against the account database as getent reads it.
#include "Plattform/UserAccount.h"

#include "Programkorning.h"

#include <gtest/gtest.h>

#include <sstream>
#include <unistd.h>

using namespace testhjalp;

namespace {

TEST(UserAccount, FullNameIsTheCommentUpToItsFirstCommaElseTheLoginName) {
    EXPECT_EQ(fullNameFromAccount("Anna Andersson,Rum 12,08-123,", "anna"), "Anna Andersson");
    EXPECT_EQ(fullNameFromAccount("Anna Andersson", "anna"), "Anna Andersson");
    EXPECT_EQ(fullNameFromAccount("", "anna"), "anna");
    EXPECT_EQ(fullNameFromAccount(",Rum 12", "anna"), "anna");
}

TEST(UserAccount, ReadsTheAccountOfTheUserRunningTheProgram) {
    Körning getent = körProgram("getent", {"passwd", std::to_string(::getuid())});
    ASSERT_EQ(getent.status, 0) << getent.fel;
    std::vector<std::string> fält;
    std::istringstream rad(getent.ut.substr(0, getent.ut.find('\n')));
    for (std::string f; std::getline(rad, f, ':');) fält.push_back(f);
    ASSERT_GE(fält.size(), 5u);
    EXPECT_EQ(fullUserName(), fullNameFromAccount(fält[4], fält[0]));
}

}  // namespace
