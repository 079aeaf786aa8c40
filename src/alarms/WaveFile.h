#pragma once
// What a sound file holds, told from its bytes: a PCM wave the ringing can loop, another wave the system's
// player may still play, or no wave at all.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

struct WaveChunks {
    std::uint16_t formatTag = 0;  // 1 is PCM
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::size_t dataOffset = 0;
    // Whole frames only, and only as far as the bytes go: a cut-off file plays what it has.
    std::size_t dataSize = 0;
};

// The fmt and data chunks of a RIFF WAVE (chunks padded to even sizes, any others skipped); nothing without the
// "RIFF....WAVE" header, a fmt chunk of at least 16 bytes before the data chunk, or a data chunk.
std::optional<WaveChunks> ParseWave(std::span<const std::uint8_t> bytes);

// 8- or 16-bit PCM, one or two channels, at least one whole frame: what the ringing can scale and loop.
bool IsLoopable(const WaveChunks& wave);

enum class SoundFileKind {
    Unplayable,    // empty, or a wave (by name or header) that cannot be read as one
    LoopableWave,  // see IsLoopable
    OtherWave,     // a wave in a format only the system's player decodes
    NotWave,       // another kind of file, left to the media player
};
// `head` is the file's first bytes, `fileSize` its whole size. A name ending in ".wav" (any case) must hold a wave.
SoundFileKind ClassifySoundFile(std::string_view name, std::span<const std::uint8_t> head, std::uint64_t fileSize);
