#pragma once

// Layout numbers are written for 96 DPI; a window shows them at the DPI of the monitor it is on.
inline constexpr int kLayoutDpi = 96;

// value * toDpi / fromDpi, rounded to the nearest pixel with halves away from zero, as MulDiv rounds.
int ScaleBetweenDpi(int value, int toDpi, int fromDpi);
// A layout number at `dpi`; unchanged at 96.
inline int ScaleByDpi(int value, int dpi) { return ScaleBetweenDpi(value, dpi, kLayoutDpi); }
