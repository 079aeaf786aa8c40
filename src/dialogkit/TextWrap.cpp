#include "dialogkit/TextWrap.h"

namespace {

// The longest start of `text` that fits `width`, cut after a blank when there is one; at least one character.
std::size_t FittingLength(std::string_view text, int width, const std::function<int(std::string_view)>& measure) {
    std::size_t fits = 1, tooLong = text.size() + 1;
    while (tooLong - fits > 1) {
        const std::size_t middle = (fits + tooLong) / 2;
        (measure(text.substr(0, middle)) <= width ? fits : tooLong) = middle;
    }
    if (fits == text.size()) return fits;
    const std::size_t blank = text.substr(0, fits + 1).rfind(' ');
    return blank != std::string_view::npos && blank > 0 ? blank : fits;
}

}  // namespace

std::vector<std::string> WrapToWidth(std::string_view text, int width,
                                     const std::function<int(std::string_view)>& measure) {
    std::vector<std::string> rows;
    while (!text.empty()) {
        if (measure(text) <= width) {
            rows.emplace_back(text);
            break;
        }
        const std::size_t length = FittingLength(text, width, measure);
        rows.emplace_back(text.substr(0, length));
        text.remove_prefix(length);
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    }
    if (rows.empty()) rows.emplace_back();
    return rows;
}
