#pragma once
// What the restart and shut-down countdown shows, where, and how long it has left.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kCountdownSeconds = 30;

// Seconds left of a countdown opened at `openedMs` on a clock that only runs forward (the time since the
// system started), now reading `nowMs`: 30 for the first second, 0 once 30 seconds have passed.
int CountdownSecondsLeft(std::uint64_t openedMs, std::uint64_t nowMs);

// "Re-start computer" or "Shut down".
std::string CountdownAction(bool restart);

// The four lines of text, where the fourth starts and where the seconds figure usually stands.
struct CountdownLines {
    std::string lines[4];
    int line4X;
    int figureX;
};
// The fourth line is the item's own text, or how to cancel when it has none.
CountdownLines CountdownLinesFor(bool restart, const std::string& userText);

struct PlacedText {
    int line;  // 0 to 3
    int x;
    int y;
    std::string text;
    bool operator==(const PlacedText&) const = default;
};

struct CountdownLayout {
    std::vector<PlacedText> rows;  // every row of the four lines, top to bottom
    int figureX;                   // where the seconds figure starts
    int figureY;
    int shift;  // how far the etched line, the buttons and the window's bottom move down
};

// The lines at their usual places when they fit left of `rightEdge`; otherwise each is wrapped at blanks (or,
// for a word too long for a row, between characters) and what follows moves down a row for every row added.
// The figure stands right of the second line, or on a row of its own when it does not fit there. `measure`
// gives a text's width in the window's font.
CountdownLayout LayOutCountdown(const CountdownLines& lines, int rightEdge,
                                const std::function<int(std::string_view)>& measure);
