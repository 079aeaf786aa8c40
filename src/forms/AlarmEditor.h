#pragma once
// The alarm editor in its two variants, each modeless, without owner, at most one at a time: frmAdditem
// appends a new item, frmModify rewrites a stored one under its number. A second request brings the open
// window to the front.
#include <windows.h>

// The controls, by id.
namespace alarm_editor {
enum Control : int {
    kOk = IDOK,
    kCancel = IDCANCEL,
    kFrame1 = 100,
    kOnce,  // Option1: kOnce + index, in repeat-mode order
    kDaily,
    kWeekly,
    kMonthly,
    kYearly,
    kActionLabel,
    kAction,
    kTextHintLabel,
    kTextHint,
    kSoundLabel,
    kSound,
    kSoundBrowse,
    kRingUntilStopped,
    kProgramLabel,
    kProgram,
    kProgramBrowse,
    kParameterLabel,
    kParameter,
    kFrame2,
    kHeads,  // one column head over each box below
    kMonth = kHeads + 7,
    kDay,
    kYear,
    kHour,
    kHourSpin,
    kMinute,
    kMinuteSpin,
    kSecond,
    kSecondSpin,
    kWeek,
};
}  // namespace alarm_editor

void ShowAddEditor();
void ShowModifyEditor(int number);
// The list took item `removed` of `count` out and moved the last item into its number: an open modify
// editor follows its item there, and closes, storing nothing, when its item was the one removed.
void NoteAlarmRemoved(int removed, int count);
