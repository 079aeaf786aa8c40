#pragma once
// The result of one registry read, and the conversions every caller applies to it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class RegRoot : std::uint32_t { CurrentUser = 0x80000001u, LocalMachine = 0x80000002u };

// Registry value types the program reads and writes; the numbers are the registry's own.
enum class RegType : std::uint32_t { Text = 1, Binary = 3, Number = 4 };

class RegValue {
public:
    enum class Kind { KeyMissing, NoValue, Text, Bytes };

    static RegValue KeyMissing() { return RegValue(Kind::KeyMissing); }
    static RegValue NoValue() { return RegValue(Kind::NoValue); }
    static RegValue FromText(std::string text);
    static RegValue FromBytes(std::vector<std::uint8_t> bytes);

    Kind kind() const { return kind_; }
    // Empty for every case but text.
    const std::string& AsText() const { return text_; }
    // No value reads as 0; a missing key, bytes and non-numeric text do not convert.
    std::optional<std::int32_t> AsNumber() const;
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    explicit RegValue(Kind kind) : kind_(kind) {}
    Kind kind_;
    std::string text_;
    std::vector<std::uint8_t> bytes_;
};

// Decimal text with an optional sign and surrounding blanks that fits 32 bits signed.
std::optional<std::int32_t> ParseNumber(std::string_view text);
