#include "alarms/RingFade.h"

#include <algorithm>
#include <cmath>

double FadeGain(double seconds) {
    if (seconds >= kFadeSeconds) return 1.0;
    return std::pow(10.0, kFadeStartDb * (1.0 - std::max(seconds, 0.0) / kFadeSeconds) / 20.0);
}

std::size_t FillLooped(std::span<const std::uint8_t> data, std::size_t position, std::span<std::uint8_t> out) {
    for (std::size_t filled = 0; filled < out.size();) {
        if (position >= data.size()) position = 0;
        const std::size_t stretch = std::min(out.size() - filled, data.size() - position);
        std::copy_n(data.begin() + std::ptrdiff_t(position), stretch, out.begin() + std::ptrdiff_t(filled));
        filled += stretch, position += stretch;
    }
    return position >= data.size() ? 0 : position;
}

void ApplyFade(std::span<std::uint8_t> pcm, const PcmShape& shape, std::uint64_t firstFrame) {
    const std::size_t frameBytes = std::size_t(shape.frameBytes());
    if (FadeGain(double(firstFrame) / shape.samplesPerSec) >= 1.0) return;
    for (std::size_t at = 0, frame = 0; at + frameBytes <= pcm.size(); at += frameBytes, ++frame) {
        const double gain = FadeGain(double(firstFrame + frame) / shape.samplesPerSec);
        for (int channel = 0; channel < shape.channels; ++channel) {
            if (shape.bitsPerSample == 8) {
                std::uint8_t& sample = pcm[at + std::size_t(channel)];
                sample = std::uint8_t(std::lround(128 + (sample - 128) * gain));
            } else {
                std::uint8_t* bytes = &pcm[at + 2 * std::size_t(channel)];
                const auto value = std::int16_t(bytes[0] | bytes[1] << 8);
                const auto scaled = std::uint16_t(std::int16_t(std::lround(value * gain)));
                bytes[0] = std::uint8_t(scaled), bytes[1] = std::uint8_t(scaled >> 8);
            }
        }
    }
}
