// Runs natively against the memory store and under Wine against the real registry: the memory
// store must behave as the registry does wherever the program relies on it.
#include "settings/RegProcess.h"
#include "settings/RegStore.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr RegRoot kUser = RegRoot::CurrentUser;
constexpr std::string_view kParent = "Software\\Tollwick";
constexpr std::string_view kKey = "Software\\Tollwick\\ContractTest";

class RegProcessContract : public testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean() {
        DeleteRegKey(kUser, kKey, "Child");
        DeleteRegKey(kUser, kParent, "ContractTest");
    }
    static std::vector<std::uint8_t> RawBytes(std::string_view name, std::uint32_t& type) {
        std::vector<std::uint8_t> data;
        EXPECT_EQ(regstore::Read(kUser, kKey, name, type, data), regstore::Found::Value) << name;
        return data;
    }
};

TEST_F(RegProcessContract, TextIsStoredWithoutTerminatorAndReadsBack) {
    ASSERT_TRUE(SaveRegValue(kUser, kKey, "Three", RegType::Text, "abc"));
    std::uint32_t type = 0;
    // Wine's ANSI layer keeps a terminator of its own; what we hand over is the three bytes.
    auto raw = RawBytes("Three", type);
    if (raw.size() == 4 && raw.back() == 0) raw.pop_back();
    EXPECT_EQ(raw, (std::vector<std::uint8_t>{'a', 'b', 'c'}));
    EXPECT_EQ(type, 1u);
    const RegValue value = GetRegValue(kUser, kKey, "Three");
    EXPECT_EQ(value.kind(), RegValue::Kind::Text);
    EXPECT_EQ(value.AsText(), "abc");

    ASSERT_TRUE(SaveRegValue(kUser, kKey, "Empty", RegType::Text, ""));
    EXPECT_EQ(GetRegValue(kUser, kKey, "Empty").kind(), RegValue::Kind::Text);
    EXPECT_EQ(GetRegValue(kUser, kKey, "Empty").AsText(), "");
}

TEST_F(RegProcessContract, TextWithTerminatorReadsTheSame) {
    ASSERT_TRUE(regstore::Write(kUser, kKey, "WithNul", 1, "abc\0", 4));
    ASSERT_TRUE(regstore::Write(kUser, kKey, "Embedded", 1, "ab\0cd", 5));
    EXPECT_EQ(GetRegValue(kUser, kKey, "WithNul").AsText(), "abc");
    EXPECT_EQ(GetRegValue(kUser, kKey, "Embedded").AsText(), "ab");
}

TEST_F(RegProcessContract, LongTextReadsBackWhole) {
    for (const std::size_t length : {1023u, 1024u, 1030u, 5000u}) {
        std::string text(length, 'x');
        for (std::size_t i = 0; i < length; ++i) text[i] = char('a' + i % 26);
        ASSERT_TRUE(SaveRegValue(kUser, kKey, "Long", RegType::Text, text));
        EXPECT_EQ(GetRegValue(kUser, kKey, "Long").AsText(), text) << length;
    }
}

TEST_F(RegProcessContract, NumbersAreDwordsAndReadAsDecimalText) {
    ASSERT_TRUE(SaveRegValue(kUser, kKey, "Twelve", RegType::Number, "12"));
    std::uint32_t type = 0;
    EXPECT_EQ(RawBytes("Twelve", type), (std::vector<std::uint8_t>{12, 0, 0, 0}));
    EXPECT_EQ(type, 4u);
    EXPECT_EQ(GetRegValue(kUser, kKey, "Twelve").AsText(), "12");
    EXPECT_EQ(GetRegValue(kUser, kKey, "Twelve").AsNumber(), 12);

    const std::uint8_t allOnes[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_TRUE(regstore::Write(kUser, kKey, "AllOnes", 4, allOnes, 4));
    EXPECT_EQ(GetRegValue(kUser, kKey, "AllOnes").AsText(), "-1");

    ASSERT_TRUE(SaveRegValue(kUser, kKey, "Negative", RegType::Number, -250));
    EXPECT_EQ(GetRegValue(kUser, kKey, "Negative").AsText(), "-250");

    EXPECT_FALSE(SaveRegValue(kUser, kKey, "NotANumber", RegType::Number, "abc"));
    EXPECT_EQ(GetRegValue(kUser, kKey, "NotANumber").kind(), RegValue::Kind::NoValue);
}

TEST_F(RegProcessContract, MissingKeyAndMissingValueDiffer) {
    const RegValue noKey = GetRegValue(kUser, "Software\\Tollwick\\ContractTest\\Absent", "X");
    EXPECT_EQ(noKey.kind(), RegValue::Kind::KeyMissing);
    EXPECT_EQ(noKey.AsText(), "");
    EXPECT_EQ(noKey.AsNumber(), std::nullopt);

    ASSERT_TRUE(SaveRegValue(kUser, kKey, "Present", RegType::Text, "1"));
    const RegValue noValue = GetRegValue(kUser, kKey, "Absent");
    EXPECT_EQ(noValue.kind(), RegValue::Kind::NoValue);
    EXPECT_EQ(noValue.AsText(), "");
    EXPECT_EQ(noValue.AsNumber(), 0);
}

TEST_F(RegProcessContract, BinaryRecordsAndOtherTypes) {
    const std::uint8_t record[11] = {1, 0, 2, 0, 7, 30, 20, 5, 3, 7, 0};
    ASSERT_TRUE(SaveRegBinary(kUser, kKey, "Data1", record, sizeof record));
    const RegValue value = GetRegValue(kUser, kKey, "Data1");
    EXPECT_EQ(value.kind(), RegValue::Kind::Bytes);
    EXPECT_EQ(value.Bytes(), std::vector<std::uint8_t>(record, record + 11));
    EXPECT_EQ(value.AsNumber(), std::nullopt);
    EXPECT_EQ(value.AsText(), "");

    const char multi[] = "a\0b\0";
    ASSERT_TRUE(regstore::Write(kUser, kKey, "Multi", 7 /* REG_MULTI_SZ */, multi, sizeof multi));
    EXPECT_EQ(GetRegValue(kUser, kKey, "Multi").kind(), RegValue::Kind::NoValue);
}

TEST_F(RegProcessContract, NamesIgnoreCase) {
    ASSERT_TRUE(SaveRegValue(kUser, kKey, "SkinPath", RegType::Text, "C:\\Skins"));
    EXPECT_EQ(GetRegValue(kUser, "software\\tollwick\\contracttest", "skinpath").AsText(), "C:\\Skins");
    ASSERT_TRUE(SaveRegValue(kUser, "SOFTWARE\\TOLLWICK\\CONTRACTTEST", "SKINPATH", RegType::Text, "D:\\"));
    EXPECT_EQ(GetRegValue(kUser, kKey, "SkinPath").AsText(), "D:\\");
}

TEST_F(RegProcessContract, DeletingRemovesAndIgnoresWhatIsAbsent) {
    ASSERT_TRUE(SaveRegValue(kUser, kKey, "Gone", RegType::Text, "x"));
    DeleteRegValue(kUser, kKey, "Gone");
    EXPECT_EQ(GetRegValue(kUser, kKey, "Gone").kind(), RegValue::Kind::NoValue);
    DeleteRegValue(kUser, kKey, "Gone");
    DeleteRegValue(kUser, "Software\\Tollwick\\NoSuchKey", "Gone");
    DeleteRegKey(kUser, "Software\\Tollwick\\NoSuchKey", "Child");
    DeleteRegKey(kUser, kKey, "NoSuchChild");

    // A key with a subkey stays until its children are gone.
    ASSERT_TRUE(SaveRegValue(kUser, "Software\\Tollwick\\ContractTest\\Child", "V", RegType::Text, "1"));
    DeleteRegKey(kUser, kParent, "ContractTest");
    EXPECT_EQ(GetRegValue(kUser, kKey, "V").kind(), RegValue::Kind::NoValue);
    DeleteRegKey(kUser, kKey, "Child");
    EXPECT_EQ(GetRegValue(kUser, "Software\\Tollwick\\ContractTest\\Child", "V").kind(),
              RegValue::Kind::KeyMissing);
    DeleteRegKey(kUser, kParent, "ContractTest");
    EXPECT_EQ(GetRegValue(kUser, kKey, "V").kind(), RegValue::Kind::KeyMissing);
}

}  // namespace
