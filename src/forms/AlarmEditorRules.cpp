#include "forms/AlarmEditorRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>

namespace {

constexpr int kCentury = 20;
constexpr int kFirstYear = kCentury * 100;
constexpr int kLastYear = kFirstYear + 99;
// Yearly items ignore the year, so their day is checked in a leap year: 29 February is allowed.
constexpr int kAnyLeapYear = 2000;

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Decimal text, a fraction allowed, rounded half to even; nothing for any other text.
std::optional<long long> RoundedNumber(std::string_view text) {
    text = Trimmed(text);
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || std::abs(value) > 1e15)
        return std::nullopt;
    return std::llrint(value);
}

std::optional<int> InRange(std::string_view text, int low, int high) {
    const auto number = RoundedNumber(text);
    if (!number || *number < low || *number > high) return std::nullopt;
    return static_cast<int>(*number);
}

// Four digits and nothing else, in the century the record can hold.
std::optional<int> PlainYear(std::string_view text) {
    text = Trimmed(text);
    if (text.size() != 4 || text.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    return InRange(text, kFirstYear, kLastYear);
}

int WeekdayOfName(std::string_view name, int todayWeekday) {
    const auto found = std::find(std::begin(kWeekdayNames), std::end(kWeekdayNames), name);
    return found == std::end(kWeekdayNames) ? todayWeekday : static_cast<int>(found - std::begin(kWeekdayNames));
}

std::optional<EditorBox> FirstInvalidBox(const EditorEntry& entry, const CivilTime& now) {
    if (!entry.action || !IsKnown(*entry.action)) return EditorBox::Action;
    if (entry.action == RingAction::TextHint && entry.textHint.empty()) return EditorBox::TextHint;
    if (entry.action == RingAction::Program && entry.program.empty()) return EditorBox::Program;
    const bool once = entry.repeat == RingRepeat::Once;
    const bool monthly = entry.repeat == RingRepeat::Monthly;
    const RepeatBoxes uses = BoxesOfRepeat(entry.repeat);
    const auto month = InRange(entry.month, 1, 12);
    const auto year = PlainYear(entry.year);
    if (uses.month && !month) return EditorBox::Month;
    const int lastDay =
        monthly ? 31 : DaysInMonth(once ? year.value_or(kAnyLeapYear) : kAnyLeapYear, month.value_or(1));
    const auto day = InRange(entry.day, 1, lastDay);
    if (uses.day && !day) return EditorBox::Day;
    if (uses.year && !year) return EditorBox::Year;
    const auto hour = InRange(entry.hour, 0, 23);
    if (!hour) return EditorBox::Hour;
    const auto minute = InRange(entry.minute, 0, 59);
    if (!minute) return EditorBox::Minute;
    if (!once) return std::nullopt;
    // An only-once item rings in the second hh:mm:00 of its day; once that has begun it never will.
    const std::tuple date{*year, *month, *day}, today{now.year, now.month, now.day};
    if (date < today) return EditorBox::PassedDate;
    if (date == today && std::pair{*hour, *minute} <= std::pair{now.hour, now.minute}) return EditorBox::PassedTime;
    return std::nullopt;
}

}  // namespace

const char* MendingHint(EditorBox box) {
    switch (box) {
        case EditorBox::Action:
            return "Choose what the alarm does.";
        case EditorBox::TextHint:
            return "Type the text to show.";
        case EditorBox::Program:
            return "Choose the program to run.";
        case EditorBox::Month:
            return "Choose a month from 1 to 12.";
        case EditorBox::Day:
            return "Choose a day this month has.";
        case EditorBox::Year:
            return "Type a year of four digits, 2000 to 2099.";
        case EditorBox::Hour:
            return "Type an hour from 0 to 23.";
        case EditorBox::Minute:
            return "Type a minute from 0 to 59.";
        case EditorBox::PassedDate:
            return "This day has passed: choose one to come.";
        case EditorBox::PassedTime:
            return "This time has passed: choose a later one.";
    }
    return "";
}

ActionBoxes BoxesOfAction(std::optional<RingAction> action) {
    const bool program = action == RingAction::Program;
    return {action == RingAction::TextHint, action == RingAction::Sound, program, program};
}

RepeatBoxes BoxesOfRepeat(RingRepeat repeat) {
    const bool datedByYear = repeat == RingRepeat::Once || repeat == RingRepeat::Yearly;
    return {datedByYear, datedByYear || repeat == RingRepeat::Monthly, datedByYear, repeat == RingRepeat::Weekly};
}

std::uint8_t ToRecordByte(std::string_view text) {
    const auto number = RoundedNumber(text);
    return number && *number >= 0 && *number <= 255 ? static_cast<std::uint8_t>(*number) : 0;
}

std::vector<std::string> YearChoices(int thisYear) {
    std::vector<std::string> years;
    for (int year = thisYear; year <= thisYear + 6; ++year) years.push_back(std::to_string(year));
    return years;
}

EditorEntry EntryForNow(const CivilTime& now) {
    EditorEntry entry;
    entry.month = std::to_string(now.month);
    entry.day = std::to_string(now.day);
    entry.year = std::to_string(now.year);
    entry.hour = std::to_string(now.hour);
    entry.minute = std::to_string(now.minute);
    entry.week = kNoWeekday;
    return entry;
}

EditorEntry EntryOfItem(const RingItem& item) {
    EditorEntry entry;
    entry.action = IsKnown(item.lngNotifyMode) ? std::optional(item.lngNotifyMode) : std::nullopt;
    entry.repeat = IsKnown(item.lngTimeMode) ? item.lngTimeMode : RingRepeat::Once;
    // An item without a known action shows every text it has.
    const ActionBoxes shown = entry.action ? BoxesOfAction(entry.action) : ActionBoxes{true, true, true, true};
    if (shown.textHint) entry.textHint = item.strNotifyText;
    if (shown.sound) entry.sound = item.strWavFile;
    if (shown.program) entry.program = item.strRunExe;
    if (shown.parameter) entry.parameter = item.strParameters;
    entry.month = std::to_string(item.lngMonth);
    entry.day = std::to_string(item.lngwDay);
    entry.year = FourDigitYear(item.lngYear, item.lngYear1);
    entry.hour = std::to_string(item.lngHour);
    entry.minute = std::to_string(item.lngMinute);
    entry.week = item.lngWeek >= 0 && item.lngWeek <= 6 ? kWeekdayNames[item.lngWeek] : kNoWeekday;
    return entry;
}

std::variant<RingItem, EditorBox> ComposeRingItem(const EditorEntry& entry, const CivilTime& now) {
    if (const auto invalid = FirstInvalidBox(entry, now)) return *invalid;
    RingItem item;
    item.lngItemState = 1;
    item.lngNotifyMode = *entry.action;
    item.lngTimeMode = entry.repeat;
    item.lngWeek = WeekdayOfName(entry.week, now.weekday);
    item.lngHour = ToRecordByte(entry.hour);
    item.lngMinute = ToRecordByte(entry.minute);
    item.lngYear = kCentury;
    // A box the mode leaves unused may hold anything; it keeps the century's first year then.
    item.lngYear1 = static_cast<std::int16_t>(PlainYear(entry.year).value_or(kFirstYear) - kFirstYear);
    item.lngMonth = ToRecordByte(entry.month);
    item.lngwDay = ToRecordByte(entry.day);
    item.strNotifyText = entry.textHint;
    item.strRunExe = entry.program;
    item.strWavFile = entry.sound;
    item.strParameters = entry.parameter;
    return item;
}
