#include "dialogs/AutoRunCommand.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(SkinOptions, AutoRunCommandIsQuotedAndOlderBareValuesStillCount) {
    const std::string program = "C:\\Program Files\\Tollwick\\Tollwick.exe";
    EXPECT_EQ(AutoRunCommand(program), '"' + program + '"');
    const std::pair<std::string, bool> cases[] = {{program, true},
                                                  {"\"c:\\program files\\tollwick\\TOLLWICK.EXE\" /x", true},
                                                  {"C:\\Program", false},
                                                  {"\"C:\\Program Files\\Tollwick\\Horolink.exe\"", false},
                                                  {"", false}};
    for (const auto& [command, starts] : cases) EXPECT_EQ(StartsProgram(command, program), starts) << command;
}

}  // namespace
