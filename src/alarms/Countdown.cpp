#include "alarms/Countdown.h"

#include "dialogkit/TextWrap.h"

#include <algorithm>

namespace {

constexpr int kTextLeft = 55;
constexpr int kLineTops[] = {10, 25, 41, 56};
constexpr int kRowStep = 15;
// The widest figure the count shows.
constexpr std::string_view kWidestFigure = "30";

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
        for (const std::string& row : WrapToWidth(lines.lines[line], rightEdge - x, measure)) {
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
