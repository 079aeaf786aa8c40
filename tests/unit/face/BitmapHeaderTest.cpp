#include "face/BitmapHeader.h"
#include "face/SkinRules.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <tuple>
#include <vector>

namespace {

// A 150 x 40 picture of `bits` per pixel with its colour table and pixels, as a file starts.
struct BmpFile {
    std::vector<std::uint8_t> head = std::vector<std::uint8_t>(kBitmapHeadBytes);
    std::uint64_t size;
    BmpFile& Put(std::size_t at, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) head[at + i] = std::uint8_t(value >> (8 * i));
        return *this;
    }
    explicit BmpFile(int bits = 8) {
        const std::uint32_t table = bits <= 8 ? 4u << bits : 0, offset = 54 + table;
        size = offset + std::uint64_t((150 * bits + 31) / 32 * 4) * 40;
        head[0] = 'B', head[1] = 'M';
        Put(2, std::uint32_t(size), 4).Put(10, offset, 4).Put(14, 40, 4).Put(18, 150, 4).Put(22, 40, 4);
        Put(26, 1, 2).Put(28, bits, 2);
    }
};

TEST(BitmapHeader, OnlyPicturesTheFileHoldsAndTheClockCanHoldPass) {
    BmpFile truncated;
    truncated.size -= 1;
    const std::optional<BitmapSize> fits = BitmapSize{150, 40}, none;
    const std::tuple<const char*, BmpFile, std::optional<BitmapSize>> cases[] = {
        {"8 bits", BmpFile(8), fits},
        {"core header", BmpFile(24).Put(14, 12, 4).Put(18, 150, 2).Put(20, 40, 2).Put(22, 1, 2).Put(24, 24, 2), fits},
        {"RLE8 at 8 bits", BmpFile().Put(30, 1, 4), fits},
        {"RLE8 of 30000 x 30000", BmpFile().Put(30, 1, 4).Put(18, 30000, 4).Put(22, 30000, 4), none},
        {"one byte of pixels short", truncated, none},
        {"height INT_MIN", BmpFile().Put(22, std::uint32_t(INT_MIN), 4), none},
        {"RLE8, more colours than 8 bits", BmpFile().Put(30, 1, 4).Put(46, 257, 4).Put(10, 1082, 4), none},
        {"pixels inside the colour table", BmpFile().Put(10, 60, 4), none},
        {"pixels past the end", BmpFile().Put(10, 0xFFFFFFF0, 4), none},
    };
    for (const auto& [name, file, size] : cases) EXPECT_EQ(CheckBitmapHeader(file.head, file.size), size) << name;
}

// Random bytes in every header field and heads cut short: the check never reads outside the head (each is a block
// of its own, for the sanitizer) and never lets through a size the clock cannot hold or pixels the file cannot hold.
TEST(BitmapHeader, RandomHeadersNeverPassWhatCannotBeHeld) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 20000; ++round) {
        BmpFile file(round % 2 ? 24 : 8);
        for (int flips = 1 + round % 4; flips > 0; --flips)
            file.head[2 + random() % 52] = std::uint8_t(random() >> (round % 3 ? 24 : 30));
        const std::size_t length = round % 7 ? file.head.size() : random() % file.head.size();
        const std::vector<std::uint8_t> head(file.head.begin(), file.head.begin() + length);
        const auto size = CheckBitmapHeader(head, file.size);
        if (!size) continue;
        EXPECT_TRUE(CanHoldSkin(size->width, size->height)) << round;
        EXPECT_LE(std::uint64_t(size->width) * size->height, file.size * 8) << round;
    }
}

}  // namespace
