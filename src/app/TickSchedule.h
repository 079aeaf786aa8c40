#pragma once
// The clock timer aims at just after each second boundary of the local clock, instead of drifting as a
// fixed 1000 ms period does from wherever it started. It is re-armed only when a tick lands outside the
// window just past the boundary, since every re-arm is a call to the window server.

// Milliseconds past the boundary the tick aims at: late enough that the clock already reads the
// new second, early enough that nobody sees the delay.
inline constexpr int kTickMarginMs = 2;
// A tick up to this late still counts as on time, and the timer keeps its one-second period.
inline constexpr int kTickLateMs = 25;

// The timer period to go on with after a tick `millisecond` into the current second: a whole second while the
// ticks land on time, else the delay to just after the next boundary.
int NextTickDelay(int millisecond);
