#include "app/HourlyChime.h"

void ReadChimeSettings() {}
void CheckHourlyChime() {}
