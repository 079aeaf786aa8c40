// Runs natively against the memory store and under Wine against the real registry: the memory
// store must behave as the registry does wherever the program relies on it.
#include "settings/RegProcess.h"
#include "settings/RegStore.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

constexpr RegRoot kUser = RegRoot::CurrentUser;
constexpr std::string_view kParent = "Software\\Tollwick";
constexpr std::string_view kKey = "Software\\Tollwick\\ContractTest";

class RegProcessContract : public testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        DeleteRegKey(kUser, kKey, "Child");
        DeleteRegKey(kUser, kParent, "ContractTest");
    }
    // The type and bytes stored; Wine's ANSI layer keeps a terminator of its own after a text, which we leave out.
    static std::string Raw(std::string_view name) {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
        if (regstore::Read(kUser, kKey, name, type, data) != regstore::Found::Value) return "none";
        if (type == 1 && !data.empty() && data.back() == 0) data.pop_back();
        return std::to_string(type) + ":" + std::string(data.begin(), data.end());
    }
};

TEST_F(RegProcessContract, WritesTextNumbersAndRecordsInTheirOwnTypesUnderNamesThatIgnoreCase) {
    const std::uint8_t record[11] = {1, 0, 2, 0, 7, 30, 20, 5, 3, 7, 0};
    ASSERT_TRUE(SaveRegValue(kUser, kKey, "Text", RegType::Text, "abc"));
    ASSERT_TRUE(SaveRegValue(kUser, kKey, "Number", RegType::Number, "-2"));
    ASSERT_TRUE(SaveRegBinary(kUser, kKey, "Data1", record, sizeof record));
    EXPECT_FALSE(SaveRegValue(kUser, kKey, "NotANumber", RegType::Number, "abc"));
    EXPECT_EQ(Raw("Text"), "1:abc");
    EXPECT_EQ(Raw("Number"), "4:\xfe\xff\xff\xff");
    EXPECT_EQ(Raw("Data1"), "3:" + std::string(record, record + 11));
    EXPECT_EQ(Raw("NotANumber"), "none");
    ASSERT_TRUE(SaveRegValue(kUser, "SOFTWARE\\TOLLWICK\\CONTRACTTEST", "TEXT", RegType::Text, "D:\\"));
    EXPECT_EQ(GetRegValue(kUser, "software\\tollwick\\contracttest", "text").AsText(), "D:\\");
    std::string text;
    for (int i = 0; i < 5000; ++i) text += char('a' + i % 26);
    for (const std::size_t length : {1023u, 1024u, 1030u, 5000u}) {  // around the first read's buffer
        ASSERT_TRUE(SaveRegValue(kUser, kKey, "Long", RegType::Text, text.substr(0, length)));
        EXPECT_EQ(GetRegValue(kUser, kKey, "Long").AsText(), text.substr(0, length)) << length;
    }
}

// Text ends at its first zero, a DWORD reads as signed decimal text, binary as bytes, anything else as no value.
TEST_F(RegProcessContract, EveryStoredShapeReadsAsTextBytesOrNothing) {
    using enum RegValue::Kind;
    const std::tuple<const char*, std::uint32_t, std::string_view, RegValue::Kind, std::string_view, std::optional<int>>
        cases[] = {
            {"text with a terminator", 1, {"12\0", 3}, Text, "12", 12},
            {"text with a zero inside", 1, {"ab\0cd", 5}, Text, "ab", std::nullopt},
            {"empty text", 1, "", Text, "", std::nullopt},
            {"DWORD of all ones", 4, "\xff\xff\xff\xff", Text, "-1", -1},
            {"short DWORD", 4, {"\x0c\0", 2}, NoValue, "", 0},
            {"binary", 3, {"\1\0\2", 3}, Bytes, "", std::nullopt},
            {"multi-string", 7, {"a\0b\0", 5}, NoValue, "", 0},
        };
    for (const auto& [name, type, bytes, kind, text, number] : cases) {
        ASSERT_TRUE(regstore::Write(kUser, kKey, "Value", type, bytes.data(), bytes.size())) << name;
        const RegValue value = GetRegValue(kUser, kKey, "Value");
        EXPECT_EQ(value.kind(), kind) << name;
        EXPECT_EQ(value.AsText(), text) << name;
        EXPECT_EQ(value.AsNumber(), number) << name;
        EXPECT_EQ(std::string(value.Bytes().begin(), value.Bytes().end()), kind == Bytes ? bytes : "") << name;
    }
    DeleteRegValue(kUser, kKey, "Value");  // a missing value reads as 0, a missing key as nothing at all
    EXPECT_EQ(GetRegValue(kUser, kKey, "Value").AsNumber(), 0);
    const RegValue noKey = GetRegValue(kUser, "Software\\Tollwick\\ContractTest\\Absent", "Value");
    EXPECT_EQ(std::pair(noKey.kind(), noKey.AsNumber()), std::pair(KeyMissing, std::optional<int>()));
}

// Deleting what is absent does nothing; a key with a subkey stays until its children are gone.
TEST_F(RegProcessContract, DeletingIgnoresWhatIsAbsentAndKeepsAKeyWithChildren) {
    DeleteRegValue(kUser, "Software\\Tollwick\\NoSuchKey", "Gone");
    DeleteRegKey(kUser, kKey, "NoSuchChild");
    const std::string child = std::string(kKey) + "\\Child";
    ASSERT_TRUE(SaveRegValue(kUser, child, "V", RegType::Text, "1"));
    DeleteRegKey(kUser, kParent, "ContractTest");
    EXPECT_EQ(GetRegValue(kUser, kKey, "V").kind(), RegValue::Kind::NoValue);
    DeleteRegKey(kUser, kKey, "Child");
    EXPECT_EQ(GetRegValue(kUser, child, "V").kind(), RegValue::Kind::KeyMissing);
    DeleteRegKey(kUser, kParent, "ContractTest");
    EXPECT_EQ(GetRegValue(kUser, kKey, "V").kind(), RegValue::Kind::KeyMissing);
}

}  // namespace
