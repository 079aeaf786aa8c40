#include "face/BitmapHeader.h"
#include "face/PixelScan.h"
#include "face/SkinRules.h"
#include "face/TimeLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

namespace {

// A tick redraws only the places whose glyph changes; across a change of hour width, the places move.
TEST(TimeGlyphs, ChangesAreThePlacesThatDiffer) {
    const auto places = [](std::string_view shown, std::string_view time) {
        std::vector<int> destX;
        for (const GlyphCopy& copy : ChangedGlyphCopies(shown, time)) destX.push_back(copy.destX);
        std::sort(destX.begin(), destX.end());
        return destX;
    };
    EXPECT_EQ(places("12:34:56", "12:34:57"), (std::vector<int>{95}));
    EXPECT_EQ(places("12:34:59", "12:35:00"), (std::vector<int>{56, 80, 95}));
    EXPECT_EQ(places("9:59:59", "10:00:00"), (std::vector<int>{0, 16, 40, 56, 80, 95}));
    EXPECT_EQ(places("12:34:56", "12:34:56"), (std::vector<int>{}));
    EXPECT_EQ(places("", "1:00:00"), (std::vector<int>{0, 16, 32, 40, 56, 72, 80, 95}));
}

// Rows that repeat the row above extend its rectangles; a changed or an empty row starts new ones.
TEST(OutlineRects, RepeatedRowsMergeIntoTallRectangles) {
    const struct {
        const char* name;
        std::vector<RowRun> runs;
        std::vector<OutlineRect> rects;
    } cases[] = {
        {"stripes", {{0, 1, 2}, {0, 4, 5}, {1, 1, 2}, {1, 4, 5}, {2, 1, 2}, {2, 4, 5}}, {{1, 0, 2, 3}, {4, 0, 5, 3}}},
        {"checkers",
         {{0, 0, 1}, {0, 2, 3}, {1, 1, 2}, {2, 0, 1}, {2, 2, 3}},
         {{0, 0, 1, 1}, {2, 0, 3, 1}, {1, 1, 2, 2}, {0, 2, 1, 3}, {2, 2, 3, 3}}},
        {"same runs across an empty row", {{0, 1, 3}, {2, 1, 3}}, {{1, 0, 3, 1}, {1, 2, 3, 3}}},
        {"a notched plate", {{0, 1, 5}, {1, 0, 6}, {2, 0, 6}, {3, 1, 5}}, {{1, 0, 5, 1}, {0, 1, 6, 3}, {1, 3, 5, 4}}},
        {"nothing opaque", {}, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(OutlineRects(c.runs), c.rects) << c.name;
}

// A 150 x 40 picture of `bits` per pixel with its colour table and pixels, as a file starts.
struct BmpFile {
    std::vector<std::uint8_t> head = std::vector<std::uint8_t>(kBitmapHeadBytes);
    std::uint64_t size;
    void Put(std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) head[at + i] = std::uint8_t(value >> (8 * i));
    }
    explicit BmpFile(int bits = 8) {
        const std::uint32_t table = bits <= 8 ? 4u << bits : 0, offset = 54 + table;
        size = offset + std::uint64_t((150 * bits + 31) / 32 * 4) * 40;
        head[0] = 'B', head[1] = 'M';
        Put(2, std::uint32_t(size), 4), Put(10, offset, 4), Put(14, 40, 4), Put(18, 150, 4), Put(22, 40, 4);
        Put(26, 1, 2), Put(28, bits, 2);
    }
};

TEST(BitmapHeader, OnlyPicturesTheFileHoldsAndTheClockCanHoldPass) {
    const auto with = [](std::size_t at, std::uint32_t value, int bytes, int bits = 8) {
        BmpFile file(bits);
        file.Put(at, value, bytes);
        return file;
    };
    BmpFile truncated, topDown = with(22, std::uint32_t(-40), 4), core;
    truncated.size -= 1;
    core.Put(14, 12, 4), core.Put(18, 150, 2), core.Put(20, 40, 2), core.Put(22, 1, 2), core.Put(24, 24, 2);
    core.Put(10, 26, 4), core.size = 26 + 452 * 40;
    BmpFile claims30000;  // a 78-byte file that claims 30000 x 30000 at one bit per pixel
    claims30000.Put(18, 30000, 4), claims30000.Put(22, 30000, 4), claims30000.Put(28, 1, 2);
    claims30000.Put(10, 62, 4), claims30000.size = 78;
    const std::tuple<const char*, BmpFile, std::optional<BitmapSize>> cases[] = {
        {"8 bits", BmpFile(8), BitmapSize{150, 40}},
        {"1 bit", BmpFile(1), BitmapSize{150, 40}},
        {"top-down", topDown, BitmapSize{150, 40}},
        {"core header", core, BitmapSize{150, 40}},
        {"claims 30000 x 30000", claims30000, std::nullopt},
        {"one byte of pixels short", truncated, std::nullopt},
        {"width 0", with(18, 0, 4), std::nullopt},
        {"height INT_MIN", with(22, std::uint32_t(INT_MIN), 4), std::nullopt},
        {"7 bits", with(28, 7, 2), std::nullopt},
        {"unknown compression", with(30, 17, 4), std::nullopt},
        {"RLE8 at 8 bits", with(30, 1, 4), BitmapSize{150, 40}},
        {"more colours than the bits give", with(46, 257, 4), std::nullopt},
        {"unknown information size", with(14, 64, 4), std::nullopt},
        {"pixels inside the colour table", with(10, 60, 4), std::nullopt},
        {"pixels past the end", with(10, 0xFFFFFFF0, 4), std::nullopt},
    };
    for (const auto& [name, file, size] : cases) EXPECT_EQ(CheckBitmapHeader(file.head, file.size), size) << name;
    const BmpFile whole;
    EXPECT_EQ(CheckBitmapHeader(std::span(whole.head).first(30), whole.size), std::nullopt) << "a short head";
}

// Random bytes in every header field: the check never reads outside the head and never lets through a size the
// clock cannot hold or pixels the file cannot hold.
TEST(BitmapHeader, RandomHeadersNeverPassWhatCannotBeHeld) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 20000; ++round) {
        BmpFile file(round % 2 ? 24 : 8);
        for (int flips = 1 + round % 4; flips > 0; --flips)
            file.head[2 + random() % 52] = std::uint8_t(random() >> (round % 3 ? 24 : 30));
        const std::size_t length = round % 7 ? file.head.size() : random() % file.head.size();
        const auto size = CheckBitmapHeader(std::span(file.head).first(length), file.size);
        if (!size) continue;
        EXPECT_TRUE(CanHoldSkin(size->width, size->height)) << round;
        EXPECT_LE(std::uint64_t(size->width) * size->height, file.size * 8) << round;
    }
}

}  // namespace
