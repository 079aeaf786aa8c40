#pragma once
// The control ids of the options dialog.

enum OptionControl : int {
    kOk = 1,
    kCancel = 2,
    kApply = 3,
    kTransparency = 4,
    kBrowse = 5,
    kSkinFolder = 6,
    kBackgroundList = 7,
    kRandomBackground = 8,
    kTimeList = 9,
    kRandomTime = 10,
    kOnTop = 11,
    kAutoRun = 12,
    kStartMinimized = 13,
    kChime = 14,
    kChimeSound = 15,
    kChooseChimeSound = 16,
    kClearChimeSound = 17,
    kClockSize = 18,
    kWakeForAlarms = 19,
};
