#include "settings/RegProcess.h"
#include "settings/RegStoreMemory.h"
#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class SettingsKeys : public testing::Test {
protected:
    void SetUp() override { RegMemoryReset(); }
};

TEST_F(SettingsKeys, EmptyRegistryGivesEveryDefault) {
    EXPECT_EQ(ReadSettingNumber(settings::Alpha), 188);
    EXPECT_EQ(ReadSettingNumber(settings::ClockLeft), std::nullopt);
    EXPECT_EQ(ReadSettingNumber(settings::ClockTop), std::nullopt);
    EXPECT_EQ(ReadSettingNumber(settings::SelBackBmp), std::nullopt);
    EXPECT_EQ(ReadSettingText(settings::SkinPath), "");
    EXPECT_EQ(ReadSettingText(settings::BmpBack), "");
    for (const Setting* flag : {&settings::Windowpos, &settings::IconRun, &settings::RndBackBmp,
                                &settings::RndTimeBmp, &settings::AutoRun, &settings::HourRing})
        EXPECT_FALSE(ReadSettingFlag(*flag)) << flag->name;
}

TEST_F(SettingsKeys, FlagIsOnOnlyForANumberAboveZero) {
    const struct {
        std::string_view text;
        bool on;
    } cases[] = {{"1", true}, {"2", true}, {" 7 ", true}, {"0", false}, {"-1", false},
                 {"abc", false}, {"", false}, {"1x", false}, {"+-1", false}};
    for (const auto& c : cases) EXPECT_EQ(IsFlagOn(c.text), c.on) << '"' << c.text << '"';

    ASSERT_TRUE(SaveRegValue(RegRoot::CurrentUser, keys::Option, "Windowpos", RegType::Text, "abc"));
    EXPECT_FALSE(ReadSettingFlag(settings::Windowpos));
    ASSERT_TRUE(SaveSetting(settings::Windowpos, 2));
    EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::Option, "Windowpos").AsText(), "2");
    EXPECT_TRUE(ReadSettingFlag(settings::Windowpos));
}

TEST_F(SettingsKeys, NumbersFallBackWhenNotNumeric) {
    ASSERT_TRUE(SaveSetting(settings::Alpha, 120));
    EXPECT_EQ(ReadSettingNumber(settings::Alpha), 120);
    ASSERT_TRUE(SaveRegValue(RegRoot::CurrentUser, keys::Load, "Alpha", RegType::Text, "dim"));
    EXPECT_EQ(ReadSettingNumber(settings::Alpha), 188);
    // The position is written as text and read back whatever its type.
    ASSERT_TRUE(SaveSetting(settings::ClockLeft, -40));
    EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::Load, "ClockLeft").kind(), RegValue::Kind::Text);
    EXPECT_EQ(ReadSettingNumber(settings::ClockLeft), -40);
}

TEST(ParseNumber, AcceptsSignedDecimalsThatFit) {
    EXPECT_EQ(ParseNumber("12"), 12);
    EXPECT_EQ(ParseNumber("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseNumber("+5"), 5);
    EXPECT_EQ(ParseNumber("2147483648"), std::nullopt);
    EXPECT_EQ(ParseNumber("1.5"), std::nullopt);
    EXPECT_EQ(ParseNumber(" "), std::nullopt);
}

}  // namespace
