#include "ClockHarness.h"
#include "support/WindowText.h"

#include <oleacc.h>

namespace {

// Every item, submenu included, owner-drawn and still carrying its caption for screen readers.
TEST_F(ClockTest, OwnerDrawnMenuItemsCarryTheirCaptions) {
    ClockWindow clock;
    const HMENU menu = ClockMenu.hMenu(), help = GetSubMenu(menu, 11);
    const std::pair<HMENU, std::vector<std::string>> menus[] = {
        {menu,
         {"Minimized(&M)", "", "Option(&O)...", "", "Horolink Clock(&I)...", "Calendar(&W)...", "",
          "Alarm Setting(&R)...", "", "Time setting(&S)...", "", "Help(&H)", "About(&A)...", "", "Exit(&X)"}},
        {help, {"Help Content(&C)", "Website(&H)"}},
    };
    const auto captions = [](HMENU of) {
        std::vector<std::string> texts;
        for (int position = 0; position < GetMenuItemCount(of); ++position) {
            char text[64] = {};
            GetMenuStringA(of, position, text, sizeof text, MF_BYPOSITION);
            MENUITEMINFOA info{};
            info.cbSize = sizeof info;
            info.fMask = MIIM_FTYPE;
            GetMenuItemInfoA(of, position, TRUE, &info);
            texts.push_back(info.fType & MFT_OWNERDRAW ? text : "not owner-drawn");
        }
        return texts;
    };
    for (const auto& [of, expected] : menus) EXPECT_EQ(captions(of), expected);
    clock.Send(WM_COMMAND, 1);
    EXPECT_EQ(captions(menu)[0], "Resume(&M)");
}

// The icon holds an image drawn for each size the shell asks for from 100 to 200 %; the tray takes the small one.
TEST_F(ClockTest, TheIconHasAnImageForEachSizeAndTheTrayShowsTheSmallOne) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const auto* group = static_cast<const BYTE*>(
        LockResource(LoadResource(module, FindResourceA(module, MAKEINTRESOURCEA(1), RT_GROUP_ICON))));
    std::vector<int> sizes;
    // The group's header is three words; each entry is 14 bytes, its width first.
    for (int image = 0; image < *reinterpret_cast<const WORD*>(group + 4); ++image)
        sizes.push_back(group[6 + 14 * image]);
    EXPECT_EQ(sizes, (std::vector{16, 20, 24, 32, 48, 64}));

    SaveSetting(settings::IconRun, 1);
    ClockWindow clock;
    ICONINFO icon{};
    ASSERT_TRUE(GetIconInfo(clock.tray.LastAdded().hIcon, &icon));
    BITMAP image{};
    GetObjectA(icon.hbmColor, sizeof image, &image);
    EXPECT_EQ(image.bmWidth, GetSystemMetrics(SM_CXSMICON));
    DeleteObject(icon.hbmColor);
    DeleteObject(icon.hbmMask);
}

class ComApartment {
public:
    ComApartment() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComApartment() { CoUninitialize(); }
};

std::string AccessibleName(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(
            AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object))))
        return "no object";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::string text = "no name";
    if (SUCCEEDED(object->get_accName(self, &name)) && name) {
        char narrow[128] = {};
        WideCharToMultiByte(CP_ACP, 0, name, -1, narrow, sizeof narrow, nullptr, nullptr);
        text = narrow;
    }
    SysFreeString(name);
    object->Release();
    return text;
}

int nameChanges = 0;
void CALLBACK CountNameChange(HWINEVENTHOOK, DWORD, HWND, LONG object, LONG, DWORD, DWORD) {
    nameChanges += object == OBJID_CLIENT;
}

// Readers find the clock by its name with the time shown, renamed once when the minute turns; the title that a
// second copy looks for stays as it was.
TEST_F(ClockTest, TheClockIsNamedWithTheTimeItShowsAndKeepsItsTitle) {
    const ComApartment com;
    SettableClock time;
    time.SetLocal(2026, 6, 1, 7, 29, 58);
    ClockWindow clock;
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                               CountNameChange, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    std::vector<std::string> names;
    for (int second = 0; second < 4; ++second) {
        clock.Send(WM_TIMER, 8);
        names.push_back(AccessibleName(clock.hwnd()));
        time.Advance(1);
    }
    PumpMessages(50);
    UnhookWinEvent(hook);
    EXPECT_EQ(names, (std::vector<std::string>{"Marrowby Clock, 07:29", "Marrowby Clock, 07:29",
                                               "Marrowby Clock, 07:30", "Marrowby Clock, 07:30"}));
    EXPECT_EQ(nameChanges, 1);
    EXPECT_EQ(WindowText(clock.hwnd()), "Marrowby Clock");
}

}  // namespace
