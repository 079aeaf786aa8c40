#pragma once
// How the ringing rises from quiet to full volume, and how a looped stretch of PCM is cut and scaled.
#include <cstddef>
#include <cstdint>
#include <span>

// The rise takes 30 seconds, from a thirtieth of full loudness (-30 dB), evenly in decibels as the ear hears it.
inline constexpr double kFadeSeconds = 30.0;
inline constexpr double kFadeStartDb = -30.0;
// The factor for a sample played `seconds` after the ringing began: 1 from 30 seconds on.
double FadeGain(double seconds);

struct PcmShape {
    int channels;       // 1 or 2
    int bitsPerSample;  // 8 (unsigned) or 16 (signed)
    int samplesPerSec;
    int frameBytes() const { return channels * bitsPerSample / 8; }
};

// Fills `out` from `data` read round and round, starting `position` bytes into it, and returns where the next
// fill starts. `data` holds at least one whole frame, and `out` whole frames.
std::size_t FillLooped(std::span<const std::uint8_t> data, std::size_t position, std::span<std::uint8_t> out);

// Scales the whole frames in `pcm` by FadeGain at each frame's time, the first being frame `firstFrame` of the
// ringing.
void ApplyFade(std::span<std::uint8_t> pcm, const PcmShape& shape, std::uint64_t firstFrame);
