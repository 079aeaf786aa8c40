#include "alarms/RingActions.h"
#include "app/ClockHarness.h"
#include "app/HourlyChime.h"
#include "dialogs/DlgOption.h"
#include "settings/RegStore.h"
#include "support/DialogDriver.h"
#include "system/PublicFunction.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>

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

// A 32-bit bitmap file, pure red (the clock's see-through colour) in its corners.
void WriteBmp(const std::string& path, int width, int height) {
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER), size = width * height * 4;
    const BITMAPFILEHEADER file{0x4D42, offset + size, 0, 0, offset};
    const BITMAPINFOHEADER info{sizeof info, width, height, 1, 32, BI_RGB, size, 0, 0, 0, 0};
    std::vector<DWORD> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back((x < 3 || x >= width - 3) && (y < 3 || y >= height - 3) ? 0xFF0000 : 0x404040 + x);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file)
        .write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(pixels.data()), size);
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
        SendDlgItemMessageA(dialog, 4, TBM_SETPOS, TRUE, 230);
        for (const int box : {8, 13, 14, 16}) Click(dialog, box);
        for (const int list : {7, 9}) chosen[list / 8] = SendDlgItemMessageA(dialog, list, CB_GETCURSEL, 0, 0);
        Click(dialog, 3);
        EXPECT_EQ(GetActiveWindow(), dialog) << "the reloaded clock took the keyboard";
        EXPECT_EQ(GetWindow(clock.hwnd(), GW_HWNDNEXT), nullptr) << "not on top: at the bottom of the Z order";
        RECT place{};
        GetWindowRect(clock.hwnd(), &place);
        BYTE alpha = 0;
        GetLayeredWindowAttributes(clock.hwnd(), nullptr, &alpha, nullptr);
        EXPECT_EQ(std::tuple(place.right - place.left, place.bottom - place.top, int(alpha), int(HourRingOn)),
                  std::tuple(170L, 50L, 230, 1));
        EXPECT_EQ(std::string(ChimeWavFile), "C:\\Sounds\\gong.wav");
        Click(dialog, 2);
    }));
    std::string stored;
    for (const Setting* setting : settings::All) {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> bytes;
        if (setting->key != keys::Run &&
            regstore::Read(setting->root, setting->key, setting->name, type, bytes) == regstore::Found::Value)
            stored += std::string(setting->name) + "=" + ReadSettingText(*setting) + (type == REG_DWORD ? "#\n" : "\n");
    }
    EXPECT_EQ(stored, "SkinPath=" + kShippedFolder + "\nSelBackBmp=" + std::to_string(chosen[0]) +
                          "#\nSelTimeBmp=" + std::to_string(chosen[1]) +
                          "#\nRndBackBmp=1#\nRndTimeBmp=0#\nWindowpos=0#\nAutoRun=0#\nIconRun=1#\nBmpBack=big.bmp\n"
                          "BmpTime=digits.bmp\nAlpha=230#\nHourRing=1\nWavFile=C:\\Sounds\\gong.wav\n");
}

// The machine's Run key when it takes the value, the user's when it refuses; the box shows what starts the clock.
TEST_F(Options, StartWithWindowsFallsBackToTheUsersRunKey) {
    const std::string program = ProgramPath(), command = '"' + program + '"';
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
        {"another program's", false, "\"C:\\Other\\alarm.exe\"", false, false, "|"},
        {"an older version's bare path", false, program.c_str(), true, true, command + "|"},
    };
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
