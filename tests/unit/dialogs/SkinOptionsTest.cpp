#include "dialogs/AutoRunCommand.h"
#include "dialogs/SkinChoice.h"

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

// The stored name outranks the stored index, which may name another file once the folder has changed; a stored
// name the folder lacks selects nothing.
TEST(SkinOptions, StoredNameThenStoredIndexChooseTheEntry) {
    const std::vector<std::string> items{"Default", "a.bmp", "b.bmp", "c.bmp"};
    const std::tuple<const char*, const char*, int> cases[] = {
        {"7", "", 0},      {"abc", "", -1},       {"-1", "", -1},      {"2", "", 2},
        {"1", "C.BMP", 3}, {"2", "gone.bmp", -1}, {"abc", "b.bmp", 2}, {"", "Default", 0}};
    for (const auto& [index, name, selected] : cases)
        EXPECT_EQ(SavedSkinIndex(index, name, items), selected) << '"' << index << "\" \"" << name << '"';
}

}  // namespace
