#include "alarms/RingFade.h"
#include "alarms/WaveFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Wave files as bytes, chunk by chunk.
using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(std::uint8_t(value >> 8 * i));
}

// A chunk whose header claims `claimed` bytes, or (-1) the size of its body.
Bytes Chunk(const char* id, const Bytes& body, std::int64_t claimed = -1) {
    Bytes bytes(id, id + 4);
    Put(bytes, std::uint32_t(claimed < 0 ? body.size() : claimed), 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

Bytes Format(int tag, int channels, int rate, int bits, int size = 16) {
    Bytes body;
    Put(body, tag, 2), Put(body, channels, 2), Put(body, rate, 4), Put(body, rate * channels * bits / 8, 4);
    Put(body, channels * bits / 8, 2), Put(body, bits, 2);
    body.resize(std::size_t(size));
    return body;
}

Bytes Riff(std::initializer_list<Bytes> chunks) {
    Bytes inner{'W', 'A', 'V', 'E'};
    for (const Bytes& chunk : chunks) inner.insert(inner.end(), chunk.begin(), chunk.end());
    return Chunk("RIFF", inner);
}

const Bytes kPcm16 = Format(1, 1, 22050, 16);
const Bytes kSeven(7, 0x11);

// Odd chunks keep their pad byte, cut-off data plays its whole frames, and a header that lies about a size or
// leaves out a chunk gives no wave rather than reading past the bytes.
TEST(WaveFile, FindsFormatAndDataOrRefuses) {
    // Name, bytes, data size (-1: not a wave), loopable.
    const std::tuple<const char*, Bytes, int, bool> cases[] = {
        {"16-bit mono", Riff({Chunk("fmt ", kPcm16), Chunk("data", Bytes(8, 1))}), 8, true},
        {"odd chunk before data, padded",
         Riff({Chunk("fmt ", kPcm16), Chunk("LIST", Bytes(3, 'x')), Bytes{0}, Chunk("data", Bytes(4, 1))}), 4, true},
        {"fmt of 18 bytes", Riff({Chunk("fmt ", Format(1, 2, 8000, 8, 18)), Chunk("data", Bytes(6, 1))}), 6, true},
        {"data cut off: whole frames only", Riff({Chunk("fmt ", kPcm16), Chunk("data", kSeven, 1000)}), 6, true},
        {"empty data", Riff({Chunk("fmt ", kPcm16), Chunk("data", {})}), 0, false},
        {"MS ADPCM", Riff({Chunk("fmt ", Format(2, 2, 22050, 4)), Chunk("data", Bytes(8, 1))}), 8, false},
        {"24-bit", Riff({Chunk("fmt ", Format(1, 1, 8000, 24)), Chunk("data", Bytes(9, 1))}), 9, false},
        {"fmt of 14 bytes", Riff({Chunk("fmt ", Format(1, 1, 8000, 16, 14)), Chunk("data", Bytes(8, 1))}), -1, false},
        {"data before fmt", Riff({Chunk("data", Bytes(8, 1)), Chunk("fmt ", kPcm16)}), -1, false},
        {"no data", Riff({Chunk("fmt ", kPcm16)}), -1, false},
        {"chunk claims 4 GB", Riff({Chunk("fmt ", kPcm16), Chunk("junk", kSeven, 0xFFFFFFFF), Chunk("data", kSeven)}),
         -1, false},
        {"not WAVE", Chunk("RIFF", Bytes{'A', 'V', 'I', ' '}), -1, false},
        {"header only", Bytes{'R', 'I', 'F', 'F'}, -1, false},
        {"nothing", {}, -1, false},
    };
    for (const auto& [name, bytes, dataSize, loopable] : cases) {
        const auto wave = ParseWave(bytes);
        EXPECT_EQ(std::pair(wave ? int(wave->dataSize) : -1, wave && IsLoopable(*wave)), std::pair(dataSize, loopable))
            << name;
    }
}

TEST(WaveFile, ClassifiesByContentAndTellsAWaveByName) {
    const Bytes pcm = Riff({Chunk("fmt ", kPcm16), Chunk("data", Bytes(8, 1))});
    const Bytes adpcm = Riff({Chunk("fmt ", Format(2, 2, 22050, 4)), Chunk("data", Bytes(8, 1))});
    const Bytes text{'h', 'e', 'l', 'l', 'o'}, midi{'M', 'T', 'h', 'd', 0, 0, 0, 6}, cut(pcm.begin(), pcm.begin() + 30);
    using enum SoundFileKind;
    const std::tuple<const char*, Bytes, SoundFileKind> cases[] = {
        {"ring.wav", pcm, LoopableWave}, {"ring.dat", pcm, LoopableWave}, {"ring.wav", adpcm, OtherWave},
        {"empty.wav", {}, Unplayable},   {"empty.mid", {}, Unplayable},   {"notes.WAV", text, Unplayable},
        {"tune.mid", midi, NotWave},     {"wav", text, NotWave},          {"cut.wav", cut, Unplayable}};
    for (const auto& [name, head, kind] : cases)
        EXPECT_EQ(ClassifySoundFile(name, head, head.size()), kind) << name << " of " << head.size() << " bytes";
}

TEST(RingFade, RisesEvenlyInDecibelsFromMinus30ToFullAt30Seconds) {
    const std::pair<double, double> points[] = {{-1, -30}, {0, -30}, {15, -15}, {29.97, -0.03}, {30, 0}, {600, 0}};
    for (const auto& [seconds, db] : points) EXPECT_NEAR(20 * std::log10(FadeGain(seconds)), db, 0.01) << seconds;
}

// Every channel of a frame takes the frame's gain, 16-bit samples keep their sign, 8-bit ones stay centred on 128,
// and nothing changes from 30 seconds on.
TEST(RingFade, ScalesEachFrameByItsTime) {
    const PcmShape stereo16{2, 16, 10}, mono8{1, 8, 10};
    const double start = FadeGain(0), later = FadeGain(0.1);
    Bytes pcm;
    for (const int value : {10000, -32768, 10000, -32768}) Put(pcm, std::uint32_t(value), 2);
    ApplyFade(pcm, stereo16, 0);
    Bytes faded;
    for (const double value : {10000 * start, -32768 * start, 10000 * later, -32768 * later})
        Put(faded, std::uint32_t(std::lround(value)), 2);
    EXPECT_EQ(pcm, faded);
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
    const std::tuple<std::size_t, std::size_t, std::size_t, std::string> cases[] = {
        {0, 4, 0, "abcd"}, {2, 6, 0, "cdabcd"}, {2, 4, 2, "cdab"}, {0, 10, 2, "abcdabcdab"}, {4, 2, 2, "ab"}};
    for (const auto& [from, length, next, filled] : cases) {
        Bytes out(length);
        EXPECT_EQ(FillLooped(data, from, out), next) << filled;
        EXPECT_EQ(std::string(out.begin(), out.end()), filled);
    }
}

}  // namespace
