#include "../../../bench/win/BitmapFiles.h"
#include "alarms/RingActions.h"
#include "app/ClockHarness.h"
#include "app/HourlyChime.h"
#include "dialogs/DlgOption.h"
#include "settings/RegStore.h"
#include "support/DialogDriver.h"
#include "support/StoredRings.h"
#include "support/WindowText.h"
#include "system/PublicFunction.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

// Where the clock and its options look with no folder stored.
const std::string kShippedFolder = ProgramFolder() + "\\skins";

class Options : public ClockTest {
protected:
    void TearDown() override {
        SetRegRootReadOnly(RegRoot::LocalMachine, false);
        ClockTest::TearDown();
        std::filesystem::remove_all(kShippedFolder);
        // The Run values as they were.
        for (const auto& [setting, before] : runValues)
            before.kind() == RegValue::Kind::Text ? void(SaveSetting(*setting, before.AsText()))
                                                  : DeleteSetting(*setting);
    }
    const std::pair<const Setting*, RegValue> runValues[2] = {
        {&settings::AlarmClock, GetRegValue(RegRoot::LocalMachine, keys::Run, "AlarmClock")},
        {&settings::UserAlarmClock, GetRegValue(RegRoot::CurrentUser, keys::Run, "AlarmClock")}};
};

void WriteBmp(const std::string& path, int width, int height) {
    std::ofstream(path, std::ios::binary) << CheckerboardBmp(width, height, 0);
}

bool Open(HWND owner, std::function<void(HWND)> act) {
    return DriveModal([owner] { ShowOptionDialog(owner); }, std::move(act));
}
void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
// What the user does with the mouse: pick an entry, and the list tells the dialog.
void Choose(HWND dialog, int id, const char* entry) {
    SendDlgItemMessageA(dialog, id, CB_SELECTSTRING, -1, reinterpret_cast<LPARAM>(entry));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
// A list as "selected:entry|entry|" with the entries after "Default", and a registry list as "name|name|".
std::string Entries(HWND dialog, int id) {
    char text[MAX_PATH] = {};
    GetDlgItemTextA(dialog, id, text, MAX_PATH);
    std::string entries = text + std::string(":");
    for (int i = 1; SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text)) > 0; ++i)
        entries += std::string(text) + "|";
    return entries;
}
std::string Listed(std::string_view key) {
    std::string names;
    for (int n = 1; GetRegValue(RegRoot::CurrentUser, key, std::to_string(n)).kind() == RegValue::Kind::Text; ++n)
        names += GetRegValue(RegRoot::CurrentUser, key, std::to_string(n)).AsText() + "|";
    return names;
}

// Every stored setting as "name=text", with "#" after a number; the Run values when asked.
std::string StoredSettings(bool withRun) {
    std::string stored;
    for (const Setting* setting : settings::All) {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> bytes;
        if ((withRun || setting->key != keys::Run) &&
            regstore::Read(setting->root, setting->key, setting->name, type, bytes) == regstore::Found::Value)
            stored += std::string(setting->name) + "=" + ReadSettingText(*setting) + (type == REG_DWORD ? "#\n" : "\n");
    }
    return stored;
}

// The lists hold the folder's skins, hidden ones too, in the order the registry lists get; the stored name outranks
// the stored index. Apply writes every option with its type, and the clock takes the new skin, size, transparency
// and chime at once.
TEST_F(Options, ApplyStoresEveryValueAndTheClockTakesThemAtOnce) {
    std::filesystem::create_directories(kShippedFolder);
    for (const auto& [file, width, height] : {std::tuple{"\\plate.bmp", 150, 40},
                                              {"\\digits.bmp", 180, 25},
                                              {"\\big.bmp", 170, 50},
                                              {"\\hidden.bmp", 170, 50}})
        WriteBmp(kShippedFolder + file, width, height);
    SetFileAttributesA((kShippedFolder + "\\hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SaveSetting(settings::BmpBack, "plate.bmp");
    SaveSetting(settings::SelBackBmp, 0);  // "Default" by the index
    SaveSetting(settings::SelTimeBmp, 7);  // past the end of the list
    ClockWindow clock;
    EXPECT_EQ(ClockSkin().width(), 150) << "the clock loads from the shipped folder too";
    seams.GetOpenFileNameA = [](LPOPENFILENAMEA file) { return lstrcpyA(file->lpstrFile, "C:\\Sounds\\gong.wav"), 1; };
    int chosen[2] = {};
    EXPECT_TRUE(Open(clock.hwnd(), [&](HWND dialog) {
        std::string backgrounds = Entries(dialog, 7);
        EXPECT_EQ("plate.bmp:" + Listed(keys::BackList), backgrounds);
        for (const std::string name : {"plate.bmp:", "plate.bmp|", "big.bmp|", "hidden.bmp|"})
            backgrounds.erase(backgrounds.find(name), name.size());
        EXPECT_EQ(backgrounds + Entries(dialog, 9) + Listed(keys::TimeList), "Default:digits.bmp|digits.bmp|");
        Choose(dialog, 7, "big.bmp");
        Choose(dialog, 9, "digits.bmp");
        Choose(dialog, 18, "200 %");
        SendDlgItemMessageA(dialog, 4, TBM_SETPOS, TRUE, 230);
        EXPECT_EQ(IsDlgButtonChecked(dialog, 19), BST_CHECKED) << "waking is on while WakeFromSleep is absent";
        for (const int box : {8, 13, 14, 16, 19}) Click(dialog, box);
        for (const int list : {7, 9}) chosen[list / 8] = SendDlgItemMessageA(dialog, list, CB_GETCURSEL, 0, 0);
        Click(dialog, 3);
        EXPECT_EQ(GetActiveWindow(), dialog) << "the reloaded clock took the keyboard";
        EXPECT_EQ(GetWindow(clock.hwnd(), GW_HWNDNEXT), nullptr) << "not on top: at the bottom of the Z order";
        RECT place{};
        GetWindowRect(clock.hwnd(), &place);
        BYTE alpha = 0;
        GetLayeredWindowAttributes(clock.hwnd(), nullptr, &alpha, nullptr);
        EXPECT_EQ(std::tuple(place.right - place.left, place.bottom - place.top, int(alpha), int(HourRingOn)),
                  std::tuple(340L, 100L, 230, 1));
        EXPECT_EQ(std::string(ChimeWavFile), "C:\\Sounds\\gong.wav");
        Click(dialog, 17);
        Click(dialog, 3);
        EXPECT_EQ(std::string(ChimeWavFile), "") << "Clear: the built-in sound";
        EXPECT_EQ(ReadSettingText(settings::ClockSize), "200");
        Choose(dialog, 18, "Automatic");
        Click(dialog, 3);
        GetWindowRect(clock.hwnd(), &place);
        EXPECT_EQ(place.right - place.left, 170) << "Automatic at 96 dpi: the skin's own size";
        Click(dialog, 2);
    }));
    EXPECT_EQ(StoredSettings(false),
              "SkinPath=" + kShippedFolder + "\nSelBackBmp=" + std::to_string(chosen[0]) +
                  "#\nSelTimeBmp=" + std::to_string(chosen[1]) +
                  "#\nRndBackBmp=1#\nRndTimeBmp=0#\nWindowpos=0#\nAutoRun=0#\nIconRun=1#\nBmpBack=big.bmp\n"
                  "BmpTime=digits.bmp\nAlpha=230#\nHourRing=1\nWavFile=\nWakeFromSleep=0#\n");
}

// How a window takes display scales, looked up as the program looks up its calls.
DPI_AWARENESS Awareness(HWND window) {
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    const auto context = reinterpret_cast<DPI_AWARENESS_CONTEXT(WINAPI*)(HWND)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
    const auto awareness = reinterpret_cast<DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT)>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    return awareness(context(window));
}

// The options follow each monitor's scale as the clock does, laying themselves out rather than being enlarged.
TEST_F(Options, OpenedFromTheClockTheyFollowTheMonitorsScaleAsTheClockDoes) {
    ClockWindow clock;
    EXPECT_EQ(Awareness(clock.hwnd()), DPI_AWARENESS_PER_MONITOR_AWARE);
    EXPECT_TRUE(DriveModal([&] { clock.Send(WM_COMMAND, 3); },
                           [](HWND dialog) {
                               EXPECT_EQ(Awareness(dialog), DPI_AWARENESS_PER_MONITOR_AWARE);
                               Click(dialog, 2);
                           }));
}

HWND optionsDialog = nullptr;
bool reminderSeen = false;  // painted, and still above the clock once the options closed

// In the loop of the alarm's window: the user sees it, presses Cancel in the options with the mouse, reads it, then
// closes it.
void CALLBACK PressCancelUnderTheReminder(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND reminder = FindWindowA("#32770", "Text Hint");
    if (!reminder) return;
    KillTimer(nullptr, timer);
    PumpMessages(100);
    reminderSeen = IsWindowVisible(reminder) && !GetUpdateRect(reminder, nullptr, FALSE);
    SetActiveWindow(optionsDialog);
    PostMessageA(GetDlgItem(optionsDialog, 2), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(GetDlgItem(optionsDialog, 2), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpMessages(100);
    HWND above = GetTopWindow(nullptr);
    while (above && above != reminder && above != GetWindow(reminder, GW_OWNER)) above = GetWindow(above, GW_HWNDNEXT);
    reminderSeen = reminderSeen && above == reminder;
    SendMessageA(reminder, WM_CLOSE, 0, 0);
}

// A stored picture the folder no longer has selects nothing, and the clock shows its built-in one. Whatever the
// user changed, Cancel writes nothing and gives the clock back the transparency it had, also when an alarm's window
// opened meanwhile (painted at once, left in front) and the user pressed Cancel while it was up. A list with nothing
// selected keeps the stored picture through OK. OK, Cancel and Apply sit below every group, inside the dialog.
TEST_F(Options, CancelWritesNothingAndAListWithNothingSelectedKeepsTheStoredPicture) {
    std::filesystem::create_directories(kShippedFolder);
    WriteBmp(kShippedFolder + "\\plate.bmp", 150, 40);
    WriteBmp(kShippedFolder + "\\digits.bmp", 180, 25);
    SaveSetting(settings::BmpBack, "gone.bmp");
    SaveSetting(settings::SelBackBmp, 1);  // the entry plate.bmp has now
    SaveSetting(settings::Alpha, 200);
    SettableClock settable;
    settable.SetLocal(2026, 3, 2, 7, 0, 0);
    StoreRings({DailyAt7(0, 1, {{"Text", "Wake up"}})});
    ClockWindow clock;
    const std::string before = StoredSettings(true);
    EXPECT_TRUE(Open(clock.hwnd(), [&](HWND dialog) {
        for (const int list : {7, 9}) EXPECT_EQ(SendDlgItemMessageA(dialog, list, CB_GETCURSEL, 0, 0), -1) << list;
        RECT sound{}, ok{}, apply{}, client{};
        for (const auto& [id, place] : {std::pair{15, &sound}, {1, &ok}, {3, &apply}})
            GetWindowRect(GetDlgItem(dialog, id), place);
        GetClientRect(dialog, &client);
        MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
        EXPECT_TRUE(ok.top > sound.bottom + 8 && apply.bottom <= client.bottom && apply.right <= client.right);
        Choose(dialog, 7, "plate.bmp");
        Choose(dialog, 9, "digits.bmp");
        SendDlgItemMessageA(dialog, 4, TBM_SETPOS, TRUE, 120);
        SendMessageA(dialog, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, 4)));
        for (const int box : {8, 10, 11, 12, 13, 14, 17}) Click(dialog, box);
        optionsDialog = dialog;
        SetTimer(nullptr, 0, 20, PressCancelUnderTheReminder);
        clock.Send(WM_TIMER, 8);
    }));
    EXPECT_TRUE(reminderSeen);
    EXPECT_EQ(StoredSettings(true), before);
    BYTE alpha = 0;
    GetLayeredWindowAttributes(clock.hwnd(), nullptr, &alpha, nullptr);
    EXPECT_EQ(alpha, 200);
    EXPECT_TRUE(Open(clock.hwnd(), [](HWND dialog) { Click(dialog, 1); }));
    std::string skins;
    for (const Setting* setting :
         {&settings::BmpBack, &settings::SelBackBmp, &settings::BmpTime, &settings::SelTimeBmp})
        skins += ReadSettingText(*setting) + "|";
    EXPECT_EQ(skins, "gone.bmp|1|||");
    EXPECT_NE(ClockSkin().width(), 150);
}

std::string asked;            // the file picker's filter
std::string picked, browsed;  // what the pickers answer; empty: cancelled

std::string Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

// The picture folder is listed, "Default" selected, when chosen with Browse, or typed once the user leaves the box
// or presses Enter in it; the sound's "..." asks for wave files. An empty pick changes nothing. Paths are kept
// whole up to the platform's 259 characters; a longer one is refused, with a balloon, and nothing is stored.
TEST_F(Options, TheFolderAndSoundBoxesTakeWholePathsFromTypingAndPickers) {
    const std::string typed = kShippedFolder + "\\typed", chosen = kShippedFolder + "\\chosen";
    std::filesystem::create_directories(typed), std::filesystem::create_directories(chosen);
    WriteBmp(typed + "\\typed.bmp", 150, 40);
    WriteBmp(chosen + "\\chosen.bmp", 150, 40);
    const std::string longest = "C:\\" + std::string(MAX_PATH - 8, 'a') + ".wav";
    seams.GetOpenFileNameA = [](LPOPENFILENAMEA file) -> BOOL {
        asked = file->lpstrFilter;
        return !picked.empty() && lstrcpynA(file->lpstrFile, picked.c_str(), file->nMaxFile);
    };
    seams.SHBrowseForFolderA = [](LPBROWSEINFOA) {
        return browsed.empty() ? nullptr : ILCreateFromPathA(browsed.c_str());
    };
    const struct {
        const char* step;
        std::function<void(HWND)> act;
        std::string folderAndLists, sound;
    } steps[] = {
        {"cancelled pickers", [](HWND d) { picked = browsed = "", Click(d, 5), Click(d, 16); },
         kShippedFolder + "::", ""},
        {"typed, left",
         [&](HWND d) { SetFocus(GetDlgItem(d, 6)), SetDlgItemTextA(d, 6, typed.c_str()), SetFocus(GetDlgItem(d, 12)); },
         typed + ":Default:typed.bmp|", ""},
        {"browsed", [&](HWND d) { browsed = chosen, Click(d, 5); }, chosen + ":Default:chosen.bmp|", ""},
        {"typed, Enter",
         [&](HWND d) {
             SetFocus(GetDlgItem(d, 6)), SetDlgItemTextA(d, 6, typed.c_str());
             PostMessageA(GetDlgItem(d, 6), WM_KEYDOWN, VK_RETURN, 1);
             PumpMessages(50, [](MSG* key) { return IsDialogMessageA(GetAncestor(key->hwnd, GA_ROOT), key) != 0; });
         },
         typed + ":Default:typed.bmp|", ""},
        {"a sound of 259 characters", [&](HWND d) { picked = longest, Click(d, 16), Click(d, 3); },
         typed + ":Default:typed.bmp|", longest},
        {"a folder of 260",
         [&](HWND d) { SetDlgItemTextA(d, 6, ("C:\\" + std::string(MAX_PATH - 3, 'a')).c_str()), Click(d, 1); },
         "C:\\" + std::string(MAX_PATH - 3, 'a') + ":Default:typed.bmp|", longest},
    };
    EXPECT_TRUE(Open(nullptr, [&](HWND dialog) {
        for (const auto& step : steps) {
            step.act(dialog);
            EXPECT_EQ(Text(dialog, 6) + ":" + Entries(dialog, 7), step.folderAndLists) << step.step;
            EXPECT_EQ(Text(dialog, 15), step.sound) << step.step;
        }
        const HWND balloon = FindWindowA(TOOLTIPS_CLASSA, nullptr);
        EXPECT_TRUE(balloon && IsWindowVisible(balloon) && GetWindow(balloon, GW_OWNER) == dialog);
        Click(dialog, 2);
    }));
    EXPECT_EQ(asked, "*.wav");
    EXPECT_EQ(ReadSettingText(settings::SkinPath) + "|" + ReadSettingText(settings::ChimeWavFile),
              typed + "|" + longest);
}

// The machine's Run key when it takes the value, the user's when it refuses or holds another program's value of
// that name, which is never overwritten nor deleted; the box shows what starts the clock.
TEST_F(Options, StartWithWindowsFallsBackToTheUsersRunKey) {
    const std::string program = ProgramPath(), command = '"' + program + '"', other = "\"C:\\Other\\alarm.exe\"";
    const struct {
        const char* step;
        bool machineRefuses;
        const char* machineBefore;  // nullptr: as the step before left it
        bool opensChecked, ticked;
        std::string stored;  // machine|user
    } steps[] = {
        {"refused, ticked", true, nullptr, false, true, "|" + command},
        {"refused, unticked", true, nullptr, true, false, "|"},
        {"allowed, ticked", false, nullptr, false, true, command + "|"},
        {"another program's, unticked", false, other.c_str(), false, false, other + "|"},
        {"another program's, ticked", false, nullptr, false, true, other + "|" + command},
        {"an older version's bare path", false, program.c_str(), true, true, command + "|"},
    };
    DeleteSetting(settings::AlarmClock);
    DeleteSetting(settings::UserAlarmClock);
    for (const auto& s : steps) {
        if (s.machineBefore) SaveSetting(settings::AlarmClock, s.machineBefore);
        SetRegRootReadOnly(RegRoot::LocalMachine, s.machineRefuses);
        EXPECT_TRUE(Open(nullptr, [&](HWND dialog) {
            EXPECT_EQ(IsDlgButtonChecked(dialog, 12) == BST_CHECKED, s.opensChecked) << s.step;
            if (s.opensChecked != s.ticked) Click(dialog, 12);
            Click(dialog, 1);
        }));
        SetRegRootReadOnly(RegRoot::LocalMachine, false);
        EXPECT_EQ(ReadSettingText(settings::AlarmClock) + "|" + ReadSettingText(settings::UserAlarmClock), s.stored)
            << s.step;
        EXPECT_EQ(ReadSettingFlag(settings::AutoRun), s.ticked) << s.step;
    }
}

}  // namespace
