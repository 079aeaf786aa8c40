#include "alarms/AlarmWindowText.h"

#include <cstdio>

std::string ClockText(int hour, int minute) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string DueAtText(int hour, int minute) { return "Due at " + ClockText(hour, minute); }

// Late, the due time comes once, under the texts, where it tells that the alarm did not ring at its time.
std::vector<std::string> AlarmLines(const AlarmCall& call, std::optional<ClockMinute> unansweredSince) {
    std::vector<std::string> lines;
    if (!call.late) lines.push_back(ClockText(call.dueHour, call.dueMinute));
    for (const std::string& text : call.texts)
        if (!text.empty()) lines.push_back(text);
    if (call.late) lines.push_back(DueAtText(call.dueHour, call.dueMinute));
    if (unansweredSince)
        lines.push_back("Rang unanswered at " + ClockText(unansweredSince->hour, unansweredSince->minute));
    return lines;
}
