#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "support/CleanSettings.h"

#include <gtest/gtest.h>

namespace {

constexpr Setting kProbe{RegRoot::CurrentUser, "Software\\Tollwick\\SettingsTest", "Flag", RegType::Number, 188};

TEST(SettingsOnRegistry, FlagsAndFallbacksReadTheRealRegistry) {
    const CleanSettings clean;
    EXPECT_EQ(ReadSettingNumber(kProbe), 188);
    ASSERT_TRUE(SaveRegValue(kProbe.root, kProbe.key, kProbe.name, RegType::Text, "abc"));
    EXPECT_FALSE(ReadSettingFlag(kProbe));
    EXPECT_EQ(ReadSettingNumber(kProbe), 188);
    ASSERT_TRUE(SaveSetting(kProbe, 2));
    EXPECT_TRUE(ReadSettingFlag(kProbe));
    EXPECT_EQ(ReadSettingNumber(kProbe), 2);
    DeleteRegKey(RegRoot::CurrentUser, "Software\\Tollwick", "SettingsTest");
    EXPECT_EQ(GetRegValue(kProbe.root, kProbe.key, kProbe.name).kind(), RegValue::Kind::KeyMissing);
}

}  // namespace
