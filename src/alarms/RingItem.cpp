#include "alarms/RingItem.h"

std::string FourDigitYear(std::int16_t year, std::int16_t year1) {
    const std::string tail = std::to_string(year1);
    return std::to_string(year) + (tail.size() == 1 ? "0" + tail : tail);
}
