#include "alarms/WaveFile.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

constexpr std::size_t kRiffHeader = 12;
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kFormatSize = 16;

std::uint32_t Le(std::span<const std::uint8_t> bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
    return value;
}

bool IdAt(std::span<const std::uint8_t> bytes, std::size_t at, const char* id) {
    return bytes.size() >= at + 4 && std::memcmp(bytes.data() + at, id, 4) == 0;
}

bool EndsWithWav(std::string_view name) {
    if (name.size() < 4) return false;
    std::string_view end = name.substr(name.size() - 4);
    return end[0] == '.' && std::tolower(static_cast<unsigned char>(end[1])) == 'w' &&
           std::tolower(static_cast<unsigned char>(end[2])) == 'a' &&
           std::tolower(static_cast<unsigned char>(end[3])) == 'v';
}

}  // namespace

std::optional<WaveChunks> ParseWave(std::span<const std::uint8_t> bytes) {
    if (!IdAt(bytes, 0, "RIFF") || !IdAt(bytes, 8, "WAVE")) return std::nullopt;
    WaveChunks wave;
    bool haveFormat = false;
    for (std::size_t at = kRiffHeader; bytes.size() - at >= kChunkHeader;) {
        const std::size_t size = Le(bytes, at + 4, 4);
        const std::size_t body = at + kChunkHeader;
        const std::size_t present = std::min(size, bytes.size() - body);
        if (IdAt(bytes, at, "fmt ")) {
            if (present < kFormatSize) return std::nullopt;
            wave.formatTag = std::uint16_t(Le(bytes, body, 2));
            wave.channels = std::uint16_t(Le(bytes, body + 2, 2));
            wave.samplesPerSec = Le(bytes, body + 4, 4);
            wave.blockAlign = std::uint16_t(Le(bytes, body + 12, 2));
            wave.bitsPerSample = std::uint16_t(Le(bytes, body + 14, 2));
            haveFormat = true;
        } else if (IdAt(bytes, at, "data")) {
            if (!haveFormat || wave.blockAlign == 0) return std::nullopt;
            wave.dataOffset = body;
            wave.dataSize = present - present % wave.blockAlign;
            return wave;
        }
        if (present < size) break;
        at = body + size + size % 2;
        if (at > bytes.size()) break;
    }
    return std::nullopt;
}

bool IsLoopable(const WaveChunks& wave) {
    return wave.formatTag == 1 && (wave.bitsPerSample == 8 || wave.bitsPerSample == 16) &&
           (wave.channels == 1 || wave.channels == 2) && wave.samplesPerSec > 0 &&
           wave.blockAlign == wave.channels * wave.bitsPerSample / 8 && wave.dataSize >= wave.blockAlign;
}

SoundFileKind ClassifySoundFile(std::string_view name, std::span<const std::uint8_t> head, std::uint64_t fileSize) {
    if (fileSize == 0) return SoundFileKind::Unplayable;
    if (!IdAt(head, 0, "RIFF")) return EndsWithWav(name) ? SoundFileKind::Unplayable : SoundFileKind::NotWave;
    const std::optional<WaveChunks> wave = ParseWave(head);
    if (!wave || wave->dataSize == 0) return SoundFileKind::Unplayable;
    return IsLoopable(*wave) ? SoundFileKind::LoopableWave : SoundFileKind::OtherWave;
}
