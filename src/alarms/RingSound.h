#pragma once
// The ringing of an alarm that rings until stopped: a PCM wave played round and round through the wave device,
// rising from quiet to full volume over its first 30 seconds.
#include "alarms/RingFade.h"

#include <windows.h>

#include <mmsystem.h>

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The built-in ring's RIFF bytes, from the program's resources (valid as long as the program runs).
std::span<const std::uint8_t> BuiltInRingSound();

// Whether the file is there and holds a sound: a wave the system's player reads, or another kind of file (the media
// player's to judge). Missing, empty and broken waves are not; the alarm list marks them, the chime rings instead.
bool CanPlaySoundFile(const std::string& path);

class LoopingSound {
public:
    // Queued ahead of what plays: kRingBuffers stretches of kRingBufferMs, so Refill may come this late.
    static constexpr int kRingBuffers = 4;
    static constexpr int kRingBufferMs = 250;

    LoopingSound() = default;
    LoopingSound(const LoopingSound&) = delete;
    LoopingSound& operator=(const LoopingSound&) = delete;
    ~LoopingSound() { Stop(); }

    // Starts `wavFile` from its beginning, or the built-in ring when it is empty, missing, or not an 8- or 16-bit
    // PCM wave; false when the wave device refuses it.
    bool Start(const std::string& wavFile);
    // Queues the next stretch in place of every buffer the device has finished.
    void Refill();
    // Silent at once, at any moment; nothing happens when it is not playing.
    void Stop();

private:
    struct Buffer {
        WAVEHDR header{};
        std::vector<std::uint8_t> bytes;
    };
    void Queue(Buffer& buffer);

    std::vector<std::uint8_t> file_;
    std::span<const std::uint8_t> data_;
    PcmShape shape_{};
    std::size_t position_ = 0;
    std::uint64_t framesQueued_ = 0;
    HWAVEOUT device_ = nullptr;
    std::array<Buffer, kRingBuffers> buffers_;
};
