#include "face/TimeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

// A tick redraws only the places whose glyph changes; across a change of hour width, the places move.
TEST(TimeGlyphs, ChangesAreThePlacesThatDiffer) {
    const std::tuple<const char*, const char*, std::vector<int>> cases[] = {
        {"12:34:56", "12:34:57", {95}},
        {"9:59:59", "10:00:00", {0, 16, 40, 56, 80, 95}},
        {"", "1:00:00", {0, 16, 32, 40, 56, 72, 80, 95}}};
    for (const auto& [shown, time, places] : cases) {
        std::vector<int> destX;
        for (const GlyphCopy& copy : ChangedGlyphCopies(shown, time)) destX.push_back(copy.destX);
        std::sort(destX.begin(), destX.end());
        EXPECT_EQ(destX, places) << shown << " to " << time;
    }
}

}  // namespace
