#pragma once
// Where each glyph of the time strip goes when a time text is drawn.
#include <string_view>
#include <vector>

// One copy from the strip (source y 0, always 25 high) to the time area, relative to its top-left corner.
struct GlyphCopy {
    int destX;
    int sourceX;
    int width;
    bool operator==(const GlyphCopy&) const = default;
};

inline constexpr int GlyphHeight = 25;
inline constexpr int TimeAreaWidth = 111;

// The copies for a time text of the form H:MM:SS or HH:MM:SS, digit places first, then colons and blank.
std::vector<GlyphCopy> TimeGlyphCopies(std::string_view time);

// The copies for `time` that change what drawing `shown` left in the time area: all of them when nothing is shown.
std::vector<GlyphCopy> ChangedGlyphCopies(std::string_view shown, std::string_view time);
