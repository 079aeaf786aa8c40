#include "dialogs/DistanceText.h"

#include <charconv>

std::optional<int> DistanceFromText(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    // from_chars alone would take a leading minus twice and stop quietly at the first non-digit.
    if (digits.empty() || digits.front() == '-') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
    return negative ? -value : value;
}
