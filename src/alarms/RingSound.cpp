#include "alarms/RingSound.h"

#include "alarms/WaveFile.h"
#include "resources/resource.h"
#include "system/Seams.h"

#include <fstream>
#include <optional>
#include <utility>

namespace {

// Enough for every header a wave puts before its data.
constexpr std::size_t kHeadBytes = 1 << 20;
// A longer ring loops its first minutes.
constexpr std::size_t kLongestLoopBytes = 64 << 20;

struct FileBytes {
    std::vector<std::uint8_t> bytes;
    std::uint64_t size = 0;
};

std::optional<FileBytes> ReadFileStart(const std::string& path, std::size_t most) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return std::nullopt;
    FileBytes read;
    read.size = std::uint64_t(file.tellg());
    read.bytes.resize(std::size_t(std::min<std::uint64_t>(read.size, most)));
    file.seekg(0);
    file.read(reinterpret_cast<char*>(read.bytes.data()), std::streamsize(read.bytes.size()));
    read.bytes.resize(std::size_t(file.gcount()));
    return read;
}

}  // namespace

std::span<const std::uint8_t> BuiltInRingSound() {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC resource = FindResourceExA(module, "RING_SOUND", MAKEINTRESOURCEA(IDR_RING_SOUND),
                                           MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    const HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(module, resource)};
}

bool CanPlaySoundFile(const std::string& path) {
    const std::optional<FileBytes> head = ReadFileStart(path, kHeadBytes);
    return head && ClassifySoundFile(path, head->bytes, head->size) != SoundFileKind::Unplayable;
}

bool LoopingSound::Start(const std::string& wavFile) {
    Stop();
    std::span<const std::uint8_t> wave = BuiltInRingSound();
    if (!wavFile.empty()) {
        if (std::optional<FileBytes> read = ReadFileStart(wavFile, kLongestLoopBytes);
            read && ClassifySoundFile(wavFile, read->bytes, read->size) == SoundFileKind::LoopableWave) {
            file_ = std::move(read->bytes);
            wave = file_;
        }
    }
    const std::optional<WaveChunks> chunks = ParseWave(wave);
    if (!chunks || !IsLoopable(*chunks)) return false;
    data_ = wave.subspan(chunks->dataOffset, chunks->dataSize);
    shape_ = {chunks->channels, chunks->bitsPerSample, int(chunks->samplesPerSec)};
    const WAVEFORMATEX format{WAVE_FORMAT_PCM,
                              chunks->channels,
                              chunks->samplesPerSec,
                              chunks->samplesPerSec * chunks->blockAlign,
                              chunks->blockAlign,
                              chunks->bitsPerSample,
                              0};
    if (seams.waveOutOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        device_ = nullptr;
        file_.clear();
        return false;
    }
    position_ = 0, framesQueued_ = 0;
    const std::size_t frames = std::max<std::size_t>(chunks->samplesPerSec * kRingBufferMs / 1000, 1);
    for (Buffer& buffer : buffers_) {
        buffer.bytes.resize(frames * std::size_t(shape_.frameBytes()));
        Queue(buffer);
    }
    return true;
}

void LoopingSound::Queue(Buffer& buffer) {
    position_ = FillLooped(data_, position_, buffer.bytes);
    ApplyFade(buffer.bytes, shape_, framesQueued_);
    framesQueued_ += buffer.bytes.size() / std::size_t(shape_.frameBytes());
    buffer.header = {};
    buffer.header.lpData = reinterpret_cast<LPSTR>(buffer.bytes.data());
    buffer.header.dwBufferLength = DWORD(buffer.bytes.size());
    seams.waveOutPrepareHeader(device_, &buffer.header, sizeof buffer.header);
    seams.waveOutWrite(device_, &buffer.header, sizeof buffer.header);
}

void LoopingSound::Refill() {
    if (!device_) return;
    for (Buffer& buffer : buffers_) {
        if (!(buffer.header.dwFlags & WHDR_DONE)) continue;
        seams.waveOutUnprepareHeader(device_, &buffer.header, sizeof buffer.header);
        Queue(buffer);
    }
}

void LoopingSound::Stop() {
    if (!device_) return;
    // Reset hands every queued buffer back, so each can be unprepared.
    seams.waveOutReset(device_);
    for (Buffer& buffer : buffers_) {
        if (buffer.header.dwFlags & WHDR_PREPARED)
            seams.waveOutUnprepareHeader(device_, &buffer.header, sizeof buffer.header);
        buffer = {};
    }
    seams.waveOutClose(std::exchange(device_, nullptr));
    file_.clear();
    data_ = {};
}
