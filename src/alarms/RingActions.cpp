#include "alarms/RingActions.h"

#include "alarms/RingSound.h"
#include "system/PathParts.h"
#include "system/Seams.h"

#include <mmsystem.h>

#include <memory>

namespace {

constexpr DWORD kFileFlags = SND_FILENAME | SND_ASYNC;
constexpr DWORD kMemoryFlags = SND_MEMORY | SND_ASYNC;

}  // namespace

void PlayBuiltInSound() {
    // Resource memory lives as long as the module, so the player may keep reading it.
    if (const std::span<const std::uint8_t> bytes = BuiltInRingSound(); !bytes.empty())
        seams.PlaySoundA(reinterpret_cast<LPCSTR>(bytes.data()), nullptr, kMemoryFlags);
}

void PlayRingSound(const std::string& wavFile) {
    // Never the system's default beep, or nothing, for a file that has gone.
    if (wavFile.empty() || !CanPlaySoundFile(wavFile))
        PlayBuiltInSound();
    else
        seams.PlaySoundA(wavFile.c_str(), nullptr, kFileFlags);
}

void RunRingProgram(const std::string& runExe, const std::string& parameters) {
    if (runExe.empty()) return;
    seams.ShellExecuteA(nullptr, "Open", FileNameOf(runExe).c_str(), parameters.c_str(), FolderOf(runExe).c_str(),
                        SW_SHOW);
}

DWORD WINAPI PlayClockSound(LPVOID wavFile) {
    const std::unique_ptr<const std::string> owned(static_cast<const std::string*>(wavFile));
    const std::string& path = *owned;
    if (path.empty() || !CanPlaySoundFile(path)) {
        PlayBuiltInSound();
    } else if (path.size() >= 3 && path.compare(path.size() - 3, 3, "wav") == 0) {
        seams.PlaySoundA(path.c_str(), nullptr, kFileFlags);
    } else if (path.find('"') == std::string::npos) {
        // Quoted, so blanks stay part of the path and the path cannot add words to the command.
        seams.mciExecute(("play \"" + path + "\"").c_str());
    }
    return 0;
}
