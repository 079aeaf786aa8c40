#pragma once
// The clock timer is re-armed on every tick so that it fires just after the next second boundary of
// the local clock, instead of drifting as a fixed 1000 ms period does.

// Milliseconds past the boundary the tick aims at: late enough that the clock already reads the
// new second, early enough that nobody sees the delay.
inline constexpr int kTickMarginMs = 2;

// The delay from a moment `millisecond` into the current second to just after the next boundary.
int NextTickDelay(int millisecond);
