#include "WaveBytes.h"
#include "alarms/RingFade.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(RingFade, RisesEvenlyInDecibelsFromMinus30ToFullAt30Seconds) {
    const std::pair<double, double> points[] = {{-1, -30}, {0, -30}, {15, -15}, {29.97, -0.03}, {30, 0}, {600, 0}};
    for (const auto& [seconds, db] : points) EXPECT_NEAR(20 * std::log10(FadeGain(seconds)), db, 0.01) << seconds;
}

std::vector<int> Samples16(const Bytes& pcm) {
    std::vector<int> values;
    for (std::size_t i = 0; i + 1 < pcm.size(); i += 2) values.push_back(std::int16_t(pcm[i] | pcm[i + 1] << 8));
    return values;
}

// Every channel of a frame takes the frame's gain, 16-bit samples keep their sign, 8-bit ones stay centred on 128,
// and nothing changes from 30 seconds on.
TEST(RingFade, ScalesEachFrameByItsTime) {
    const PcmShape stereo16{2, 16, 10}, mono8{1, 8, 10};
    const double start = FadeGain(0), later = FadeGain(0.1);
    Bytes pcm;
    for (const int value : {10000, -32768, 10000, -32768}) Put(pcm, std::uint32_t(value), 2);
    ApplyFade(pcm, stereo16, 0);
    EXPECT_EQ(Samples16(pcm), (std::vector<int>{int(std::lround(10000 * start)), int(std::lround(-32768 * start)),
                                                int(std::lround(10000 * later)), int(std::lround(-32768 * later))}));
    Bytes full = pcm;
    ApplyFade(full, stereo16, 300);
    EXPECT_EQ(full, pcm) << "at 30 seconds";
    Bytes bytes{255, 0, 128};
    ApplyFade(bytes, mono8, 0);
    EXPECT_EQ(bytes,
              (Bytes{std::uint8_t(std::lround(128 + 127 * start)), std::uint8_t(std::lround(128 - 128 * later)), 128}));
}

TEST(RingFade, FillsRoundAndRound) {
    const Bytes data{'a', 'b', 'c', 'd'};
    const struct {
        std::size_t from, length, next;
        std::string filled;
    } cases[] = {{0, 4, 0, "abcd"}, {2, 6, 0, "cdabcd"}, {2, 4, 2, "cdab"}, {0, 10, 2, "abcdabcdab"}, {4, 2, 2, "ab"}};
    for (const auto& c : cases) {
        Bytes out(c.length);
        EXPECT_EQ(FillLooped(data, c.from, out), c.next) << c.filled;
        EXPECT_EQ(std::string(out.begin(), out.end()), c.filled);
    }
}

}  // namespace
