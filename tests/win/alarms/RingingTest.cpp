#include "alarms/DlgAlarm.h"
#include "alarms/DlgWinExit.h"
#include "alarms/RingFade.h"
#include "alarms/RingScheduler.h"
#include "alarms/RingSound.h"
#include "alarms/RingStore.h"
#include "alarms/SnoozeStore.h"
#include "alarms/WaveFile.h"
#include "settings/SettingsKeys.h"
#include "support/CleanSettings.h"
#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/PaintedClient.h"
#include "support/PaintedTexts.h"
#include "support/Recorders.h"
#include "support/SoundFiles.h"
#include "support/StoredRings.h"
#include "support/WindowText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

namespace {

const std::string kBuiltIn = "waveOutOpen 22050 Hz 16 bit 1 ch";
const std::vector<std::string> kSilenced{"waveOutReset", "waveOutClose"};

// A file that is missing, empty, not a wave or in a format that cannot be scaled rings the built-in ring in its
// place; 8- and 16-bit PCM rings itself. The list's and the chime's test agrees on what can be played at all. Stop
// leaves no buffer with the device, and Stop again does nothing.
TEST(RingSound, LoopsPcmWavesAndRingsTheBuiltInRingForAnythingElse) {
    const SoundFile pcm8("pcm8.wav", WaveBytes(1, 2, 8000, 8)), adpcm("adpcm.wav", WaveBytes(2, 1, 22050, 4)),
        empty("empty.wav", ""), midi("tune.mid", "MThd\0\0\0\6");
    // Its samples stand 64 from silence: a thirtieth of that at first.
    const std::string quietQuarter = "waveOutWrite 250 ms peak 2";
    const struct {
        std::string path;
        std::string opened;
        bool playable;
    } cases[] = {
        {pcm8.path, "waveOutOpen 8000 Hz 8 bit 2 ch", true},
        {adpcm.path, kBuiltIn, true},
        {empty.path, kBuiltIn, false},
        {midi.path, kBuiltIn, true},
        {TempPath("missing.wav"), kBuiltIn, false},
        {"", kBuiltIn, false},
    };
    for (const auto& c : cases) {
        RecordingSeams recorder;
        {
            LoopingSound sound;
            EXPECT_TRUE(sound.Start(c.path)) << c.path;
            EXPECT_EQ(recorder.calls().front(), c.opened) << c.path;
            EXPECT_EQ(recorder.calls().size(), 1u + LoopingSound::kRingBuffers) << c.path;
            if (c.path == pcm8.path) {
                EXPECT_EQ(recorder.calls()[1], quietQuarter);
            }
            sound.Stop();
        }
        EXPECT_EQ(std::vector(recorder.calls().end() - 2, recorder.calls().end()), kSilenced) << c.path;
        EXPECT_EQ(recorder.calls().size(), 3u + LoopingSound::kRingBuffers) << "a second Stop does nothing";
        EXPECT_EQ(CanPlaySoundFile(c.path), c.playable) << c.path;
    }
}

// The peak of every buffer written, in order.
std::vector<int> WrittenPeaks(const std::vector<std::string>& calls) {
    std::vector<int> peaks;
    for (const std::string& call : calls)
        if (int ms, peak; std::sscanf(call.c_str(), "waveOutWrite %d ms peak %d", &ms, &peak) == 2)
            peaks.push_back(peak);
    return peaks;
}

// The device always has a second of sound ahead; the loudest sample of every five seconds follows the fade (the
// built-in ring repeats every 2.3 seconds) and reaches the ring's own loudest at 30 seconds.
TEST(RingSound, RisesToFullVolumeOverThirtySeconds) {
    const std::optional<WaveChunks> ring = ParseWave(BuiltInRingSound());
    ASSERT_TRUE(ring);
    int ringPeak = 0;
    for (std::size_t at = ring->dataOffset; at + 1 < ring->dataOffset + ring->dataSize; at += 2)
        ringPeak =
            std::max(ringPeak, std::abs(int(std::int16_t(BuiltInRingSound()[at] | BuiltInRingSound()[at + 1] << 8))));
    RecordingSeams recorder;
    LoopingSound sound;
    sound.Start("");
    sound.Refill();
    EXPECT_EQ(WrittenPeaks(recorder.calls()).size(), 4u) << "nothing finished, nothing added";
    for (int i = 0; i < 34; ++i) RecordingSeams::FinishQueuedSound(), sound.Refill();
    const std::vector<int> peaks = WrittenPeaks(recorder.calls());
    ASSERT_EQ(peaks.size(), 140u);
    for (int window = 0; window < 7; ++window) {
        const int loudest = *std::max_element(peaks.begin() + window * 20, peaks.begin() + window * 20 + 20);
        EXPECT_LE(loudest, ringPeak * FadeGain((window + 1) * 5.0) + 1) << "from second " << window * 5;
        EXPECT_GE(loudest, ringPeak * FadeGain(window * 5.0) - 1) << "from second " << window * 5;
    }
}

std::vector<std::string> Lines(HWND dialog) {
    std::vector<std::string> lines;
    for (const auto& [x, y, text] : PaintedTexts(dialog)) lines.push_back(text);
    return lines;
}

AlarmAnswer Ring(const AlarmCall& call, const std::function<void(HWND)>& act) {
    AlarmAnswer answer{AlarmAnswer::Kind::Stop, -1};
    const bool closed = DriveModal([&] { answer = ShowAlarm(nullptr, call); }, act);
    EXPECT_TRUE(closed);
    return answer;
}

void Key(HWND dialog, WPARAM key) { PostMessageA(dialog, WM_KEYDOWN, key, 1); }

// Enter stops, Escape snoozes for the length shown: 5 minutes at first, then the one last chosen. Items due together
// are listed in one window with one sound; late, the due time comes under the texts.
TEST(AlarmWindow, ListsTheItemsDueTogetherAndAnswersStopOrSnooze) {
    const CleanSettings clean;
    SettableClock clock;
    clock.SetLocal(2026, 12, 7, 7, 30, 4);
    RecordingSeams recorder;
    GdiObjectCounter fonts;
    const AlarmCall two{{"Wake up", "", "Feed the cat"}, 7, 30, false, ""};
    AlarmAnswer answer = Ring(two, [&](HWND dialog) {
        EXPECT_EQ(PaintedTexts(dialog),
                  (std::vector<PaintedText>{{55, 14, "07:30"}, {55, 30, "Wake up"}, {55, 46, "Feed the cat"}}));
        EXPECT_EQ(WindowText(GetDlgItem(dialog, 3)), "5 minutes");
        EXPECT_EQ(ButtonFrameFaults(dialog), std::vector<std::string>{});
        EXPECT_EQ(fonts.Live(), 1u);
        Key(dialog, VK_RETURN);
    });
    EXPECT_EQ(answer.kind, AlarmAnswer::Kind::Stop);
    EXPECT_EQ(std::count(recorder.calls().begin(), recorder.calls().end(), kBuiltIn), 1);
    EXPECT_EQ(std::vector(recorder.calls().end() - 2, recorder.calls().end()), kSilenced);

    answer = Ring({{"Wake up"}, 7, 30, true, ""}, [](HWND dialog) {
        EXPECT_EQ(Lines(dialog), (std::vector<std::string>{"Wake up", "Due at 07:30"}));
        Key(dialog, VK_ESCAPE);
    });
    EXPECT_EQ(answer.kind, AlarmAnswer::Kind::Snooze);
    EXPECT_EQ(answer.snoozeMinutes, 5);

    answer = Ring(two, [](HWND dialog) {
        SendDlgItemMessageA(dialog, 3, CB_SETCURSEL, 2, 0);
        SendDlgItemMessageA(dialog, IDCANCEL, BM_CLICK, 0, 0);
    });
    EXPECT_EQ(answer.snoozeMinutes, 15);
    EXPECT_EQ(ReadSettingNumber(settings::SnoozeMinutes), 15);
    answer = Ring(two, [](HWND dialog) {
        EXPECT_EQ(WindowText(GetDlgItem(dialog, 3)), "15 minutes");
        Key(dialog, VK_ESCAPE);
    });
    EXPECT_EQ(answer.snoozeMinutes, 15);
    EXPECT_EQ(fonts.Live(), 0u);
}

// Ten minutes after it began on the time since start (the wall clock set back an hour meanwhile changes nothing),
// the ringing stops, the window says when it rang and stays; a late Snooze still snoozes.
TEST(AlarmWindow, FallsSilentAfterTenMinutesAndSaysItRangUnanswered) {
    const CleanSettings clean;
    SettableClock clock;
    for (const bool snoozeAfter : {false, true}) {
        clock.SetLocal(2026, 12, 7, 7, 30, 0);
        RecordingSeams recorder;
        const AlarmAnswer answer = Ring({{"Wake up"}, 7, 30, false, ""}, [&](HWND dialog) {
            clock.Jump(-3600);
            clock.Advance(599);
            SendMessageA(dialog, WM_TIMER, 1, 0);
            EXPECT_EQ(std::count(recorder.calls().begin(), recorder.calls().end(), "waveOutReset"), 0);
            clock.Advance(1);
            SendMessageA(dialog, WM_TIMER, 1, 0);
            EXPECT_EQ(std::vector(recorder.calls().end() - 2, recorder.calls().end()), kSilenced);
            EXPECT_EQ(Lines(dialog), (std::vector<std::string>{"07:30", "Wake up", "Rang unanswered at 07:30"}));
            EXPECT_EQ(WindowText(GetDlgItem(dialog, IDOK)), "Close");
            EXPECT_EQ(ButtonFrameFaults(dialog), std::vector<std::string>{});
            clock.Advance(3600);
            SendMessageA(dialog, WM_TIMER, 1, 0);
            EXPECT_TRUE(IsWindowVisible(dialog)) << "stays until closed";
            Key(dialog, snoozeAfter ? VK_ESCAPE : VK_RETURN);
        });
        EXPECT_EQ(answer.kind, snoozeAfter ? AlarmAnswer::Kind::Snooze : AlarmAnswer::Kind::Unanswered);
    }
}

std::string SnoozesStored() {
    std::string stored;
    for (int number = 1; number <= 3; ++number)
        if (GetRegValue(RegRoot::CurrentUser, keys::Data, "Snooze" + std::to_string(number)).kind() ==
            RegValue::Kind::Text)
            stored += std::to_string(number);
    return stored;
}

// Two items that ring until stopped, due with a reminder between them, ring in one window; Snooze there and on the
// reminder brings each back five minutes later, once, unless it was unticked meanwhile. A late reminder says when
// it was due.
TEST(AlarmFlow, RingingItemsAndRemindersSnoozeAndRingAgainOnce) {
    const CleanSettings clean;
    ReloadSnoozes();
    SettableClock clock;
    clock.SetLocal(2026, 12, 7, 7, 29, 59);
    RecordingSeams recorder;
    const auto daily = [](BYTE action, const char* text) { return DailyAt7(30, action, {{"Text", text}}); };
    StoreRings({daily(0, "first"), daily(1, "Read me"), daily(0, "second")});
    for (const char* ring : {"Ring1", "Ring3"})
        SaveRegValue(RegRoot::CurrentUser, keys::Data, ring, RegType::Number, 1);
    LoadRingData();
    CheckRingTime(nullptr);
    clock.Advance(1);
    std::vector<std::string> seen;
    const auto look = [&](WPARAM key) {
        return [&seen, key](HWND dialog) {
            seen.push_back(WindowText(dialog) + ":");
            for (const std::string& line : Lines(dialog)) seen.back() += " " + line;
            if (key) Key(dialog, key);
        };
    };
    const auto snoozeReminder = [&](HWND dialog) {
        look(0)(dialog);
        SendDlgItemMessageA(dialog, 3, BM_CLICK, 0, 0);
    };
    EXPECT_EQ(DriveModals([] { CheckRingTime(nullptr); }, {look(VK_ESCAPE), snoozeReminder}), 2);
    EXPECT_EQ(seen, (std::vector<std::string>{"Alarm: 07:30 first second", "Text Hint: Read me"}));
    EXPECT_EQ(SnoozesStored(), "123");
    SaveStoredRingState(3, false);
    LoadRingData();

    seen.clear();
    clock.Advance(299);
    CheckRingTime(nullptr);
    EXPECT_TRUE(seen.empty()) << "not before five minutes";
    clock.Advance(1);
    EXPECT_EQ(DriveModals([] { CheckRingTime(nullptr); }, {look(VK_RETURN), look(VK_RETURN)}), 2);
    EXPECT_EQ(seen, (std::vector<std::string>{"Alarm: 07:30 first", "Text Hint: Read me"}));
    EXPECT_EQ(SnoozesStored(), "");
    clock.Advance(600);
    CheckRingTime(nullptr);
    EXPECT_EQ(seen.size(), 2u) << "a snooze rings once";

    // Slept through 7:30: the reminder comes when the computer wakes, saying when it was due.
    seen.clear();
    StoreRings({daily(1, "Read me")});
    clock.SetLocal(2026, 12, 8, 7, 0, 0);
    CheckRingTime(nullptr);
    RingSuspending();
    clock.Advance(3600);
    RingResumed();
    EXPECT_EQ(DriveModals([] { CheckRingTime(nullptr); }, {look(VK_RETURN)}), 1);
    EXPECT_EQ(seen, (std::vector<std::string>{"Text Hint: Read me Due at 07:30"}));
    // The first item deleted while its window was open: the last took over its number, and neither is snoozed.
    StoreRings({daily(0, "first"), daily(0, "last")});
    for (const char* ring : {"Ring1", "Ring2"})
        SaveRegValue(RegRoot::CurrentUser, keys::Data, ring, RegType::Number, 1);
    LoadRingData();
    clock.SetLocal(2026, 12, 9, 7, 30, 0);
    EXPECT_EQ(DriveModals([] { CheckRingTime(nullptr); },
                          {[](HWND dialog) { RemoveStoredRing(1), LoadRingData(), Key(dialog, VK_ESCAPE); }}),
              1);
    EXPECT_EQ(SnoozesStored(), "");
}

HWND countdownOpen = nullptr;
std::string countdownSeen;

void CALLBACK LookAtAlarmOverCountdown(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const HWND alarm = FindWindowA(nullptr, "Alarm");
    RECT below{}, above{};
    GetWindowRect(alarm, &below);
    GetWindowRect(countdownOpen, &above);
    countdownSeen = std::string(GetActiveWindow() == countdownOpen ? "countdown active" : "alarm active") +
                    (below.top >= above.bottom ? ", alarm below" : ", overlapping");
    PostMessageA(alarm, WM_COMMAND, IDOK, 0);
}

// An alarm that rings while a countdown runs leaves the keyboard to the countdown, whose Escape must not snooze the
// alarm instead, and shows below it.
TEST(AlarmWindow, ARunningCountdownKeepsTheKeyboard) {
    const CleanSettings clean;
    SettableClock clock;
    RecordingSeams recorder;
    const bool closed = DriveModal([] { ShowWinExit(nullptr, false, ""); },
                                   [](HWND countdown) {
                                       countdownOpen = countdown;
                                       SetTimer(nullptr, 0, 300, LookAtAlarmOverCountdown);
                                       ShowAlarm(nullptr, {{"Wake up"}, 7, 30, false, ""});
                                       SendMessageA(countdown, WM_COMMAND, IDCANCEL, 0);
                                   });
    EXPECT_TRUE(closed);
    EXPECT_EQ(countdownSeen, "countdown active, alarm below");
}

}  // namespace
