#include "WaveBytes.h"
#include "alarms/WaveFile.h"

#include <gtest/gtest.h>

namespace {

// Odd chunks keep their pad byte, cut-off data plays its whole frames, and a header that lies about a size or
// leaves out a chunk gives no wave rather than reading past the bytes.
TEST(WaveFile, FindsFormatAndDataOrRefuses) {
    const struct {
        const char* name;
        Bytes bytes;
        int dataSize;  // -1: not a wave
        bool loopable;
    } cases[] = {
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
    for (const auto& c : cases) {
        const auto wave = ParseWave(c.bytes);
        EXPECT_EQ(wave ? int(wave->dataSize) : -1, c.dataSize) << c.name;
        EXPECT_EQ(wave && IsLoopable(*wave), c.loopable) << c.name;
    }
}

TEST(WaveFile, ClassifiesByContentAndTellsAWaveByName) {
    const Bytes pcm = Riff({Chunk("fmt ", kPcm16), Chunk("data", Bytes(8, 1))});
    const Bytes adpcm = Riff({Chunk("fmt ", Format(2, 2, 22050, 4)), Chunk("data", Bytes(8, 1))});
    const Bytes text{'h', 'e', 'l', 'l', 'o'};
    const Bytes midi{'M', 'T', 'h', 'd', 0, 0, 0, 6};
    const struct {
        const char* name;
        Bytes head;
        std::uint64_t size;
        SoundFileKind kind;
    } cases[] = {
        {"ring.wav", pcm, pcm.size(), SoundFileKind::LoopableWave},
        {"ring.dat", pcm, pcm.size(), SoundFileKind::LoopableWave},
        {"ring.wav", adpcm, adpcm.size(), SoundFileKind::OtherWave},
        {"empty.wav", {}, 0, SoundFileKind::Unplayable},
        {"empty.mid", {}, 0, SoundFileKind::Unplayable},
        {"notes.WAV", text, text.size(), SoundFileKind::Unplayable},
        {"cut.wav", Bytes(pcm.begin(), pcm.begin() + 30), 30, SoundFileKind::Unplayable},
        {"tune.mid", midi, midi.size(), SoundFileKind::NotWave},
        {"wav", text, text.size(), SoundFileKind::NotWave},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifySoundFile(c.name, c.head, c.size), c.kind) << c.name << " of " << c.size << " bytes";
}

}  // namespace
