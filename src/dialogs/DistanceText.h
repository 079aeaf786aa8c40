#pragma once
#include <optional>
#include <string_view>

// The number of days typed into the calendar's distance box: decimal digits with an optional leading minus
// ("030" is 30). Anything else, a lone minus or an empty box included, is no number yet.
std::optional<int> DistanceFromText(std::string_view text);
