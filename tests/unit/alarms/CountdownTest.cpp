#include "alarms/Countdown.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

// Counted on the time since start, so a clock set forward or back changes nothing.
TEST(Countdown, SecondsLeftCountFromTheOpeningAndStopAtZero) {
    const std::pair<std::uint64_t, int> cases[] = {{5999, 30}, {6000, 29}, {34999, 1}, {99999, 0}, {4000, 30}};
    for (const auto& [now, left] : cases) EXPECT_EQ(CountdownSecondsLeft(5000, now), left) << now;
}

// In fonts of 3 to 12 pixels a character, every row ends left of x 259 and stays clear of the others and of the
// figure, no text is lost, and what follows moves down by the rows added, not at all while everything fits.
TEST(Countdown, WiderTextsWrapWithoutOverlapOrLoss) {
    constexpr int kRightEdge = 259;
    const std::string longWord = std::string(90, 'W') + " and more words";
    const std::tuple<bool, std::string, int> cases[] = {
        {true, "", 3}, {false, "", 6}, {false, "Backup done", 7}, {false, longWord, 6}, {true, "", 12}};
    const auto withoutBlanks = [](std::string text) { return std::erase(text, ' '), text; };
    for (const auto& [restart, text, pixels] : cases) {
        SCOPED_TRACE(std::to_string(restart) + " " + text + " at " + std::to_string(pixels));
        const auto measure = [width = pixels](std::string_view row) { return int(row.size()) * width; };
        const CountdownLines lines = CountdownLinesFor(restart, text);
        const CountdownLayout layout = LayOutCountdown(lines, kRightEdge, measure);
        std::string joined[4];
        int previousY = -13;
        for (const PlacedText& row : layout.rows) {
            EXPECT_LE(row.x + measure(row.text), kRightEdge) << row.text;
            EXPECT_GE(row.y, previousY + 13) << row.text;
            EXPECT_FALSE(row.y == layout.figureY && row.x + measure(row.text) >= layout.figureX) << row.text;
            previousY = row.y;
            joined[row.line] += row.text;
        }
        for (int line = 0; line < 4; ++line) EXPECT_EQ(withoutBlanks(joined[line]), withoutBlanks(lines.lines[line]));
        EXPECT_LE(layout.figureX + measure("30"), kRightEdge);
        EXPECT_GE(76 + layout.shift, previousY + 15) << "the etched line moves below the last row";
        EXPECT_EQ(layout.shift, 15 * (int(layout.rows.size()) - 4 + (layout.figureX == 55)));
    }
}

}  // namespace
