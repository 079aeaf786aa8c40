#include "alarms/SnoozeLengthBox.h"

#include "alarms/SnoozeRules.h"
#include "dialogkit/ReaderLabel.h"
#include "settings/SettingsKeys.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace {

constexpr int kDroppedHeight = 80;

}  // namespace

void SnoozeLengthBox::Create(HWND dialog, int id, int x, int y, int width, HFONT font) {
    id_ = id;
    box_.CreateCombox(dialog, id, x, y, width, kDroppedHeight, font);
    for (const int minutes : kSnoozeChoices) box_.AddItem(dialog, id, std::to_string(minutes) + " minutes");
    const int last = SnoozeMinutesOrFirst(ReadSettingNumber(settings::SnoozeMinutes));
    box_.ListIndex(dialog, id, int(std::ranges::find(kSnoozeChoices, last) - std::begin(kSnoozeChoices)));
    // The Snooze button beside it shows what the length is for.
    AddHiddenLabel(GetDlgItem(dialog, id), "Snooze length");
}

int SnoozeLengthBox::TakeChoice(HWND dialog) const {
    const int index = std::clamp(box_.GetSelItem(dialog, id_), 0, int(std::size(kSnoozeChoices)) - 1);
    SaveSetting(settings::SnoozeMinutes, kSnoozeChoices[index]);
    return kSnoozeChoices[index];
}
