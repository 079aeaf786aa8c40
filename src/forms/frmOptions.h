#pragma once
// The alarm list form: modeless, without owner, at most one at a time.
void ShowAlarmList();
