#include "alarms/RingRecord.h"
#include "forms/AlarmEditorRules.h"

#include <gtest/gtest.h>

#include <tuple>
#include <variant>

namespace {

constexpr auto kOnce = RingRepeat::Once, kDaily = RingRepeat::Daily, kWeekly = RingRepeat::Weekly,
               kMonthly = RingRepeat::Monthly, kYearly = RingRepeat::Yearly;
constexpr std::optional<RingAction> kNone, kSound = RingAction::Sound, kText = RingAction::TextHint,
                                           kProgram = RingAction::Program;

EditorEntry Entry(RingRepeat repeat, std::optional<RingAction> action, std::string month, std::string day,
                  std::string year, std::string hour, std::string minute, std::string text = "wake",
                  std::string week = kNoWeekday) {
    return {repeat, action, text, "", "", "", month, day, year, hour, minute, week, true};
}

// An item is stored only when it can fire and has what its action needs; otherwise the box to mend is named.
// Box texts are numbers rounded half to even; a year is four plain digits, stored as checked. "Ring until stopped"
// is ticked in every entry but belongs to a sound: "RR" when the item keeps it and the editor shows it back. It is
// now Wednesday 4 March 2026, 9:15:42.
TEST(AlarmEditor, ComposesTheRecordOrNamesTheBoxThatKeepsItFromFiring) {
    const CivilTime now{2026, 3, 4, 9, 15, 42, 3};
    const RingItem yearly{0, RingAction::TextHint, RingRepeat::Yearly, 2, 7, 30, 20, 5, 2, 28, 0, "wake"};
    const std::tuple<const char*, EditorEntry, std::string> cases[] = {
        {"text hint", Entry(kOnce, kText, "3", "1", "2027", "9", "0"), "1 1 1 3 9 0 20 27 3 1 0 "},
        {"year 2031 typed", Entry(kOnce, kText, "12", "31", " 2031 ", "23", "59"), "1 1 1 3 23 59 20 31 12 31 0 "},
        {"sound without a file", Entry(kDaily, kSound, "", "", "", "7", "0", ""), "1 0 2 3 7 0 20 0 0 0 0 RR"},
        {"weekly Monday", Entry(kWeekly, kSound, "", "", "", "6", "0", "", "Monday"), "1 0 3 1 6 0 20 0 0 0 0 RR"},
        {"weekly, no day: today", Entry(kWeekly, kText, "", "", "", "6", "0"), "1 1 3 3 6 0 20 0 0 0 0 "},
        {"no action", Entry(kDaily, kNone, "", "", "", "7", "0"), "Action"},
        {"text hint without text", Entry(kDaily, kText, "", "", "", "7", "0", ""), "TextHint"},
        {"program without a program", Entry(kDaily, kProgram, "", "", "", "7", "0", ""), "Program"},
        {"halves to the even hour and minute", Entry(kDaily, kText, "", "", "", " 6.5", "+7.5 "),
         "1 1 2 3 6 8 20 0 0 0 0 "},
        {"hour 24", Entry(kDaily, kText, "", "", "", "24", "0"), "Hour"},
        {"hour 1e2", Entry(kDaily, kText, "", "", "", "1e2", "0"), "Hour"},
        {"hour not a number", Entry(kDaily, kText, "", "", "", "ab", "0"), "Hour"},
        {"minute 60", Entry(kDaily, kText, "", "", "", "7", "60"), "Minute"},
        {"once, month 13", Entry(kOnce, kText, "13", "1", "2026", "7", "0"), "Month"},
        {"once, 29 February of a common year", Entry(kOnce, kText, "2", "29", "2027", "7", "0"), "Day"},
        {"once, 29 February of a leap year", Entry(kOnce, kText, "2", "29", "2028", "7", "0"),
         "1 1 1 3 7 0 20 28 2 29 0 "},
        {"once, year 1999", Entry(kOnce, kText, "1", "1", "1999", "7", "0"), "Year"},
        {"once, year 2100", Entry(kOnce, kText, "1", "1", "2100", "7", "0"), "Year"},
        {"once, year 2005.0", Entry(kOnce, kText, "1", "1", "2005.0", "7", "0"), "Year"},
        {"once, year +2030", Entry(kOnce, kText, "1", "1", "+2030", "7", "0"), "Year"},
        {"once, yesterday", Entry(kOnce, kText, "3", "3", "2026", "23", "59"), "PassedDate"},
        {"once, today at this minute", Entry(kOnce, kText, "3", "4", "2026", "9", "15"), "PassedTime"},
        {"once, today at the next minute", Entry(kOnce, kText, "3", "4", "2026", "9", "16"),
         "1 1 1 3 9 16 20 26 3 4 0 "},
        {"daily at a passed minute", Entry(kDaily, kText, "3", "4", "2026", "9", "0"), "1 1 2 3 9 0 20 26 3 4 0 "},
        {"yearly, year not plain", Entry(kYearly, kText, "2", "29", "soon", "7", "0"), "Year"},
        {"yearly on 29 February", Entry(kYearly, kText, "2", "29", "2027", "7", "0"), "1 1 5 3 7 0 20 27 2 29 0 "},
        {"yearly on 30 February", Entry(kYearly, kText, "2", "30", "2028", "7", "0"), "Day"},
        {"modify keeps a one-digit year as 2005", EntryOfItem(yearly), "1 1 5 2 7 30 20 5 2 28 0 "},
        {"monthly on the 31st, month and year unused", Entry(kMonthly, kText, "ab", "31", "x", "7", "0"),
         "1 1 4 3 7 0 20 0 0 31 0 "},
        {"monthly on the 32nd", Entry(kMonthly, kText, "1", "32", "", "7", "0"), "Day"},
    };
    const char* boxes[] = {"Action", "TextHint", "Program", "Month",      "Day",
                           "Year",   "Hour",     "Minute",  "PassedDate", "PassedTime"};
    for (const auto& [name, entry, outcome] : cases) {
        const auto composed = ComposeRingItem(entry, now);
        std::string shown;
        if (const auto* item = std::get_if<RingItem>(&composed)) {
            for (const auto byte : EncodeRingRecord(*item)) shown += std::to_string(byte) + " ";
            shown += std::string(item->ringUntilStopped, 'R') + std::string(EntryOfItem(*item).ringUntilStopped, 'R');
        } else
            shown = boxes[static_cast<int>(std::get<EditorBox>(composed))];
        EXPECT_EQ(shown, outcome) << name;
    }
    EXPECT_EQ(EntryOfItem(yearly).year, "2005");
}

}  // namespace
