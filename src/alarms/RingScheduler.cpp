#include "alarms/RingScheduler.h"

void CheckRingTime() {}
