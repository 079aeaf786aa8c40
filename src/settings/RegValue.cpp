#include "settings/RegValue.h"

#include <charconv>
#include <limits>

RegValue RegValue::FromText(std::string text) {
    RegValue value(Kind::Text);
    value.text_ = std::move(text);
    return value;
}

RegValue RegValue::FromBytes(std::vector<std::uint8_t> bytes) {
    RegValue value(Kind::Bytes);
    value.bytes_ = std::move(bytes);
    return value;
}

std::optional<std::int32_t> RegValue::AsNumber() const {
    switch (kind_) {
    case Kind::NoValue: return 0;
    case Kind::Text: return ParseNumber(text_);
    default: return std::nullopt;
    }
}

std::optional<std::int32_t> ParseNumber(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(number);
}
