#include "dialogs/DlgOption.h"

#include "dialogkit/BoxHint.h"
#include "dialogkit/BuiltInDialog.h"
#include "dialogkit/ReaderLabel.h"
#include "dialogkit/WindowScale.h"
#include "dialogkit/clsButton.h"
#include "dialogkit/clsComboBox.h"
#include "dialogkit/clsCommonDialog.h"
#include "dialogkit/clsDialog.h"
#include "dialogkit/clsEdit.h"
#include "dialogkit/clsLabel.h"
#include "dialogkit/clsTrackbar.h"
#include "dialogs/AutoRunCommand.h"
#include "dialogs/OptionControls.h"
#include "dialogs/SkinLists.h"
#include "dialogs/SkinPreview.h"
#include "face/ClockSize.h"
#include "face/SkinFolder.h"
#include "settings/RegProcess.h"
#include "settings/SettingsKeys.h"
#include "system/HandleGuards.h"
#include "system/PathParts.h"
#include "system/PublicFunction.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>

namespace {

// The client area: the buttons below every group, the frame and caption added as thick as the platform draws them.
constexpr int kClientWidth = 444;
// The row "Wake the computer for alarms" adds to the Option group; what lies below it moves down by as much.
constexpr int kWakeRow = 19;
constexpr int kClientHeight = 431 + kWakeRow;
// The longest path the platform's file functions take, without its closing NUL.
constexpr std::size_t kPathLimit = MAX_PATH - 1;
constexpr RECT kPreviewBox{224, 68, 426, 262};
constexpr COLORREF kPreviewGrey = 0xC0C0C0;

struct Place {
    int x, y, width, height;
};
constexpr Place kOkPlace{195, 400 + kWakeRow, 72, 21};
constexpr Place kCancelPlace{275, 400 + kWakeRow, 72, 21};
constexpr Place kApplyPlace{355, 400 + kWakeRow, 72, 21};
constexpr Place kBrowsePlace{217, 20, 66, 20};  // wide enough for its caption, pushed too
constexpr Place kChoosePlace{326, 312 + kWakeRow, 26, 20};
constexpr Place kClearPlace{358, 312 + kWakeRow, 66, 20};
constexpr Place kPushButtons[] = {kOkPlace, kCancelPlace, kApplyPlace, kBrowsePlace, kChoosePlace, kClearPlace};

// Group frames: left, top, right, bottom.
constexpr RECT kGroupFrames[] = {{10, 10, 290, 50},
                                 {10, 60, 207, 120},
                                 {10, 131, 207, 190},
                                 {10, 202, 207, 270 + kWakeRow},
                                 {300, 10, 434, 50},
                                 {216, 60, 434, 270 + kWakeRow},
                                 {10, 280 + kWakeRow, 434, 340 + kWakeRow},
                                 {10, 350 + kWakeRow, 434, 390 + kWakeRow}};

// The groups' captions, on their frames' top edges, and what an empty sound means; each is also the name screen
// readers give the control it heads (none for a group of check boxes, which carry their own).
struct Caption {
    const char* text;
    int x, y;
    int names = 0;
};
constexpr Caption kCaptions[] = {{"Picture directory", 20, 4, kSkinFolder},
                                 {"Background picture", 20, 55, kBackgroundList},
                                 {"Time picture", 20, 126, kTimeList},
                                 {"Option", 20, 197},
                                 {"Transparency", 310, 4, kTransparency},
                                 {"Hourly chime", 20, 274 + kWakeRow},
                                 {"Sound (empty: the built-in one)", 216, 292 + kWakeRow, kChimeSound},
                                 {"Clock size", 20, 344 + kWakeRow, kClockSize}};
constexpr Place kClockSizePlace{20, 361 + kWakeRow, 120, 120};
// The clock size list's entries: Automatic (nothing stored), then the sizes in order.
constexpr const char* kClockSizeNames[] = {"Automatic", "100 %", "200 %", "300 %"};

struct CheckBox {
    const char* text;
    int id, x, y, width, height;
    DWORD style;
};
// Both "Replace" boxes are wide enough for their text in the dialog font.
constexpr CheckBox kRandomBackgroundBox{
    "Replace with the random(&B)", kRandomBackground, 20, 98, 184, 16, BS_AUTOCHECKBOX};
constexpr CheckBox kLaterBoxes[] = {
    {"Replace with the random", kRandomTime, 20, 166, 184, 20, BS_AUTOCHECKBOX},
    {"Always On top-screen(&T)", kOnTop, 20, 212, 180, 18, WS_GROUP | BS_AUTOCHECKBOX},
    {"Start with windows start(&U)", kAutoRun, 20, 231, 180, 18, BS_AUTOCHECKBOX},
    {"Minimized on start(&I)", kStartMinimized, 20, 249, 180, 18, BS_AUTOCHECKBOX},
    {"Wake the computer for alarms", kWakeForAlarms, 20, 267, 180, 18, BS_AUTOCHECKBOX},
};
constexpr CheckBox kChimeBox{"Chime every full hour(&H)", kChime, 20, 290 + kWakeRow, 180, 18,
                             WS_GROUP | BS_AUTOCHECKBOX};

// The check boxes that show a stored switch. Start with Windows shows the Run keys instead, and Apply stores
// "Windowpos" last, with the move in the Z order.
struct StoredSwitch {
    int id;
    const Setting* setting;
};
constexpr StoredSwitch kSwitches[] = {{kRandomBackground, &settings::RndBackBmp},
                                      {kRandomTime, &settings::RndTimeBmp},
                                      {kStartMinimized, &settings::IconRun},
                                      {kOnTop, &settings::Windowpos}};

// The open dialog: made at WM_INITDIALOG, released at WM_CLOSE.
class OptionDialog : public SingleDialog<OptionDialog> {
    HWND clock = nullptr;  // the main window, which the options are applied to
    // The clock's transparency when the dialog opened or was last applied: closing puts it back, whatever the
    // preview or anything else did to the clock meanwhile. None when the clock is not see-through.
    std::optional<BYTE> clockAlpha;
    std::string listedFolder;  // the folder whose pictures the lists offer
    BoxHint refusal;
    clsButton buttons;
    clsTrackbar transparency;
    clsEdit edits;
    clsComboBox lists;
    clsLabel labels;
    std::optional<clsDrawTime> previewPainter;

    void CreatePushButton(const char* text, int id, const Place& place, DWORD style = 0);
    void CreateCheckBox(const CheckBox& box);
    bool IsChecked(int id) const;
    void ShowTransparencyOnClock();
    void LoadAlphaSetting();
    void CreateControls();
    void SaveClockSize();
    void LoadSettings();
    void OnInitDialog() override;
    void PaintContent(HDC dc) override;
    void SaveSkinChoice(int list, const Setting& selection, const Setting& fileName);
    bool RefusedAsTooLong(int box);
    bool OnApply();
    void ListFolder(const std::string& folder);
    void OnBrowse();
    bool ListTypedFolder();
    void OnChooseChimeSound();
    void OnCommand(WPARAM wParam);
    void OnHScroll(WPARAM wParam);
    void RemoveStaleSkinLists();
    void PassActivation();
    INT_PTR OnClose() override;
    void HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

void OptionDialog::CreatePushButton(const char* text, int id, const Place& place, DWORD style) {
    const HWND hDlg = hwnd();
    buttons.CreateButton(hDlg, text, id, place.x, place.y, place.width, place.height, font(), style);
}

void OptionDialog::CreateCheckBox(const CheckBox& box) {
    const HWND hDlg = hwnd();
    buttons.CreateButton(hDlg, box.text, box.id, box.x, box.y, box.width, box.height, font(), box.style);
}

bool OptionDialog::IsChecked(int id) const { return buttons.GetButtonState(hwnd(), id) == 1; }

std::optional<BYTE> ClockAlpha(HWND clock) {
    BYTE alpha = 0;
    DWORD flags = 0;
    if (!IsWin2000OrLater() || !GetLayeredWindowAttributes(clock, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
        return std::nullopt;
    return alpha;
}

void OptionDialog::ShowTransparencyOnClock() {
    SetLayeredWindowAttributes(clock, 0, static_cast<BYTE>(transparency.Value()), LWA_ALPHA);
}

// Without layered windows the bar stands disabled at its lowest.
void OptionDialog::LoadAlphaSetting() {
    const clsTrackbar& bar = transparency;
    if (!IsWin2000OrLater()) {
        bar.Value(kLowestAlpha);
        EnableWindow(bar.hwnd(), FALSE);
        return;
    }
    bar.Value(ReadSettingNumber(settings::Alpha).value_or(kLowestAlpha));
}

bool StartsThisProgram(const Setting& runValue) { return StartsProgram(ReadSettingText(runValue), ProgramPath()); }

// Another program may keep a value of the same name: it is neither overwritten nor deleted.
bool IsFreeOrOurs(const Setting& runValue) { return ReadSettingText(runValue).empty() || StartsThisProgram(runValue); }

void InvalidatePreview(HWND hDlg) {
    const RECT previewBox = ScaleRectForWindow(hDlg, kPreviewBox);
    InvalidateRect(hDlg, &previewBox, FALSE);
}

void DeleteIfOurs(const Setting& runValue) {
    if (StartsThisProgram(runValue)) DeleteSetting(runValue);
}

// The machine's Run key when the user may write it, else the user's own; off removes ours from both.
void SaveAutoRun(bool on) {
    if (!on) {
        DeleteIfOurs(settings::AlarmClock);
        DeleteIfOurs(settings::UserAlarmClock);
        return;
    }
    const std::string command = AutoRunCommand(ProgramPath());
    if (IsFreeOrOurs(settings::AlarmClock) && SaveSetting(settings::AlarmClock, command))
        DeleteIfOurs(settings::UserAlarmClock);
    else if (IsFreeOrOurs(settings::UserAlarmClock))
        SaveSetting(settings::UserAlarmClock, command);
}

void OptionDialog::CreateControls() {
    const HWND hDlg = hwnd();
    const HFONT font = this->font();
    CreatePushButton("OK(&O)", kOk, kOkPlace, WS_GROUP | BS_DEFPUSHBUTTON);
    CreatePushButton("Cancel(&C)", kCancel, kCancelPlace);
    CreatePushButton("Apply(&A)", kApply, kApplyPlace);
    transparency.CreateTrackBar(hDlg, kTransparency, 310, 17, WS_GROUP);
    LoadAlphaSetting();
    CreatePushButton("Browse(&V)", kBrowse, kBrowsePlace);
    // Unlimited, so a pasted path too long to keep is refused whole rather than cut.
    edits.CreateEdit(hDlg, kSkinFolder, 20, 20, 187, 20, font);
    SetFocus(edits.hwnd(0));
    lists.CreateCombox(hDlg, kBackgroundList, 20, 72, 175, 188, font);
    lists.AddItem(hDlg, kBackgroundList, "Default");
    CreateCheckBox(kRandomBackgroundBox);
    lists.CreateCombox(hDlg, kTimeList, 20, 144, 175, 500, font);
    lists.AddItem(hDlg, kTimeList, "Default");
    for (const CheckBox& box : kLaterBoxes) CreateCheckBox(box);
    CreateCheckBox(kChimeBox);
    edits.CreateEdit(hDlg, kChimeSound, 20, 312 + kWakeRow, 300, 20, font, ES_READONLY);
    CreatePushButton("...", kChooseChimeSound, kChoosePlace);
    CreatePushButton("Clear(&L)", kClearChimeSound, kClearPlace);
    lists.CreateCombox(hDlg, kClockSize, kClockSizePlace.x, kClockSizePlace.y, kClockSizePlace.width,
                       kClockSizePlace.height, font, WS_GROUP);
    for (const char* name : kClockSizeNames) lists.AddItem(hDlg, kClockSize, name);
    for (const Caption& caption : kCaptions) {
        labels.CreateLabel(hDlg, caption.text, caption.x, caption.y, font);
        if (caption.names) PutLabelBefore(labels.hwnd(), GetDlgItem(hDlg, caption.names));
    }
}

// The entry of the stored size; Automatic for none or one the list does not offer.
int ClockSizeEntry() {
    const std::optional<std::int32_t> stored = ReadSettingNumber(settings::ClockSize);
    const auto* size = stored ? std::ranges::find(kClockSizes, *stored) : std::end(kClockSizes);
    return size == std::end(kClockSizes) ? 0 : 1 + static_cast<int>(size - std::begin(kClockSizes));
}

void OptionDialog::SaveClockSize() {
    const int entry = lists.GetSelItem(hwnd(), kClockSize);
    if (entry > 0)
        SaveSetting(settings::ClockSize, kClockSizes[entry - 1]);
    else
        DeleteSetting(settings::ClockSize);
}

void OptionDialog::LoadSettings() {
    const HWND hDlg = hwnd();
    listedFolder = SkinFolder();
    edits.SetEditText(hDlg, kSkinFolder, listedFolder);
    FillSkinLists(hDlg, listedFolder);
    SelectSavedSkin(hDlg, kBackgroundList, settings::SelBackBmp, settings::BmpBack);
    SelectSavedSkin(hDlg, kTimeList, settings::SelTimeBmp, settings::BmpTime);
    for (const StoredSwitch& option : kSwitches)
        buttons.SetButtonState(hDlg, option.id, ReadSettingFlag(*option.setting) ? 1 : 0);
    const bool autoRun = StartsThisProgram(settings::AlarmClock) || StartsThisProgram(settings::UserAlarmClock);
    buttons.SetButtonState(hDlg, kAutoRun, autoRun ? 1 : 0);
    // The clock chimes for any number but 0.
    buttons.SetButtonState(hDlg, kChime, ParseNumber(ReadSettingText(settings::HourRing)).value_or(0) != 0);
    edits.SetEditText(hDlg, kChimeSound, ReadSettingText(settings::ChimeWavFile));
    lists.ListIndex(hDlg, kClockSize, ClockSizeEntry());
    // On unless switched off: absent, or any number but 0.
    buttons.SetButtonState(hDlg, kWakeForAlarms, ReadSettingNumber(settings::WakeFromSleep) != 0);
}

void OptionDialog::OnInitDialog() {
    const HWND hDlg = hwnd();
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, GetWindowLongA(hDlg, GWL_STYLE), FALSE, GetWindowLongA(hDlg, GWL_EXSTYLE));
    CentreOnDesktop(hDlg, frame.right - frame.left, frame.bottom - frame.top);
    SendMessageA(hDlg, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Option"));
    clock = GetWindow(hDlg, GW_OWNER);
    clockAlpha = ClockAlpha(clock);
    CreateControls();
    LoadSettings();
}

void OptionDialog::PaintContent(HDC dc) {
    const HWND hDlg = hwnd();
    for (const RECT& frame : kGroupFrames) DrawEtchedFrame(dc, frame.left, frame.right, frame.top, frame.bottom);
    for (const Place& button : kPushButtons)
        DrawSunkenFrame(dc, button.x - 1, button.x + button.width + 1, button.y - 1, button.y + button.height + 1);
    const GdiObject<HBRUSH> grey(CreateSolidBrush(kPreviewGrey));
    const RECT previewBox = ScaleRectForWindow(hDlg, kPreviewBox);
    FillRect(dc, &previewBox, grey);
    DrawSkinPreview(dc, hDlg, previewPainter.emplace());
}

// A list with nothing selected leaves the stored picture as it is.
void OptionDialog::SaveSkinChoice(int list, const Setting& selection, const Setting& fileName) {
    const HWND hDlg = hwnd();
    const int selected = lists.GetSelItem(hDlg, list);
    if (selected < 0) return;
    SaveSetting(selection, selected);
    SaveSetting(fileName, lists.SelIndexText(hDlg, list));
}

// A path box holding more than the platform takes says so and keeps the dialog as it is.
bool OptionDialog::RefusedAsTooLong(int box) {
    const HWND hDlg = hwnd();
    if (edits.Text(hDlg, box).size() <= kPathLimit) return false;
    refusal.Show(hDlg, GetDlgItem(hDlg, box), "This path is too long: at most 259 characters.");
    return true;
}

// Nothing is stored while a path would have to be cut.
bool OptionDialog::OnApply() {
    const HWND hDlg = hwnd();
    if (RefusedAsTooLong(kSkinFolder) || RefusedAsTooLong(kChimeSound)) return false;
    refusal.Hide();
    SaveSetting(settings::Alpha, transparency.Value());
    SaveSetting(settings::SkinPath, edits.Text(hDlg, kSkinFolder));
    SaveSkinChoice(kBackgroundList, settings::SelBackBmp, settings::BmpBack);
    SaveSkinChoice(kTimeList, settings::SelTimeBmp, settings::BmpTime);
    for (const StoredSwitch& option : kSwitches)
        if (option.id != kOnTop) SaveSetting(*option.setting, IsChecked(option.id));
    SaveSetting(settings::AutoRun, IsChecked(kAutoRun));
    SaveAutoRun(IsChecked(kAutoRun));
    SaveSetting(settings::HourRing, IsChecked(kChime));
    SaveSetting(settings::ChimeWavFile, edits.Text(hDlg, kChimeSound));
    SaveSetting(settings::WakeFromSleep, IsChecked(kWakeForAlarms));
    SaveClockSize();
    if (IsIconic(clock)) SendMessageA(clock, WM_COMMAND, 0, 0);
    SendMessageA(clock, WM_OPTIONSAPPLIED, 0, 0);
    const bool onTop = IsChecked(kOnTop);
    SaveSetting(settings::Windowpos, onTop);
    // Shown again after the reload hid it, without taking the keyboard from the dialog.
    SetWindowPos(clock, onTop ? HWND_TOPMOST : HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    clockAlpha = ClockAlpha(clock);
    return true;
}

// A new folder refills both lists at once, "Default" selected, so no file name of the old folder is stored
// against it; the folder itself is stored only by Apply.
void OptionDialog::ListFolder(const std::string& folder) {
    const HWND hDlg = hwnd();
    listedFolder = folder;
    lists.DeleteItem(hDlg, kBackgroundList);
    lists.DeleteItem(hDlg, kTimeList);
    FillSkinLists(hDlg, folder);
    InvalidatePreview(hDlg);
}

void OptionDialog::OnBrowse() {
    const HWND hDlg = hwnd();
    const std::string folder = clsCommonDialog().BrowsCatalog(hDlg);
    if (folder.empty()) return;
    edits.SetEditText(hDlg, kSkinFolder, folder);
    ListFolder(folder);
}

// A typed folder is listed once the user leaves the box or presses Enter in it, if it is another folder that
// exists. False when nothing changed.
bool OptionDialog::ListTypedFolder() {
    const HWND hDlg = hwnd();
    const std::string folder = edits.Text(hDlg, kSkinFolder);
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (SamePath(folder, listedFolder) || folder.size() > kPathLimit || attributes == INVALID_FILE_ATTRIBUTES ||
        !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    ListFolder(folder);
    return true;
}

void OptionDialog::OnChooseChimeSound() {
    const HWND hDlg = hwnd();
    const std::string sound = clsCommonDialog().OpenDialog(hDlg, "*.wav");
    if (!sound.empty()) edits.SetEditText(hDlg, kChimeSound, sound);
}

void OptionDialog::OnCommand(WPARAM wParam) {
    const HWND hDlg = hwnd();
    switch (wParam) {
        case kOk:
            // Enter in the folder box lists the typed folder rather than closing the dialog.
            if (GetFocus() == GetDlgItem(hDlg, kSkinFolder) && ListTypedFolder()) break;
            if (OnApply()) SendMessageA(hDlg, WM_CLOSE, 0, 0);
            break;
        case kCancel:
            SendMessageA(hDlg, WM_CLOSE, 0, 0);
            break;
        case kApply:
            OnApply();
            break;
        case MAKEWPARAM(kSkinFolder, EN_KILLFOCUS):
            ListTypedFolder();
            break;
        case kBrowse:
            OnBrowse();
            break;
        case kChooseChimeSound:
            OnChooseChimeSound();
            break;
        case kClearChimeSound:
            edits.SetEditText(hDlg, kChimeSound, "");
            break;
    }
    if (HIWORD(wParam) == CBN_SELCHANGE) InvalidatePreview(hDlg);
}

// The live preview of the transparency, once the thumb is let go.
void OptionDialog::OnHScroll(WPARAM wParam) {
    if (wParam == TB_ENDTRACK) ShowTransparencyOnClock();
}

// A list left with only "Default" found nothing of its kind: its registry list goes, and both lists' key with them.
void OptionDialog::RemoveStaleSkinLists() {
    const HWND hDlg = hwnd();
    const bool noBackgrounds = lists.ListCount(hDlg, kBackgroundList) == 1;
    const bool noTimeStrips = lists.ListCount(hDlg, kTimeList) == 1;
    if (noBackgrounds) DeleteRegKey(RegRoot::CurrentUser, keys::ClockSkin, "BlackFile");
    if (noTimeStrips) DeleteRegKey(RegRoot::CurrentUser, keys::ClockSkin, "TimeFile");
    if (noBackgrounds && noTimeStrips) DeleteRegKey(RegRoot::CurrentUser, "Software\\Tollwick", "Clock Skin");
}

// An alarm's window that opened over the dialog keeps the front: ending the active dialog would bring the clock up,
// over the windows it owns.
void OptionDialog::PassActivation() {
    const HWND hDlg = hwnd();
    if (GetActiveWindow() != hDlg) return;
    for (HWND other = GetWindow(hDlg, GW_HWNDFIRST); other; other = GetWindow(other, GW_HWNDNEXT))
        if (other != hDlg && GetWindow(other, GW_OWNER) == clock && IsWindowVisible(other) && IsWindowEnabled(other))
            return void(SetActiveWindow(other));
}

// Whatever closes the dialog, the clock goes back to the transparency it had, a preview not applied dropped.
INT_PTR OptionDialog::OnClose() {
    if (clockAlpha) SetLayeredWindowAttributes(clock, 0, *clockAlpha, LWA_ALPHA);
    RemoveStaleSkinLists();
    PassActivation();
    return 0;
}

void OptionDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_HSCROLL) OnHScroll(wParam);
    if (message == WM_COMMAND) OnCommand(wParam);
}

}  // namespace

void ShowOptionDialog(HWND owner) { OptionDialog::Show(owner); }
