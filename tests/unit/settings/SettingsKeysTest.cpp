#include "settings/RegProcess.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

namespace {

// Settings are read as text: a number is a signed decimal that fits 32 bits, a switch is on above 0, and a reader
// finds its value under the name the program has always used, whatever its type, or takes its fallback.
TEST(SettingsKeys, ReadersTakeSignedDecimalsThatFitElseTheirFallback) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"12", 12}, {" 7 ", 7},  {"-2147483648", -2147483647 - 1},
        {"+5", 5},  {"0", 0},    {"-1", -1},
        {"", {}},   {"+-1", {}}, {"2147483648", {}},
        {"1x", {}}, {"1.5", {}}, {" ", {}}};
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(ParseNumber(text), number) << '"' << text << '"';
        EXPECT_EQ(IsFlagOn(text), number.value_or(0) > 0) << '"' << text << '"';
    }
    RegMemoryReset();
    EXPECT_EQ(ReadSettingNumber(settings::Alpha), 188);  // any text that is no number: see the stored data fuzz
    ASSERT_TRUE(SaveRegValue(RegRoot::CurrentUser, keys::Option, "Windowpos", RegType::Number, 2));
    EXPECT_TRUE(ReadSettingFlag(settings::Windowpos));
    ASSERT_TRUE(SaveSetting(settings::ClockLeft, -40));  // the position is written as text
    EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::Load, "ClockLeft").kind(), RegValue::Kind::Text);
    EXPECT_EQ(ReadSettingNumber(settings::ClockLeft), -40);
}

}  // namespace
