#include "alarms/Countdown.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

TEST(Countdown, SecondsLeftCountFromTheOpeningAndStopAtZero) {
    const std::pair<std::uint64_t, int> cases[] = {{5999, 30}, {6000, 29}, {34999, 1}, {99999, 0}, {4000, 30}};
    for (const auto& [now, left] : cases) EXPECT_EQ(CountdownSecondsLeft(5000, now), left) << now;
}

// A font of `pixels` per character, and a window whose texts must end left of x 259.
constexpr int kRightEdge = 259;
std::function<int(std::string_view)> Font(int pixels) {
    return [pixels](std::string_view text) { return int(text.size()) * pixels; };
}

std::string WithoutBlanks(std::string text) {
    std::erase(text, ' ');
    return text;
}

// In any font every row stays inside the window and clear of the others and of the figure, no text is lost,
// and what follows moves down by the rows added, not at all while everything fits.
TEST(Countdown, WiderTextsWrapWithoutOverlapOrLoss) {
    const std::tuple<bool, std::string, int> cases[] = {
        {true, "", 3},
        {true, "", 6},
        {false, "", 6},
        {true, "Backup done", 7},
        {false, std::string(90, 'W') + " and then some more words to wrap", 6},
        {true, "", 12},
    };
    for (const auto& [restart, text, pixels] : cases) {
        const std::string name = std::to_string(restart) + " " + text + " at " + std::to_string(pixels);
        const auto measure = Font(pixels);
        const CountdownLines lines = CountdownLinesFor(restart, text);
        const CountdownLayout layout = LayOutCountdown(lines, kRightEdge, measure);
        std::string joined[4];
        int previousY = -13;
        for (const PlacedText& row : layout.rows) {
            EXPECT_LE(row.x + measure(row.text), kRightEdge) << name << ": " << row.text;
            EXPECT_GE(row.y, previousY + 13) << name << ": " << row.text;
            const bool besideFigure = row.y == layout.figureY && row.x + measure(row.text) > layout.figureX;
            EXPECT_FALSE(besideFigure) << name << ": " << row.text;
            previousY = row.y;
            joined[row.line] += row.text;
        }
        for (int line = 0; line < 4; ++line)
            EXPECT_EQ(WithoutBlanks(joined[line]), WithoutBlanks(lines.lines[line])) << name;
        EXPECT_LE(layout.figureX + measure("30"), kRightEdge) << name;
        EXPECT_GE(76 + layout.shift, previousY + 15) << name << ": the etched line moves below the last row";
        const int figureRow = layout.figureX == 55 ? 1 : 0;
        EXPECT_EQ(layout.shift, 15 * (int(layout.rows.size()) - 4 + figureRow)) << name;
    }
}

}  // namespace
