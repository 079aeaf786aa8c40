#include "dialogkit/DpiScale.h"

int ScaleBetweenDpi(int value, int toDpi, int fromDpi) {
    if (fromDpi <= 0) return value;
    const long long product = static_cast<long long>(value) * toDpi;
    const long long half = fromDpi / 2;
    const long long magnitude = ((product < 0 ? -product : product) + half) / fromDpi;
    return static_cast<int>(product < 0 ? -magnitude : magnitude);
}
