#include "app/ClockTooltip.h"

#include "alarms/NextRing.h"
#include "alarms/RingList.h"
#include "alarms/RingRules.h"
#include "alarms/WallClock.h"
#include "dialogkit/clsTooltip.h"
#include "system/Seams.h"

#include <memory>

namespace {

std::unique_ptr<clsTooltip> ClockTooltip;
HWND tooltipOwner = nullptr;
std::string shownText;

std::string ShortDateText() {
    const SYSTEMTIME now = LocalNow();
    char text[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, text, sizeof text);
    return text;
}

// The line below the date; empty when no enabled item will fall due.
std::string NextAlarmLine() {
    const std::int64_t now = UtcNowSeconds();
    const auto next = EarliestRing(RingList, RingCount, now, WallSecondsAt, HasAction);
    return next ? NextRingText(RingList[next->position - 1], next->wall, WallSecondsAt(now)) : "";
}

}  // namespace

void CreateClockTooltip(HWND clock) {
    ClockTooltip = std::make_unique<clsTooltip>();
    ClockTooltip->CreateTooltip();
    ClockTooltip->Tooltip_SetDelayTime(4000);
    ClockTooltip->Tooltip_SetMaxWidth(288);
    tooltipOwner = clock;
    shownText = ClockTooltipText();
    ClockTooltip->AddTooltip(shownText, clock);
}

void DestroyClockTooltip() {
    ClockTooltip.reset();
    tooltipOwner = nullptr;
}

std::string ClockTooltipText() {
    const std::string next = NextAlarmLine();
    return next.empty() ? ShortDateText() : ShortDateText() + "\r\n" + next;
}

void RefreshClockTooltip() {
    if (!ClockTooltip) return;
    std::string text = ClockTooltipText();
    if (text == shownText) return;
    shownText = std::move(text);
    ClockTooltip->UpdateTooltip(shownText, tooltipOwner);
}

void RelayClockTooltipMouse(UINT message, LPARAM lParam) {
    if (ClockTooltip) ClockTooltip->RelayMouseMessage(message, lParam);
}

HWND ClockTooltipWindow() { return ClockTooltip ? ClockTooltip->hwnd() : nullptr; }
