#include "settings/RegProcess.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SettingsKeys, FlagIsOnOnlyForANumberAboveZero) {
    const std::pair<std::string_view, bool> cases[] = {{"1", true},  {"2", true},   {" 7 ", true},
                                                       {"0", false}, {"-1", false}, {"abc", false},
                                                       {"", false},  {"1x", false}, {"+-1", false}};
    for (const auto& [text, on] : cases) EXPECT_EQ(IsFlagOn(text), on) << '"' << text << '"';

    RegMemoryReset();
    ASSERT_TRUE(SaveRegValue(RegRoot::CurrentUser, keys::Option, "Windowpos", RegType::Text, "abc"));
    EXPECT_FALSE(ReadSettingFlag(settings::Windowpos));
    ASSERT_TRUE(SaveSetting(settings::Windowpos, 2));
    EXPECT_TRUE(ReadSettingFlag(settings::Windowpos));
}

TEST(SettingsKeys, NumbersAreSignedDecimalsThatFitOrFallBack) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"12", 12}, {"-2147483648", -2147483647 - 1}, {"+5", 5}, {"2147483648", {}}, {"1.5", {}}, {" ", {}}};
    for (const auto& [text, number] : cases) EXPECT_EQ(ParseNumber(text), number) << '"' << text << '"';

    RegMemoryReset();
    EXPECT_EQ(ReadSettingNumber(settings::Alpha), 188);
    ASSERT_TRUE(SaveRegValue(RegRoot::CurrentUser, keys::Load, "Alpha", RegType::Text, "dim"));
    EXPECT_EQ(ReadSettingNumber(settings::Alpha), 188);
    // The position is written as text and read back whatever its type.
    ASSERT_TRUE(SaveSetting(settings::ClockLeft, -40));
    EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::Load, "ClockLeft").kind(), RegValue::Kind::Text);
    EXPECT_EQ(ReadSettingNumber(settings::ClockLeft), -40);
}

}  // namespace
