#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// `text` as rows no wider than `width`, broken at blanks (dropping them at the start of a row) or, for a word too
// long for a row, between characters. `measure` gives a text's width in the font it is shown in. Never empty.
std::vector<std::string> WrapToWidth(std::string_view text, int width,
                                     const std::function<int(std::string_view)>& measure);
