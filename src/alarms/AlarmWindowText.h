#pragma once
// What the alarm window says about the items ringing together.
#include <optional>
#include <string>
#include <vector>

struct AlarmCall {
    std::vector<std::string> texts;  // the due items' own texts, in list order; empty ones say nothing
    int dueHour = 0;
    int dueMinute = 0;
    // Caught up after the computer slept through the due minute.
    bool late = false;
    // The first due item's sound; empty for the built-in ring.
    std::string wavFile;
};

// "07:05".
std::string ClockText(int hour, int minute);

// "Due at 07:05": what a window says of an alarm that was caught up late.
std::string DueAtText(int hour, int minute);

struct ClockMinute {
    int hour;
    int minute;
};
// The lines, top to bottom: the due time (on time only), the texts, "Due at hh:mm" when late, and
// "Rang unanswered at hh:mm" once the ringing that began at `unansweredSince` ended unanswered.
std::vector<std::string> AlarmLines(const AlarmCall& call, std::optional<ClockMinute> unansweredSince);
