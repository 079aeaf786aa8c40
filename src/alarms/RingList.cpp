#include "alarms/RingList.h"

void LoadRingData() {}
