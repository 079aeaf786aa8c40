#include "face/TimeText.h"

#include <cstdio>

std::string TimeText(int hour, int minute, int second) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", hour, minute, second);
    return text;
}
