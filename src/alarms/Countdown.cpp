#include "alarms/Countdown.h"

#include <algorithm>

namespace {

constexpr int kTextLeft = 55;
constexpr int kLineTops[] = {10, 25, 41, 56};
constexpr int kRowStep = 15;
// The widest figure the count shows.
constexpr std::string_view kWidestFigure = "30";

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

std::vector<std::string> Wrap(std::string_view text, int width, const std::function<int(std::string_view)>& measure) {
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

}  // namespace

int CountdownSecondsLeft(std::uint64_t openedMs, std::uint64_t nowMs) {
    const std::uint64_t elapsed = nowMs > openedMs ? (nowMs - openedMs) / 1000 : 0;
    return static_cast<int>(kCountdownSeconds - std::min<std::uint64_t>(elapsed, kCountdownSeconds));
}

std::string CountdownAction(bool restart) { return restart ? "Re-start computer" : "Shut down"; }

CountdownLines CountdownLinesFor(bool restart, const std::string& userText) {
    const std::string action = CountdownAction(restart);
    CountdownLines lines{{"You have setup:" + action, action + "begin the countdown",
                          "The program will execute preset operation in 30 seconds.", userText},
                         12,
                         restart ? 204 : 183};
    if (userText.empty()) {
        lines.lines[3] = "If relieve\xA1\xBC" + action + "\xA1\xBD,please press ESC button according to the cancel.";
        lines.line4X = restart ? 12 : 31;
    }
    return lines;
}

CountdownLayout LayOutCountdown(const CountdownLines& lines, int rightEdge,
                                const std::function<int(std::string_view)>& measure) {
    CountdownLayout layout{{}, 0, 0, 0};
    for (int line = 0; line < 4; ++line) {
        const int x = line == 3 ? lines.line4X : kTextLeft;
        int y = kLineTops[line] + layout.shift;
        for (const std::string& row : Wrap(lines.lines[line], rightEdge - x, measure)) {
            layout.rows.push_back({line, x, y, row});
            y += kRowStep;
        }
        layout.shift = y - kRowStep - kLineTops[line];
        if (line != 1) continue;
        const PlacedText& last = layout.rows.back();
        layout.figureX = std::max(lines.figureX, last.x + measure(last.text) + measure(" "));
        layout.figureY = last.y;
        if (layout.figureX + measure(kWidestFigure) > rightEdge) {
            layout.figureX = kTextLeft;
            layout.figureY = y;
            layout.shift += kRowStep;
        }
    }
    return layout;
}
