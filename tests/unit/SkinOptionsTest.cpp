#include "dialogs/AutoRunCommand.h"
#include "dialogs/SkinChoice.h"
#include "face/SkinRules.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(SkinOptions, SizeDecidesTheListAndNoSizeFitsBoth) {
    // width, height, background, time strip
    for (const auto& [w, h, back, time] : {std::tuple{180, 25, 0, 1},
                                           {120, 38, 1, 0},
                                           {180, 26, 1, 0},
                                           {100, 100, 0, 0},
                                           {201, 50, 0, 0},
                                           {110, 26, 1, 0},
                                           {200, 200, 1, 0},
                                           {110, 25, 0, 0}})
        EXPECT_EQ(std::pair(IsBackgroundSize(w, h), IsTimeStripSize(w, h)), std::pair(back == 1, time == 1))
            << w << " x " << h;
}

// The stored name outranks the stored index, which may name another file once the folder has changed.
TEST(SkinOptions, StoredNameThenStoredIndexChooseTheEntry) {
    const std::vector<std::string> items{"Default", "a.bmp", "b.bmp", "c.bmp"};
    for (const auto& [index, name, selected] : {std::tuple{"7", "", 0},
                                                {"abc", "", -1},
                                                {"-1", "", -1},
                                                {"2", "", 2},
                                                {"1", "C.BMP", 3},
                                                {"2", "gone.bmp", 2},
                                                {"abc", "b.bmp", 2},
                                                {"", "Default", 0}})
        EXPECT_EQ(SavedSkinIndex(index, name, items), selected) << '"' << index << "\" \"" << name << '"';
}

TEST(SkinOptions, AutoRunCommandIsQuotedAndOlderBareValuesStillCount) {
    const std::string program = "C:\\Program Files\\Tollwick\\Tollwick.exe";
    EXPECT_EQ(AutoRunCommand(program), '"' + program + '"');
    for (const auto& [command, starts] : {std::pair<std::string, bool>{program, true},
                                          {"\"c:\\program files\\tollwick\\TOLLWICK.EXE\" /x", true},
                                          {"C:\\Program", false},
                                          {"\"C:\\Program Files\\Tollwick\\Horolink.exe\"", false},
                                          {"", false}})
        EXPECT_EQ(StartsProgram(command, program), starts) << command;
}

}  // namespace
