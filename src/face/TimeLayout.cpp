#include "face/TimeLayout.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

constexpr int DigitStep = 15;
constexpr GlyphCopy Colons[] = {{32, 151, 8}, {72, 151, 8}};
constexpr GlyphCopy Blank{0, 158, 16};

struct DigitPlace {
    int destX;
    int width;
};
// The second tens are one column narrower so the last place still fits the 111-pixel area.
constexpr std::array<DigitPlace, 6> Places{{{0, 16}, {16, 16}, {40, 16}, {56, 16}, {80, 15}, {95, 16}}};

}  // namespace

std::vector<GlyphCopy> TimeGlyphCopies(std::string_view time) {
    const bool twoDigitHour = time.size() > 7;
    // Character indexes of the six places; -1 is the blank for a one-digit hour.
    const std::array<int, 6> sources =
        twoDigitHour ? std::array<int, 6>{0, 1, 3, 4, 6, 7} : std::array<int, 6>{-1, 0, 2, 3, 5, 6};
    std::vector<GlyphCopy> copies;
    for (std::size_t place = 0; place < Places.size(); ++place) {
        const int index = sources[place];
        if (index < 0 || static_cast<std::size_t>(index) >= time.size()) continue;
        const int digit = time[index] - '0';
        copies.push_back({Places[place].destX, digit * DigitStep, Places[place].width});
    }
    copies.insert(copies.end(), std::begin(Colons), std::end(Colons));
    if (!twoDigitHour) copies.push_back(Blank);
    return copies;
}

std::vector<GlyphCopy> ChangedGlyphCopies(std::string_view shown, std::string_view time) {
    std::vector<GlyphCopy> copies = TimeGlyphCopies(time);
    if (shown.empty()) return copies;
    const std::vector<GlyphCopy> before = TimeGlyphCopies(shown);
    std::erase_if(copies, [&](const GlyphCopy& copy) { return std::ranges::find(before, copy) != before.end(); });
    return copies;
}
