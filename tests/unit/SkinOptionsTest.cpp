#include "dialogs/AutoRunCommand.h"
#include "dialogs/SkinChoice.h"
#include "face/SkinRules.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(SkinOptions, SizeDecidesTheListAndNoSizeFitsBoth) {
    for (const auto& [width, height, background, timeStrip] : {std::tuple{180, 25, false, true},
                                                               {120, 38, true, false},
                                                               {180, 26, true, false},
                                                               {100, 100, false, false},
                                                               {201, 50, false, false},
                                                               {110, 26, true, false},
                                                               {200, 200, true, false},
                                                               {109, 26, false, false},
                                                               {110, 25, false, false},
                                                               {181, 25, false, false}}) {
        EXPECT_EQ(IsBackgroundSize(width, height), background) << width << " x " << height;
        EXPECT_EQ(IsTimeStripSize(width, height), timeStrip) << width << " x " << height;
    }
}

// The stored name outranks the stored index, which may name another file once the folder has changed.
TEST(SkinOptions, StoredNameThenStoredIndexChooseTheEntry) {
    const std::vector<std::string> items{"Default", "a.bmp", "b.bmp", "c.bmp"};
    const struct {
        const char* index;
        const char* name;
        int selected;
    } cases[] = {
        {"7", "", 0},         {"0", "", 0},        {"abc", "", -1},    {"", "", -1},
        {"-1", "", -1},       {"2", "", 2},        {"1", "c.bmp", 3},  {"1", "C.BMP", 3},
        {"2", "gone.bmp", 2}, {"abc", "b.bmp", 2}, {"", "Default", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SavedSkinIndex(c.index, c.name, items), c.selected) << '"' << c.index << "\" \"" << c.name << '"';
}

TEST(SkinOptions, AutoRunCommandIsQuotedAndOlderBareValuesStillCount) {
    const std::string program = "C:\\Program Files\\Tollwick\\Tollwick.exe";
    EXPECT_EQ(AutoRunCommand(program), "\"C:\\Program Files\\Tollwick\\Tollwick.exe\"");
    const struct {
        std::string command;
        bool starts;
    } cases[] = {
        {AutoRunCommand(program), true},
        {program, true},
        {"\"c:\\program files\\tollwick\\TOLLWICK.EXE\" /x", true},
        {"C:\\Program", false},
        {"\"C:\\Program Files\\Tollwick\\Horolink.exe\"", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(StartsProgram(c.command, program), c.starts) << c.command;
    EXPECT_FALSE(StartsProgram("", ""));
}

}  // namespace
