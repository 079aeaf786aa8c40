#include "alarms/RingActions.h"
#include "app/ClockHarness.h"
#include "app/HourlyChime.h"
#include "dialogs/DlgOption.h"
#include "face/GdiHandles.h"
#include "face/frmRegion.h"
#include "settings/RegStore.h"
#include "support/DialogDriver.h"
#include "support/GdiCount.h"
#include "support/PaintedClient.h"
#include "system/PublicFunction.h"

#include <commctrl.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>

namespace {

const std::string kFolder = (std::filesystem::temp_directory_path() / "option skins").string();
// Where the clock and its options look with no folder stored.
const std::string kShippedFolder = ProgramFolder() + "\\skins";

class Options : public ClockTest {
protected:
    void TearDown() override {
        SetRegRootReadOnly(RegRoot::LocalMachine, false);
        ClockTest::TearDown();
        for (const std::string& folder : {kFolder, kShippedFolder}) std::filesystem::remove_all(folder);
        // The Run values as they were.
        for (const auto& [setting, before] : runValues)
            before.kind() == RegValue::Kind::Text ? void(SaveSetting(*setting, before.AsText()))
                                                  : DeleteSetting(*setting);
    }
    const std::pair<const Setting*, RegValue> runValues[2] = {
        {&settings::AlarmClock, GetRegValue(RegRoot::LocalMachine, keys::Run, "AlarmClock")},
        {&settings::UserAlarmClock, GetRegValue(RegRoot::CurrentUser, keys::Run, "AlarmClock")}};
};

// Pixels as a 32-bit bitmap file holds them, 0x00RRGGBB. A plate in a pure red field (its corners), with a black
// panel where the time goes; a strip of distinct columns.
template <int Width, int Height>
DWORD Plate(int x, int y) {
    if ((x < 3 || x >= Width - 3) && (y < 3 || y >= Height - 3)) return 0xFF0000;
    return x >= 20 && x < 131 && y >= 8 && y < 33 ? 0 : 0xB48C3C;
}
DWORD Strip(int x, int y) { return x << 16 | (255 - x) << 8 | 10 * y; }

void WriteBmp(const std::string& path, int width, int height, DWORD (*colourAt)(int, int) = Strip) {
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER), size = width * height * 4;
    const BITMAPFILEHEADER file{0x4D42, offset + size, 0, 0, offset};
    const BITMAPINFOHEADER info{sizeof info, width, height, 1, 32, BI_RGB, size, 0, 0, 0, 0};
    std::vector<DWORD> pixels;  // bottom row first
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x) pixels.push_back(colourAt(x, y));
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file)
        .write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(pixels.data()), size);
}

void WritePlateAndStrip(const std::string& folder) {
    std::filesystem::create_directories(folder);
    WriteBmp(folder + "\\plate.bmp", 150, 40, Plate<150, 40>);
    WriteBmp(folder + "\\digits.bmp", 180, 25);
}

bool Open(HWND owner, std::function<void(HWND)> act) {
    return DriveModal([owner] { ShowOptionDialog(owner); }, std::move(act));
}
void Click(HWND dialog, int id) { SendDlgItemMessageA(dialog, id, BM_CLICK, 0, 0); }
std::string Text(HWND dialog, int id) {
    char text[MAX_PATH] = {};
    GetDlgItemTextA(dialog, id, text, MAX_PATH);
    return text;
}
// What the user does with the mouse: pick an entry, and the list tells the dialog.
void Choose(HWND dialog, int id, const char* entry) {
    SendDlgItemMessageA(dialog, id, CB_SELECTSTRING, -1, reinterpret_cast<LPARAM>(entry));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}
// The list's entries after "Default", and a registry list, as one text each.
std::string Entries(HWND dialog, int id) {
    std::string entries;
    char text[MAX_PATH];
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
BYTE AlphaOf(HWND window) {
    BYTE alpha = 0;
    GetLayeredWindowAttributes(window, nullptr, &alpha, nullptr);
    return alpha;
}

// The lists hold the folder's skins by size, hidden ones too, in the order the registry lists get; the stored name
// outranks the stored index. Apply writes every option with its type, and the clock takes the new skin, size,
// outline, transparency and chime at once, its face pixel for pixel as the preview showed it. Browse refills the
// lists, only Apply stores the folder, and closing drops a registry list that found nothing.
TEST_F(Options, ApplyStoresEveryValueAndTheClockShowsWhatThePreviewShowed) {
    WritePlateAndStrip(kShippedFolder);
    for (const auto& [name, width, height] :
         {std::tuple{"big", 170, 50}, {"tall", 180, 26}, {"hidden", 120, 38}, {"wide", 201, 50}, {"small", 100, 100}})
        WriteBmp(kShippedFolder + "\\" + name + ".bmp", width, height, Plate<170, 50>);
    SetFileAttributesA((kShippedFolder + "\\hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    std::ofstream(kShippedFolder + "\\broken.bmp") << "BM not a picture";
    std::filesystem::create_directories(kFolder);
    WriteBmp(kFolder + "\\strip.bmp", 180, 25);
    SaveSetting(settings::BmpBack, "plate.bmp");
    SaveSetting(settings::SelBackBmp, 0);  // "Default" by the index
    SaveSetting(settings::SelTimeBmp, 7);  // past the end of the list
    SettableClock time;
    time.SetLocal(2026, 3, 14, 21, 5, 7);
    ClockWindow clock;
    EXPECT_EQ(SkinBitmap.bmWidth, 150) << "the clock loads from the shipped folder too";
    seams.GetOpenFileNameA = [](LPOPENFILENAMEA file) { return lstrcpyA(file->lpstrFile, "C:\\Sounds\\gong.wav"), 1; };
    seams.SHBrowseForFolderA = [](LPBROWSEINFOA) { return ILCreateFromPathA(kFolder.c_str()); };
    int chosen[2] = {};
    EXPECT_TRUE(Open(clock.hwnd(), [&](HWND dialog) {
        std::string backgrounds = Entries(dialog, 7);
        EXPECT_EQ(Listed(keys::BackList), backgrounds);
        for (const std::string name : {"plate.bmp|", "big.bmp|", "tall.bmp|", "hidden.bmp|"})
            backgrounds.erase(backgrounds.find(name), name.size());
        EXPECT_EQ(backgrounds + Listed(keys::TimeList) + Entries(dialog, 9), "digits.bmp|digits.bmp|");
        EXPECT_EQ(Text(dialog, 6) + "|" + Text(dialog, 7) + "|" + Text(dialog, 9),
                  kShippedFolder + "|plate.bmp|Default");
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
        EXPECT_EQ(std::pair(place.right - place.left, place.bottom - place.top), std::pair(170L, 50L));
        EXPECT_EQ(AlphaOf(clock.hwnd()), 230);
        GdiRegion outline(CreateRectRgn(0, 0, 0, 0));
        EXPECT_TRUE(GetWindowRgn(clock.hwnd(), outline) && PtInRegion(outline, 85, 0) && !PtInRegion(outline, 0, 0));
        EXPECT_EQ(std::pair(int(HourRingOn), std::string(ChimeWavFile)),
                  std::pair(1, std::string("C:\\Sounds\\gong.wav")));
        const PaintedClient face(clock.hwnd()), options(dialog);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 170; ++x) {
                const COLORREF shown = face.at(x, y);
                ASSERT_EQ(options.at(240 + x, 140 + y), shown == RGB(255, 0, 0) ? 0xC0C0C0 : shown) << x << "," << y;
            }
        Click(dialog, 5);
        EXPECT_EQ(Text(dialog, 7) + "|" + Entries(dialog, 7) + "|" + Entries(dialog, 9), "Default||strip.bmp|");
        Click(dialog, 2);
    }));
    EXPECT_EQ(GetRegValue(RegRoot::CurrentUser, keys::BackList, "").kind(), RegValue::Kind::KeyMissing);
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

// Keys as in any dialog: Escape cancels a live transparency; Tab follows the creation order; a mnemonic and Enter
// apply.
TEST_F(Options, KeysAndTheLiveTransparency) {
    SaveSetting(settings::Alpha, 150);
    ClockWindow clock;
    EXPECT_TRUE(Open(clock.hwnd(), [&](HWND dialog) {
        SendDlgItemMessageA(dialog, 4, TBM_SETPOS, TRUE, 0);
        SendMessageA(dialog, WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, 4)));
        EXPECT_EQ(AlphaOf(clock.hwnd()), 100) << "never so faint the clock is lost";
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 1);
    }));
    EXPECT_EQ(AlphaOf(clock.hwnd()), 150);
    EXPECT_EQ(ReadSettingText(settings::Alpha), "150");

    EXPECT_TRUE(Open(clock.hwnd(), [&](HWND dialog) {
        EXPECT_EQ(TabOrder(dialog, 18), "6 7 8 9 10 11 12 13 14 15 16 17 1 2 3 4 5 6 ");
        PostMessageA(GetFocus(), WM_SYSCHAR, 't', 1 << 29);
        PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 1);
    }));
    EXPECT_TRUE(GetWindowLongA(clock.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(ReadSettingText(settings::Windowpos), "1");
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

// A few dozen rounds show a leak of one object a round.
TEST_F(Options, OpeningsPreviewsAndAppliesLeaveTheGdiCount) {
    WritePlateAndStrip(kFolder);
    SaveSetting(settings::SkinPath, kFolder);
    ClockWindow clock;
    const auto round = [&](int i) {
        Open(clock.hwnd(), [i](HWND dialog) {
            Choose(dialog, 7, i % 2 ? "plate.bmp" : "Default");
            Choose(dialog, 9, i % 2 ? "Default" : "digits.bmp");
            RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            Click(dialog, 1);
        });
    };
    round(0), round(1);  // what the first openings make stays: classes, cached brushes and fonts
    const int before = GdiObjectsInUse();
    for (int i = 0; i < 30; ++i) round(i);
    // Wine keeps a few window DCs and update regions cached and lets them go on its own schedule; anything the
    // dialog leaked would show once per round.
    EXPECT_LE(GdiObjectsInUse(), before + 5);
}

}  // namespace
